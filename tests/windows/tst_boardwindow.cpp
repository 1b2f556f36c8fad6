// The board window beyond what the differential test compares: its layout,
// the windows it opens, the exchange file, and recording into dati.mdb.

#include "core/textrules.h"
#include "storetesting.h"
#include "ui/colorbutton.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

using zt::control;

class BoardWindowTest : public QObject {
    Q_OBJECT

    std::optional<zt::test::FreshDir> dir;
    zt::BoardWindow* board = nullptr;

    template <class T = QWidget> T* c(const char* n) { return control<T>(board, QLatin1String(n)); }
    zt::ColorButton* key(int index) { return control<zt::ColorButton>(board, "Command9", index); }
    void click(const char* name) { c<QAbstractButton>(name)->click(); }
    void send(const QString& text) { c<QLineEdit>("CM_pulsante")->setText(text); }
    QList<QMessageBox*> boxes() { return board->findChildren<QMessageBox*>(); }

private Q_SLOTS:
    void init()
    {
        dir.emplace();
        board = zt::shared<zt::BoardWindow>();
        board->show();
    }
    void cleanup()
    {
        zt::destroySharedWindows();
        dir.reset();
    }

    // A few controls catch a wrong layout, colour, container or twips conversion.
    void layoutSpotChecks()
    {
        QCOMPARE(board->windowTitle() + QString(" %1x%2").arg(board->width()).arg(board->height()),
                 "Roulette 616x272");
        QCOMPARE(key(36)->text() + key(36)->backColor().name(), "34#ff0000");
        QVERIFY(key(36)->parentWidget() == c("Frame20") && key(0)->parentWidget() == c("Frame2"));
        QCOMPARE(key(36)->geometry(), QRect(448, 88, 33, 33));
        QCOMPARE(key(0)->geometry(), QRect(10, 40, 25, 49));
        // The lower panel lies over the upper one where they overlap.
        QVERIFY(c("Frame2")->isAncestorOf(c("Frame22")->childAt(QPoint(20, 240))));
        QCOMPARE(c<QComboBox>("Combo1")->count(), 37);
        QVERIFY(c<QPlainTextEdit>("note_0")->isReadOnly());
        for (const char* hidden : {"Text3", "CM_pulsante", "CM_Azzera", "CM_tempo", "DB2_nu",
                                   "DB2_gi", "DB2_me", "Command10", "Command9_37"})
            QVERIFY2(c(hidden)->isHidden(), hidden);
        click("Check1"); // the lock lets the player type a proposal
        QVERIFY(!c<QPlainTextEdit>("note_0")->isReadOnly());
    }

    void windowButtonsShowOneSharedWindowEach()
    {
        click("Command7");
        auto* settings = zt::loaded<zt::SettingsWindow>();
        QVERIFY(settings && settings->isVisible());
        control<QAbstractButton>(settings, "Command1")->click(); // OK hides it
        click("Command7");
        QVERIFY(zt::loaded<zt::SettingsWindow>() == settings && settings->isVisible());
        click("Command11");
        QVERIFY(zt::loaded<zt::WheelWindow>() && zt::loaded<zt::WheelWindow>()->isVisible());
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
        click("Command10");
        QVERIFY(zt::loaded<zt::ViewerWindow>() && zt::loaded<zt::ViewerWindow>()->isVisible());
    }

    void exchangeFile()
    {
        auto* timer = c<QTimer>("Timer2");
        QVERIFY(timer->isActive() && timer->interval() == 200);
        zt::test::writeFile("numero.txt", "0000000001\r\n17\r\n");
        QTRY_COMPARE(board->historyCount(), 1); // the timer's own tick
        QCOMPARE(c<QLineEdit>("CM_tempo")->text() + c<QLineEdit>("CM_pulsante")->text(),
                 "0000000001ok");
        timer->stop();
        // The same stamp again, a number off the wheel, then a fraction, which
        // passes the range test and enters a 0.
        for (const char* bytes :
             {"0000000001\r\n22\r\n", "0000000003\r\n37\r\n", "  00000005\r\n17.5"}) {
            zt::test::writeFile("numero.txt", bytes);
            QMetaObject::invokeMethod(board, "pollExchangeFile");
        }
        QVERIFY(board->historyCount() == 2 && board->history().newest() == 0);
        QCOMPARE(c<QLineEdit>("CM_tempo")->text(), "00000005");
        QVERIFY(QFile::exists("numero.txt"));
    }

    void recordingStoresEverySpin()
    {
        click("Check8");
        for (int i = 0; i < 38; ++i)
            send(QString::number(i % 37));
        QStringList rows; // the count before the spin + 1: from the 37th spin on, 37
        for (int i = 0; i < 38; ++i)
            rows << QString::number(i % 37) + zt::signText(std::min(i + 1, 37));
        QCOMPARE(zt::test::sql("SELECT group_concat(trim(Numero) || Memoria || ifnull(Tipo, ''), "
                               "'|') FROM (SELECT * FROM Uscite ORDER BY id)"),
                 QVariantList{rows.join(u'|')});
        click("Command6"); // a new game, of type "Spin"
        c<QComboBox>("Combo7")->setCurrentText("Spin");
        send("6");
        QCOMPARE(zt::test::sql("SELECT Memoria || '/' || Tipo FROM Uscite WHERE id > 38"),
                 QVariantList{" 1/2"});
        QCOMPARE(c<QLineEdit>("DB2_nu")->text() + c<QLineEdit>("DB2_gi")->text() +
                     c<QLineEdit>("DB2_me")->text(),
                 " 62 1");
        QVERIFY(boxes().isEmpty());
    }

    // Told once; while it fails the switch stays red with the reason as its
    // tooltip, until recording is switched off or a spin is recorded again.
    void unusableDatabaseIsReportedOnceAndPlayGoesOn()
    {
        const QByteArray garbage = QByteArray("no database here\n").repeated(300);
        const QString reason =
            "Il file dati.mdb non è un database valido: l'uscita non è stata registrata.";
        zt::test::writeFile("dati.mdb", garbage);
        auto* recording = c<QCheckBox>("Check8");
        const auto shows = [&] { // red around the box, and the tooltip
            const QRect around = recording->geometry().adjusted(-2, -2, 0, 0);
            const QColor corner = c("Frame2")->grab(around).toImage().pixelColor(0, 0);
            return QString(corner == QColor(255, 0, 0) ? "red " : "") + recording->toolTip();
        };
        const QString failing = "red Registra Uscite\n" + reason;
        click("Check8");
        for (int n : {17, 3, 5})
            key(n)->click();
        QCOMPARE(boxes().size(), 1); // once, not at every spin
        QVERIFY(boxes()[0]->isVisible() && !boxes()[0]->isModal() && boxes()[0]->text() == reason);
        delete boxes()[0];
        send("8");
        QVERIFY(boxes().isEmpty());
        QCOMPARE(shows(), failing);
        QCOMPARE(zt::test::fileBytes(), garbage);
        click("Check8"); // switched off and on again: the player is told again
        QCOMPARE(shows(), "Registra Uscite");
        click("Check8");
        send("9");
        QCOMPARE(boxes().size(), 1);
        QCOMPARE(shows(), failing);
        QVERIFY(QFile::remove("dati.mdb"));
        send("10");
        QCOMPARE(shows(), "Registra Uscite");
        QCOMPARE(zt::test::sql("SELECT Numero FROM Uscite"), QVariantList{" 10"});
        QCOMPARE(board->historyCount(), 6);
    }
};

ZT_WINDOWS_TEST_MAIN(BoardWindowTest)
#include "tst_boardwindow.moc"
