#include "windowsupport.h"

#include "windows/settingswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using zt::control;
using zt::SettingsWindow;

namespace {
// The settings in short: H highlight, F first-hit check, S second-hit check,
// Z "Azzera", then rows/maximum.
QString brief(const zt::StringsSettings& s)
{
    return QStringLiteral("%1%2%3%4 %5/%6")
        .arg(s.highlight ? "H" : "-", s.checkFirst ? "F" : "-", s.checkSecond ? "S" : "-",
             s.resetAfter ? "Z" : "-")
        .arg(s.rows)
        .arg(s.maxDelay);
}
} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { zt::destroySharedWindows(); }

    void readingBeforeShowingGivesTheDefaults()
    {
        QVERIFY(!zt::loaded<SettingsWindow>());
        QCOMPARE(brief(zt::test::links().settings().settings()), QStringLiteral("HF-- 1/10"));
        SettingsWindow* w = zt::loaded<SettingsWindow>();
        QVERIFY(w && !w->isVisible());
        QCOMPARE(w->size(), QSize(425, 192));
        QVERIFY(control<QLineEdit>(w, "Numerostringhe")->isHidden()); // for the engines only
    }

    void readsWhatIsTyped()
    {
        SettingsWindow* w = zt::shared<SettingsWindow>();
        w->show();
        for (const char* name : {"Check20", "Check12", "Check16", "Check1"})
            control<QCheckBox>(w, name)->toggle();
        control<QLineEdit>(w, "ST_ContrMax0")->setText(QStringLiteral(" 7 colpi"));
        QCOMPARE(brief(zt::test::links().settings().settings()), QStringLiteral("--SZ 1/7"));
        control<QLineEdit>(w, "ST_ContrMax0")->setText(QStringLiteral("dieci"));
        QCOMPARE(zt::test::links().settings().settings().maxDelay, 0.0);

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
        QCOMPARE(brief(zt::test::links().settings().settings()), QStringLiteral("HF-- 1/10"));
        QVERIFY(zt::loaded<SettingsWindow>() != old.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
    }

    void tabOrder()
    {
        QStringList order;
        QWidget* at = control<QWidget>(zt::shared<SettingsWindow>(), "Command1");
        for (; order.size() < 6; at = at->nextInFocusChain()) {
            if (!at->isHidden() && at->focusPolicy() != Qt::NoFocus)
                order << at->objectName();
        }
        QCOMPARE(order.join(u' '),
                 QStringLiteral("Command1 Check20 Check16 Check12 ST_ContrMax0 Check1"));
    }
};

ZT_WINDOWS_TEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
