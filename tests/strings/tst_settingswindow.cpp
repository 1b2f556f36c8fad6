#include "app/controls.h"
#include "app/sharedwindow.h"
#include "strings/settingswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using zt::control;
using zt::SettingsWindow;

namespace {
void expectDefaults(const zt::StringsSettings& s)
{
    QVERIFY(s.highlight);
    QCOMPARE(s.rows, 1.0);
    QVERIFY(s.checkFirst);
    QVERIFY(!s.checkSecond);
    QCOMPARE(s.maxDelay, 10.0);
    QVERIFY(!s.resetAfter);
}
} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { zt::destroySharedWindows(); }

    void readingBeforeShowingGivesTheDefaults()
    {
        QVERIFY(!zt::loaded<SettingsWindow>());
        expectDefaults(zt::currentStringsSettings());
        SettingsWindow* w = zt::loaded<SettingsWindow>();
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->objectName(), QStringLiteral("Impauto"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Impostazioni Auto"));
        QCOMPARE(w->size(), QSize(425, 192));
        // The row count is there for the engines but never shown.
        QVERIFY(control<QLineEdit>(w, "Numerostringhe")->isHidden());
        QVERIFY(control<QLabel>(w, "Label78")->isHidden());
    }

    void readsWhatIsTyped()
    {
        SettingsWindow* w = zt::shared<SettingsWindow>();
        w->show();
        control<QCheckBox>(w, "Check20")->setChecked(false);
        control<QCheckBox>(w, "Check12")->setChecked(false);
        control<QCheckBox>(w, "Check16")->setChecked(true);
        control<QCheckBox>(w, "Check1")->setChecked(true);
        control<QLineEdit>(w, "ST_ContrMax0")->setText(QStringLiteral(" 7 colpi"));
        zt::StringsSettings s = zt::currentStringsSettings();
        QVERIFY(!s.highlight);
        QVERIFY(!s.checkFirst);
        QVERIFY(s.checkSecond);
        QVERIFY(s.resetAfter);
        QCOMPARE(s.maxDelay, 7.0);
        control<QLineEdit>(w, "ST_ContrMax0")->setText(QStringLiteral("dieci"));
        QCOMPARE(zt::currentStringsSettings().maxDelay, 0.0);

        // OK only hides: the values stay for the next showing.
        control<QPushButton>(w, "Command1")->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(zt::loaded<SettingsWindow>(), w);
        QVERIFY(control<QCheckBox>(w, "Check16")->isChecked());
    }

    void closeBoxStartsAgainFromTheDefaults()
    {
        SettingsWindow* w = zt::shared<SettingsWindow>();
        w->show();
        control<QLineEdit>(w, "ST_ContrMax0")->setText(QStringLiteral("3"));
        QPointer<SettingsWindow> old = w;
        w->close();
        QVERIFY(!zt::loaded<SettingsWindow>());
        expectDefaults(zt::currentStringsSettings());
        QVERIFY(zt::loaded<SettingsWindow>() != old.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
    }

    void tabOrder()
    {
        SettingsWindow* w = zt::shared<SettingsWindow>();
        QStringList order;
        QWidget* at = control<QWidget>(w, "Command1");
        for (int i = 0; i < 6; ++i) {
            order << at->objectName();
            do
                at = at->nextInFocusChain();
            while (at->isHidden() || at->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(order, (QStringList{"Command1", "Check20", "Check16", "Check12", "ST_ContrMax0",
                                     "Check1"}));
    }
};

ZT_TEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
