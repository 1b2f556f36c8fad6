// How long the windows and the program live: shared windows made on first
// use and unloaded by their close box, the run ended by the board, and one
// copy of the program per folder; and what the wheel window shows.

#include "app/language.h"
#include "app/startup.h"
#include "commandtesting.h"
#include "core/playersettings.h"
#include "core/wheellayout.h"
#include "storetesting.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QStyleOptionButton>
#include <QDeadlineTimer>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QThread>

#include <cmath>
#include <csignal>
#include <cstdio>

using zt::control;

namespace {

// Set in the environment of a helper: the folder it plays in.
const char* const kHelperDir = "ZT_LIFETIME_HELPER_DIR";

// Waits up to ten seconds for `done`.
template <class F> bool within10s(F done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(20);
    return done();
}

} // namespace

// The captions of a window of fixed layout that its controls do not hold, one
// "window/control: text" each: a label's or a button's line wider than the
// room it leaves for text, a wrapped label's text taller than the label.
QStringList cutCaptions(QWidget* window)
{
    QStringList cut;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(window))
            continue;
        c->ensurePolished();
        QString text;
        int room = c->contentsRect().width();
        bool wraps = false;
        if (auto* label = qobject_cast<QLabel*>(c)) {
            if (label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
                continue;
            text = label->text();
            wraps = label->wordWrap();
            room -= 2 * label->margin() + std::max(0, label->indent());
        } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            text = button->text();
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            if (qobject_cast<QCheckBox*>(c))
                room = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, c).width();
            else if (qobject_cast<QRadioButton*>(c))
                room = c->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, c).width();
            else
                room -= 2 * c->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, c);
        }
        text.remove(QRegularExpression("&(?!&)"));
        if (text.trimmed().isEmpty())
            continue;
        const QFontMetrics metrics(c->font());
        bool fits = true;
        if (wraps) {
            fits = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text).height() <=
                   c->contentsRect().height();
        } else {
            for (const QString& line : text.split(u'\n'))
                fits = fits && metrics.horizontalAdvance(line) <= room;
        }
        if (!fits)
            cut << window->objectName() + u'/' + c->objectName() + ": " + text;
    }
    return cut;
}

class LifetimeTest : public QObject {
    Q_OBJECT
    // The settings as the board reads them: H highlight, F first-hit check,
    // S second-hit check, Z "Azzera", then rows/maximum.
    static QString settings()
    {
        const zt::StringsSettings s = zt::test::links().settings().settings();
        return QStringLiteral("%1%2%3%4 %5/%6")
            .arg(s.highlight ? "H" : "-", s.checkFirst ? "F" : "-", s.checkSecond ? "S" : "-",
                 s.resetAfter ? "Z" : "-")
            .arg(s.rows)
            .arg(s.maxDelay);
    }

private Q_SLOTS:
    void sharedWindows()
    {
        // Read before it is ever shown, the settings window gives its defaults, hidden.
        QVERIFY(!zt::loaded<zt::SettingsWindow>());
        QCOMPARE(settings(), "HF-- 1/10");
        QPointer<zt::SettingsWindow> w = zt::loaded<zt::SettingsWindow>();
        QVERIFY(w && !w->isVisible() && w->size() == QSize(425, 224));
        QVERIFY(control<QWidget>(w, "Numerostringhe")->isHidden());
        // "OK" only hides it; its close box unloads it and the next one starts afresh.
        w->show();
        control<QCheckBox>(w, "Check16")->toggle();
        control<QLineEdit>(w, "ST_ContrMax0")->setText(" 7 colpi");
        control<QAbstractButton>(w, "Command1")->click();
        QVERIFY(!w->isVisible() && zt::loaded<zt::SettingsWindow>() == w);
        QCOMPARE(settings(), "HFS- 1/7");
        w->close();
        QCOMPARE(settings(), "HF-- 1/10");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        zt::destroySharedWindows();
    }

    // The wheel window shows one opaque frame of the wheel of the layout, its
    // sectors named in the language shown as the statistics name them.
    void wheelPicture()
    {
        using namespace zt::wheel;
        const zt::Language shown = zt::currentLanguage();
        QImage italian;
        for (zt::Language language : {zt::Language::Italian, zt::Language::English}) {
            zt::destroySharedWindows();
            zt::useLanguage(language);
            auto* label = control<QLabel>(zt::shared<zt::WheelWindow>(), "Image1");
            QCOMPARE(label->window()->size(), QSize(414, 413));
            QVERIFY(label->geometry() == QRect(8, 8, 400, 400) && !label->hasScaledContents());
            const bool english = language == zt::Language::English;
            QImageReader reader(english ? ":/wheel_en.gif" : ":/wheel.gif");
            const QImage image = reader.read();
            QVERIFY(reader.imageCount() == 1 && image.size() == QSize(400, 400));
            QCOMPARE(label->pixmap().toImage().convertToFormat(image.format()), image);
            for (int y = 0; y < 400 * 400; ++y)
                QCOMPARE(qAlpha(image.pixel(y % 400, y / 400)), 255);
            const auto hex = [](QRgb c) { return QString::number(c & 0xffffff, 16); };
            const auto at = [&](QPointF p, QRgb c, const QString& what) {
                const QRgb seen = image.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
                QCOMPARE(what + u' ' + hex(seen), what + u' ' + hex(c));
            };
            at({kCentre, kCentre}, kHubColor, "hub");
            const double ring = (kRingRadius + kNumberBaseline) / 2; // below the numbers
            for (int i = 0; i < kPockets; ++i)
                at(pointAt(pocketAngle(i), ring), pocketColor(i), QString::number(kOrder[i]));
            for (const Sector& s : kSectors) { // on the line of its first pocket
                at(pointAt(pocketAngle(s.first),
                           (std::max(s.innerRadius, kHubRadius) + kDiscRadius) / 2),
                   s.fill, s.label);
                QCOMPARE(QCoreApplication::translate("Statistiche", s.label),
                         english ? QString::fromUtf8(s.englishLabel) : QString(s.label));
            }
            if (!english)
                italian = image;
            else
                QVERIFY(image != italian); // the same wheel, other words
        }
        zt::destroySharedWindows();
        zt::useLanguage(shown);
    }

    // Closing another window goes on with the run; closing the board ends it at
    // once, with other windows still open.
    void closingTheBoardEndsTheRun()
    {
        auto* board = zt::shared<zt::BoardWindow>();
        board->show();
        auto* settings = zt::shared<zt::SettingsWindow>();
        settings->show();
        zt::shared<zt::WheelWindow>()->show();
        bool boardClosed = false;
        QTimer::singleShot(0, settings, [&] {
            settings->close();
            QTimer::singleShot(0, board, [&] {
                boardClosed = zt::loaded<zt::WheelWindow>()->isVisible();
                board->close();
            });
        });
        QTimer guard; // the loop went on after the board was closed
        guard.callOnTimeout([] { QCoreApplication::exit(1); });
        guard.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(boardClosed && zt::test::links().session().ending);
        QVERIFY(!zt::loaded<zt::SettingsWindow>()); // unloaded by its own close box
        zt::destroySharedWindows();
    }

    // One copy of the program per folder: a second one says so and ends
    // without touching a file; the lock of a killed copy stops nobody; the
    // system's signals to end close the program cleanly.
    void secondCopyInTheSameFolderEnds()
    {
        zt::test::FreshDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        const auto start = [&](QProcess& p) {
            p.setWorkingDirectory(folder);
            p.setProcessEnvironment(italianEnvironment()); // its messages are read
            p.start(QStringLiteral(ZT_PROGRAM_PATH), QStringList());
            QVERIFY(p.waitForStarted(10000));
        };
        const auto lockedBy = [&](const QProcess& p) {
            return within10s([&] {
                const QByteArray lock = zt::test::fileBytes(dir.file("zentrima13.lock"));
                return lock.split('\n').value(0).toLongLong() == p.processId();
            });
        };
        const auto files = [&] {
            QStringList out;
            for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                out << name + u'=' + zt::test::fileBytes(dir.file(name)).toHex();
            return out;
        };
        QProcess first, second, third;
        start(first);
        QVERIFY(lockedBy(first));
        const QStringList before = files();
        start(second);
        QVERIFY(second.waitForFinished(10000));
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() != 0);
        QVERIFY(QString::fromLocal8Bit(second.readAllStandardError())
                    .contains(u"Zentrima 13 è già aperto nella cartella %1."_qs.arg(
                        QDir::toNativeSeparators(folder))));
        QCOMPARE(files(), before);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill(); // SIGKILL: the lock file stays behind
        QVERIFY(first.waitForFinished(10000));
        start(third);
        QVERIFY(lockedBy(third));
        third.kill();
        third.waitForFinished(10000);

        // Ended by the system (a kill, Ctrl+C, a logout), it closes as when
        // the board is closed, and its lock goes.
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            QProcess copy;
            start(copy);
            QVERIFY(lockedBy(copy));
            QCOMPARE(::kill(pid_t(copy.processId()), signal), 0);
            QVERIFY(copy.waitForFinished(10000));
            QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy.exitCode(), 0);
            QVERIFY(!QFile::exists(dir.file("zentrima13.lock")));
        }
    }

    // The windows of fixed layout hold their captions in either language.
    void captionsFitInEitherLanguage()
    {
        const zt::Language shown = zt::currentLanguage();
        QStringList cut;
        for (zt::Language language : {zt::Language::Italian, zt::Language::English}) {
            zt::destroySharedWindows();
            zt::useLanguage(language);
            for (QWidget* w : std::initializer_list<QWidget*>{
                     zt::shared<zt::BoardWindow>(), zt::shared<zt::SettingsWindow>(),
                     zt::shared<zt::ViewerWindow>(), zt::shared<zt::NotesWindow>(),
                     zt::shared<zt::WheelWindow>()})
                cut += cutCaptions(w);
            // The windows speak the language chosen.
            QCOMPARE(control<QLabel>(zt::shared<zt::SettingsWindow>(), "LabelLingua")->text(),
                     language == zt::Language::English ? "Language:" : "Lingua:");
        }
        zt::destroySharedWindows();
        zt::useLanguage(shown);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // The language chosen in the settings window is kept in the working
    // folder's zentrima13.ini, beside the stakes, and counts at the next start.
    void languageChosenInTheSettings()
    {
        zt::test::FreshDir dir;
        zt::test::writeFile("zentrima13.ini", "[Puntate]\nPuntata=3\n");
        auto* settings = new zt::SettingsWindow; // reads the folder's file
        auto* lingua = control<QComboBox>(settings, "Lingua");
        QCOMPARE(lingua->currentIndex(), 0);
        // With the other settings, above the button, inside the window.
        const int settingsEnd = control<QWidget>(settings, "Shape2")->geometry().bottom();
        const int buttonTop = control<QWidget>(settings, "Command1")->geometry().top();
        QVERIFY(settings->rect().contains(control<QWidget>(settings, "Command1")->geometry()));
        for (const char* name : {"LabelLingua", "Lingua", "LabelLinguaAvvio"}) {
            const QRect r = control<QWidget>(settings, name)->geometry();
            QVERIFY2(r.top() > settingsEnd && r.bottom() < buttonTop, name);
        }
        const auto choose = [&](int index) {
            lingua->setCurrentIndex(index);
            Q_EMIT lingua->activated(index);
            return zt::chosenLanguage({});
        };
        QCOMPARE(choose(2), zt::Language::English);
        QCOMPARE(choose(1), zt::Language::Italian);
        QCOMPARE(zt::chosenLanguage(zt::Language::English), zt::Language::English); // --lang
        QVERIFY(zt::test::fileBytes("zentrima13.ini").contains("Puntata=3"));
        delete settings;
        settings = new zt::SettingsWindow;
        lingua = control<QComboBox>(settings, "Lingua");
        QCOMPARE(lingua->currentIndex(), 1);
        QCOMPARE(choose(0), zt::systemLanguage());
        delete settings;

        // The program: the system's language, the setting over it, --lang over both.
        const auto firstWord = [&](const char* system, const QStringList& arguments,
                                   const char* variable = "LANGUAGE") {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
                env.remove(name);
            env.insert(variable, system);
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(ZT_PROGRAM_PATH), arguments + QStringList{"--help"});
            p.waitForFinished(10000);
            return QString::fromUtf8(p.readAllStandardOutput()).section(u' ', 0, 0);
        };
        QCOMPARE(firstWord("en_GB", {}) + firstWord("it", {}), "Usage:Uso:");
        // Any other language reads English sooner; the plain C locale names
        // none, and the program speaks its own.
        QCOMPARE(firstWord("de_DE.UTF-8", {}, "LANG") + firstWord("fr", {}) +
                     firstWord("it_CH.UTF-8", {}, "LC_ALL") + firstWord("C", {}, "LANG") +
                     firstWord("C.UTF-8", {}, "LANG") + firstWord("POSIX", {}, "LC_ALL"),
                 "Usage:Usage:Uso:Uso:Uso:Uso:");
        QVERIFY(zt::writeLanguagePreference(dir.file("zentrima13.ini"), "it"));
        QCOMPARE(firstWord("en_GB", {}) + firstWord("en_GB", {"--lang", "en"}), "Uso:Usage:");
    }

    // The folder it works in: the current one, or one named by an option and
    // created when missing; a name that cannot be a folder ends it with one
    // line, and an option it does not know with the usage.
    void startOptionsChooseTheFolder()
    {
        zt::test::FreshDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        QProcessEnvironment env = italianEnvironment();
        env.insert("HOME", folder + "/casa");
        const auto started = [&](const QStringList& arguments, const QString& where) {
            QProcess p;
            p.setWorkingDirectory(folder);
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(ZT_PROGRAM_PATH), arguments);
            const bool locked = within10s([&] {
                return zt::test::fileBytes(where + "/zentrima13.lock").split('\n').value(0).toLongLong() ==
                       p.processId();
            });
            ::kill(pid_t(p.processId()), SIGTERM);
            return locked && p.waitForFinished(10000) && p.exitCode() == 0 &&
                   !QFile::exists(folder + "/zentrima13.lock");
        };
        QVERIFY(started({"--folder", "serate/oggi"}, folder + "/serate/oggi"));
        QVERIFY(started({"--lang", "en", "--folder=serate"}, folder + "/serate"));
        QVERIFY(started({"--player-folder"}, folder + "/casa/Zentrima13"));

        const auto ended = [&](const QStringList& arguments) {
            const Outcome o = run(arguments, [&](QProcess& p) {
                p.setWorkingDirectory(folder);
                p.setProcessEnvironment(env);
            });
            return QString::number(o.code) + ' ' + o.err.section('\n', 0, 0);
        };
        QVERIFY(QFile(dir.file("nota.txt")).open(QIODevice::WriteOnly));
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(ended({"--folder", "nota.txt"}),
                 "1 Zentrima 13 non può lavorare in nota.txt: non è una cartella.");
        QVERIFY(ended({"--folder", "nota.txt/sotto"}).startsWith(
            "1 Zentrima 13 non può creare la cartella nota.txt/sotto: "));
        QCOMPARE(ended({"--folder"}), "2 --folder vuole il nome di una cartella.");
        QCOMPARE(ended({"--folder="}), "2 --folder vuole il nome di una cartella.");
        QVERIFY(ended({"--folders"}).startsWith("2 Opzione sconosciuta: --folders "));
        QVERIFY(ended({"--abcd=en"}).startsWith("2 Opzione sconosciuta: --abcd=en "));
        QVERIFY(ended({"--", "--lang"}).startsWith("2 Opzione sconosciuta: -- "));
        QCOMPARE(ended({"--folder", "a", "--player-folder"}),
                 "2 --folder e --player-folder non vanno insieme.");
        QCOMPARE(ended({"--player-folder", "--schermo"}), "2 Opzione sconosciuta: --schermo.");
        QCOMPARE(ended({"--lang", "fr"}), "2 --lang vale it o en, non «fr».");
        QCOMPARE(ended({"--folder", "a", "--folder=b"}),
                 "2 L'opzione --folder è data più di una volta: vuole un valore solo.");
        QCOMPARE(ended({"--lang", "it", "--version", "--lang=en"}),
                 "2 L'opzione --lang è data più di una volta: vuole un valore solo.");
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        // Without a home there is no player's folder, and none is made at the root.
        const bool atRoot = QFileInfo::exists("/Zentrima13");
        for (bool unset : {false, true}) {
            unset ? env.remove("HOME") : env.insert("HOME", "");
            QCOMPARE(ended({"--player-folder"}),
                     "2 --player-folder vuole la cartella di casa del giocatore, ma la variabile "
                     "HOME non ne dà una: usare --folder CARTELLA.");
        }
        QCOMPARE(QFileInfo::exists("/Zentrima13"), atRoot);
    }

    // Spins waiting for a file another program holds when the program is
    // killed are written at its next start, each once, in order.
    void waitingSpinsOutliveAKill()
    {
        zt::test::FreshDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        zt::test::sql(zt::test::usciteTable);
        std::optional<zt::StoreConnection> locker(std::in_place);
        QVERIFY(locker->open(nullptr) && QSqlQuery(locker->database()).exec("BEGIN EXCLUSIVE"));
        QProcess helper;
        QProcessEnvironment env = italianEnvironment();
        env.insert(kHelperDir, folder);
        helper.setProcessEnvironment(env);
        helper.start(QCoreApplication::applicationFilePath(), {"enterSpinsWhileHeld"});
        QByteArray said;
        while (!said.contains("in attesa") && helper.waitForReadyRead(20000))
            said += helper.readAllStandardOutput();
        QVERIFY2(said.contains("5 uscite in attesa"), said.constData());
        helper.kill(); // SIGKILL, with five spins waiting
        QVERIFY(helper.waitForFinished(10000));
        locker.reset();

        QProcess program;
        program.setWorkingDirectory(folder);
        program.start(QStringLiteral(ZT_PROGRAM_PATH), QStringList());
        QVERIFY(within10s([&] { return !QFile::exists(dir.file("dati.mdb-attesa")); }));
        program.kill();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(zt::test::sql("SELECT group_concat(trim(Numero) || '/' || trim(Memoria), ' ') "
                               "FROM Uscite u JOIN UsciteOra o ON o.id = u.id"),
                 QVariantList{"17/1 5/2 22/3 0/4 36/5"});
    }

    // Not a test of its own: the body of the helper process started above.
    void enterSpinsWhileHeld()
    {
        if (qEnvironmentVariableIsEmpty(kHelperDir))
            return;
        QDir::setCurrent(qEnvironmentVariable(kHelperDir));
        auto* board = zt::shared<zt::BoardWindow>();
        control<QCheckBox>(board, "Check8")->setChecked(true);
        for (int n : {17, 5, 22, 0, 36})
            board->sendSpin(QString::number(n));
        const QString waiting = control<QLabel>(board, "Attesa")->text().replace('\n', ' ');
        std::printf("%s\n", qPrintable(waiting));
        std::fflush(stdout);
        QTest::qWait(60000); // until killed
    }
};

ZT_WINDOWS_TEST_MAIN(LifetimeTest)
#include "tst_lifetime.moc"
