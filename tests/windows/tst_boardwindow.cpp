#include "ui/colorbutton.h"
#include "windowsupport.h"
#include "ui/linesbox.h"

#include "windows/boardwindow.h"
#include "windows/settingswindow.h"
#include "testsupport.h"
#include "windows/viewerwindow.h"
#include "windows/wheelwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using zt::BoardWindow;
using zt::control;

class BoardWindowTest : public QObject {
    Q_OBJECT

    BoardWindow* board = nullptr;

    template <class T> T* c(const char* name) { return control<T>(board, QLatin1String(name)); }
    zt::ColorButton* key(int index) { return control<zt::ColorButton>(board, "Command9", index); }

private Q_SLOTS:
    void init()
    {
        zt::destroySharedWindows();
        board = zt::shared<BoardWindow>();
        board->show();
    }

    // What the play tests do not already rely on: the hidden boxes stay
    // hidden, the filter lists every number, the exchange file is polled.
    void startsWithItsHiddenBoxesAndTimer()
    {
        QCOMPARE(board->windowTitle(), QStringLiteral("Roulette"));
        QCOMPARE(c<QComboBox>("Combo1")->count(), 37);
        QCOMPARE(c<QComboBox>("Combo1")->itemText(36), QStringLiteral("36"));
        QCOMPARE(c<QTimer>("Timer2")->interval(), 200);
        QVERIFY(c<QTimer>("Timer2")->isActive());
        QVERIFY(c<zt::LinesBox>("note_0")->isReadOnly());
        QCOMPARE(c<zt::HiddenBox>("CM_pulsante")->text(), QStringLiteral("ok"));
        for (const char* hidden : {"Text3", "CM_pulsante", "CM_Azzera", "CM_tempo", "DB2_nu",
                                   "DB2_gi", "DB2_me", "Command10", "Command9_37"})
            QVERIFY2(c<QWidget>(hidden)->isHidden(), hidden);
    }

    // A few buttons catch a wrong layout, colour, container or conversion of twips.
    void keypadSpotChecks()
    {
        QCOMPARE(board->size(), QSize(616, 272));
        QCOMPARE(key(1)->text() + key(36)->text(), QStringLiteral("334"));
        QCOMPARE(key(1)->backColor(), QColor(255, 0, 0));
        QCOMPARE(key(2)->backColor(), QColor(95, 95, 95));
        QCOMPARE(key(0)->backColor(), QColor(0, 192, 0));
        QVERIFY(!key(37)->isEnabled());
        QCOMPARE(key(36)->parentWidget()->objectName(), QStringLiteral("Frame20"));
        QCOMPARE(key(36)->geometry(), QRect(448, 88, 33, 33));
        QCOMPARE(key(0)->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(key(0)->geometry(), QRect(10, 40, 25, 49));

        // The lower panel lies over the upper one where they overlap.
        QWidget* atOverlap = c<QWidget>("Frame22")->childAt(QPoint(20, 240));
        QVERIFY(atOverlap && c<QWidget>("Frame2")->isAncestorOf(atOverlap));
    }

    void oneModeAtATime()
    {
        // Clicks on Check2 (q) and Check3 (z); then the ticked mode and whether
        // the number filter shows.
        const std::pair<char, const char*> steps[] = {
            {'q', "Quorix"}, {'z', "Zentrima filter"}, {'q', "Quorix"}, {'q', "filter"}};
        for (auto [box, expected] : steps) {
            c<QCheckBox>(box == 'q' ? "Check2" : "Check3")->click();
            QStringList state;
            if (c<QCheckBox>("Check2")->isChecked())
                state << "Quorix";
            if (c<QCheckBox>("Check3")->isChecked())
                state << "Zentrima";
            if (c<QComboBox>("Combo1")->isVisible() && c<QLabel>("Label1")->isVisible())
                state << "filter";
            QCOMPARE(state.join(u' '), QString::fromLatin1(expected));
        }
    }

    void windowButtonsShowOneSharedWindowEach()
    {
        c<QPushButton>("Command7")->click();
        auto* settings = zt::loaded<zt::SettingsWindow>();
        QVERIFY(settings && settings->isVisible());
        control<QPushButton>(settings, "Command1")->click(); // OK hides it
        c<QPushButton>("Command7")->click();
        QCOMPARE(zt::loaded<zt::SettingsWindow>(), settings);
        QVERIFY(settings->isVisible());

        c<QPushButton>("Command11")->click();
        QVERIFY(zt::loaded<zt::WheelWindow>() && zt::loaded<zt::WheelWindow>()->isVisible());
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
        c<QPushButton>("Command10")->click();
        QVERIFY(zt::loaded<zt::ViewerWindow>() && zt::loaded<zt::ViewerWindow>()->isVisible());
    }
};

ZT_WINDOWS_TEST_MAIN(BoardWindowTest)
#include "tst_boardwindow.moc"
