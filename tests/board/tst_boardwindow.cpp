#include "app/colorbutton.h"
#include "app/controls.h"
#include "app/sharedwindow.h"
#include "board/boardwindow.h"
#include "strings/settingswindow.h"
#include "testsupport.h"
#include "viewer/viewerwindow.h"
#include "wheel/wheelwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
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
    QPlainTextEdit* note() { return control<QPlainTextEdit>(board, "note", 0); }
    void setHistorySizeText(const QString& text)
    {
        c<QLineEdit>("Text3")->setText(text);
        Q_EMIT c<QLineEdit>("Text3")->editingFinished();
    }

private Q_SLOTS:
    void init()
    {
        zt::destroySharedWindows();
        board = zt::shared<BoardWindow>();
        board->show();
    }

    void startsEmptyWithEverythingOff()
    {
        QCOMPARE(board->objectName(), QStringLiteral("Zentrima13"));
        QCOMPARE(board->windowTitle(), QStringLiteral("Roulette"));
        QCOMPARE(board->size(), QSize(616, 272));
        QVERIFY(c<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo:"));
        QCOMPARE(c<QComboBox>("Combo7")->currentText(), QStringLiteral("."));
        QCOMPARE(c<QComboBox>("Combo7")->count(), 3);
        QCOMPARE(c<QComboBox>("Combo1")->currentText(), QStringLiteral("Tutti"));
        QCOMPARE(c<QComboBox>("Combo1")->count(), 37);
        QCOMPARE(c<QComboBox>("Combo1")->itemText(36), QStringLiteral("36"));
        QVERIFY(!c<QComboBox>("Combo1")->isEditable());
        for (const char* box : {"Check1", "Check2", "Check3", "Check8"})
            QVERIFY2(!c<QCheckBox>(box)->isChecked(), box);
        QVERIFY(c<QComboBox>("Combo1")->isVisible());
        QVERIFY(note()->toPlainText().isEmpty());
        QVERIFY(note()->isReadOnly());
        QCOMPARE(board->noteColor(), QColor(Qt::black));
        QCOMPARE(board->historySize(), 36);
        QCOMPARE(board->historyCount(), 0);
        QCOMPARE(c<QLineEdit>("CM_pulsante")->text(), QStringLiteral("ok"));
        QCOMPARE(c<QLineEdit>("CM_Azzera")->text(), QStringLiteral("CM_Azzera"));
        QCOMPARE(c<QLabel>("Label26_0")->text(), QStringLiteral(" 0"));
        QVERIFY(c<QTimer>("Timer2")->isActive());
        QCOMPARE(c<QTimer>("Timer2")->interval(), 200);
        for (const char* hidden : {"Text3", "CM_pulsante", "CM_Azzera", "CM_tempo", "DB2_nu",
                                   "DB2_gi", "DB2_me", "Command10"})
            QVERIFY2(c<QWidget>(hidden)->isHidden(), hidden);
    }

    void keypadInDesignLayout()
    {
        const QColor red(255, 0, 0), black(95, 95, 95);
        QCOMPARE(key(1)->text(), QStringLiteral("3"));
        QCOMPARE(key(1)->backColor(), red);
        QCOMPARE(key(2)->backColor(), black);
        QCOMPARE(key(13)->text(), QStringLiteral("2"));
        QCOMPARE(key(36)->text(), QStringLiteral("34"));
        QCOMPARE(key(36)->backColor(), red);
        QCOMPARE(key(0)->text(), QStringLiteral("0"));
        QCOMPARE(key(0)->backColor(), QColor(0, 192, 0));
        QVERIFY(key(37)->isHidden());
        QVERIFY(!key(37)->isEnabled());
        QCOMPARE(key(37)->backColor(), QColor(192, 255, 192));
        for (int i = 0; i <= 36; ++i)
            QCOMPARE(board->savedKeypadColor(i), key(i)->backColor().rgb());
        QCOMPARE(control<zt::ColorButton>(board, "Command11")->backColor(), QColor(0, 255, 0));
        QCOMPARE(control<zt::ColorButton>(board, "Command6")->backColor(), QColor(255, 192, 192));
    }

    void controlsSitWhereDrawn()
    {
        QCOMPARE(key(1)->parentWidget()->objectName(), QStringLiteral("Frame20"));
        QCOMPARE(key(1)->geometry(), QRect(8, 8, 33, 33));
        QCOMPARE(key(36)->geometry(), QRect(448, 88, 33, 33));
        QCOMPARE(key(0)->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(key(0)->geometry(), QRect(10, 40, 25, 49));
        QCOMPARE(c<QPlainTextEdit>("Text1")->geometry(), QRect(528, 32, 73, 73));
        QCOMPARE(note()->parentWidget()->objectName(), QStringLiteral("Frame23"));
        QCOMPARE(c<QFrame>("Frame2")->geometry(), QRect(8, 112, 609, 153));

        // The lower panel lies over the upper one where they overlap.
        auto* upper = c<QWidget>("Frame22");
        QWidget* atOverlap = upper->childAt(QPoint(20, 240));
        QVERIFY(atOverlap);
        QVERIFY(atOverlap == c<QWidget>("Frame2") || c<QWidget>("Frame2")->isAncestorOf(atOverlap));
        QCOMPARE(c<QFrame>("Frame20")->palette().color(QPalette::Window), QColor(255, 128, 0));
    }

    void lockMakesTheProposalEditable()
    {
        c<QCheckBox>("Check1")->click();
        QVERIFY(!note()->isReadOnly());
        c<QCheckBox>("Check1")->click();
        QVERIFY(note()->isReadOnly());
    }

    void oneModeAtATime()
    {
        auto* quorix = c<QCheckBox>("Check2");
        auto* zentrima = c<QCheckBox>("Check3");
        auto* filter = c<QComboBox>("Combo1");
        auto* heading = c<QLabel>("Label1");

        quorix->click();
        QVERIFY(quorix->isChecked());
        QVERIFY(!filter->isVisible());
        QVERIFY(!heading->isVisible());

        zentrima->click();
        QVERIFY(zentrima->isChecked());
        QVERIFY(!quorix->isChecked());
        QVERIFY(filter->isVisible());
        QVERIFY(heading->isVisible());

        quorix->click();
        QVERIFY(quorix->isChecked());
        QVERIFY(!zentrima->isChecked());
        QVERIFY(!filter->isVisible());

        quorix->click();
        QVERIFY(!quorix->isChecked());
        QVERIFY(!zentrima->isChecked());
        QVERIFY(filter->isVisible());
        QVERIFY(heading->isVisible());
    }

    void historySizeIsClamped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("too big") << "9999" << 500;
        QTest::newRow("half to even") << "36.5" << 36;
        QTest::newRow("no number") << "abc" << 1;
        QTest::newRow("leading number") << "  120 spins" << 120;
    }
    void historySizeIsClamped()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        setHistorySizeText(text);
        QCOMPARE(board->historySize(), size);
    }

    void windowButtonsShowOneSharedWindowEach()
    {
        c<QPushButton>("Command7")->click();
        auto* settings = zt::loaded<zt::SettingsWindow>();
        QVERIFY(settings && settings->isVisible());
        control<QLineEdit>(settings, "ST_ContrMax0")->setText(QStringLiteral("7"));
        control<QCheckBox>(settings, "Check16")->setChecked(true);
        control<QPushButton>(settings, "Command1")->click();
        QVERIFY(!settings->isVisible());

        c<QPushButton>("Command7")->click();
        QCOMPARE(zt::loaded<zt::SettingsWindow>(), settings);
        QVERIFY(settings->isVisible());
        QCOMPARE(control<QLineEdit>(settings, "ST_ContrMax0")->text(), QStringLiteral("7"));
        QVERIFY(control<QCheckBox>(settings, "Check16")->isChecked());

        c<QPushButton>("Command11")->click();
        QVERIFY(zt::loaded<zt::WheelWindow>() && zt::loaded<zt::WheelWindow>()->isVisible());

        QVERIFY(!zt::loaded<zt::ViewerWindow>());
        c<QPushButton>("Command10")->click();
        QVERIFY(zt::loaded<zt::ViewerWindow>() && zt::loaded<zt::ViewerWindow>()->isVisible());
    }
};

ZT_TEST_MAIN(BoardWindowTest)
#include "tst_boardwindow.moc"
