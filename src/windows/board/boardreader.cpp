// Reading the spins off the screen: the button that starts and pauses it,
// the marking of the rectangle, the grab four times a second, and the line
// of the board that shows every spin taken and every doubt.  A spin read is
// entered as a typed number is: the click of the keypad button that shows
// it, so history, proposals, recording and Ctrl+Z all follow as usual.

#include "windows/boardwindow.h"

#include "core/playersettings.h"
#include "core/readersettings.h"
#include "ui/colorbutton.h"
#include "ui/form.h"
#include "ui/look.h"
#include "ui/screenmarker.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace zt {

namespace {

// Four grabs a second.
constexpr int grabMs = 250;

QString settingsPath()
{
    return QString::fromLatin1(settingsFileName);
}

QScreen* screenOf(const QRect& rectangle)
{
    QScreen* screen = QGuiApplication::screenAt(rectangle.center());
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The rectangle as the screen shows it now; a null picture where the
// desktop does not let a program read its screen.
QImage grabScreen(const QRect& rectangle)
{
    QScreen* screen = screenOf(rectangle);
    if (!screen)
        return {};
    const QRect local = rectangle.translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, local.x(), local.y(), local.width(), local.height()).toImage();
}

QString numbersText(const QList<int>& numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << (n >= 0 ? QString::number(n) : QStringLiteral("?"));
    return texts.join(u' ');
}

} // namespace

void BoardWindow::buildReader()
{
    readerSettings = readReaderSettings(settingsPath());
    // In the free corner of the title row, left of the title.
    CommandLeggi = placeButton(Frame22, QStringLiteral("CommandLeggi"), {45, 90, 540, 300},
                               tr("Leggi"));
    CommandLeggi->setFont(msSansSerif(7, true));
    CommandLeggi->setToolTip(
        tr("Legge le uscite dallo schermo (F8): avvia e mette in pausa.\n"
           "Clic destro: segna di nuovo il rettangolo, capo del numero più recente."));
    CommandLeggi->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CommandLeggi, &QPushButton::clicked, this, &BoardWindow::toggleReading);
    connect(CommandLeggi, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { readerMenu(CommandLeggi->mapToGlobal(at)); });
    auto* readKey = new QShortcut(QKeySequence(Qt::Key_F8), this);
    connect(readKey, &QShortcut::activated, this, &BoardWindow::toggleReading);

    // Where a typed number shows, which stays over it.
    Lettura = placeButton(Frame22, QStringLiteral("Lettura"), {4560, 45, 2460, 390}, {});
    Lettura->setFont(msSansSerif(8.25, true));
    Lettura->setFlat(true);
    Lettura->setAccessibleName(tr("Lettura dello schermo…"));
    Lettura->hide();
    connect(Lettura, &QPushButton::clicked, this, &BoardWindow::takeInPast);
    Digitato->raise();

    LetturaTimer = new QTimer(this);
    LetturaTimer->setObjectName(QStringLiteral("LetturaTimer"));
    LetturaTimer->setInterval(grabMs);
    connect(LetturaTimer, &QTimer::timeout, this, &BoardWindow::readScreen);
}

bool BoardWindow::isReading() const
{
    return LetturaTimer->isActive();
}

void BoardWindow::setScreenGrab(ScreenGrab grab)
{
    screenGrab = std::move(grab);
}

void BoardWindow::showReading(const QString& text, ReadingLook look, const QString& detail)
{
    static const char* const looks[] = {
        "QPushButton { background: rgb(255, 255, 200); color: black; border: none; }",
        "QPushButton { background: rgb(128, 255, 128); color: black; border: none; }",
        "QPushButton { background: rgb(255, 224, 128); color: black; border: 1px solid black; }",
        "QPushButton { background: white; color: rgb(255, 0, 0); border: none; }",
    };
    readingLook = look;
    Lettura->setStyleSheet(QLatin1String(looks[int(look)]));
    Lettura->setText(text);
    Lettura->setToolTip(detail);
    Lettura->setAccessibleDescription(detail);
    Lettura->setCursor(look == ReadingLook::Offer ? Qt::PointingHandCursor : Qt::ArrowCursor);
    Lettura->show();
}

void BoardWindow::toggleReading()
{
    if (isReading())
        pauseReading();
    else if (!readerSettings.rectangle.isEmpty())
        startReading(readerSettings.rectangle);
    else
        markScreen();
}

void BoardWindow::startReading(const QRect& rectangle)
{
    if (!stripReader)
        stripReader = std::make_unique<StripReader>();
    if (const QString missing = stripReader->fault(); !missing.isEmpty()) {
        showReading(tr("Manca %1: nessuna lettura").arg(missing), ReadingLook::Problem,
                    tr("Per leggere le cifre dallo schermo serve il pacchetto %1 di Debian: "
                       "le uscite vanno digitate.")
                        .arg(missing));
        return;
    }
    readerSettings.rectangle = rectangle;
    writeReaderSettings(settingsPath(), readerSettings);
    follower.restart();
    pastOnScreen.clear();
    CommandLeggi->setText(tr("Pausa"));
    showReading(tr("Lettura dello schermo…"), ReadingLook::Plain,
                tr("Il rettangolo %1 dello schermo è letto quattro volte al secondo.")
                    .arg(rectangleText(rectangle)));
    LetturaTimer->start();
}

void BoardWindow::pauseReading()
{
    LetturaTimer->stop();
    CommandLeggi->setText(tr("Leggi"));
    pastOnScreen.clear();
    showReading(tr("Lettura in pausa"), ReadingLook::Plain);
}

void BoardWindow::readScreen()
{
    if (!stripReader)
        return;
    const QRect& rectangle = readerSettings.rectangle;
    const QImage picture = screenGrab ? screenGrab(rectangle) : grabScreen(rectangle);
    if (picture.isNull()) {
        pauseReading();
        showReading(tr("Lo schermo non si lascia leggere"), ReadingLook::Problem,
                    tr("Questo desktop non lascia leggere lo schermo ai programmi (per esempio una "
                       "sessione Wayland): le uscite vanno digitate. In una sessione X11 la "
                       "lettura funziona."));
        return;
    }
    for (const QList<int>& reading : stripReader->readGrab(picture, readerSettings.newest))
        followStrip(reading);
}

void BoardWindow::followStrip(const QList<int>& reading)
{
    const StripFollower::Step step = follower.see(reading);
    using Step = StripFollower::Step;
    switch (step.kind) {
    case Step::Nothing:
        // The strip is the known one again: a doubt said before is over.
        if (!follower.uncertain() && readingLook == ReadingLook::Problem)
            showReading(tr("Lettura dello schermo…"), ReadingLook::Plain);
        break;
    case Step::Past:
        pastOnScreen = step.strip;
        showReading(tr("Già uscite %1: clic per la storia").arg(step.strip.size()),
                    ReadingLook::Offer,
                    tr("Sullo schermo ci sono già %1 (dal più recente): non entrano da soli. Un "
                       "clic qui li mette nella storia, dal più vecchio.")
                        .arg(numbersText(step.strip)));
        break;
    case Step::Spin:
        pastOnScreen.clear();
        // The same click as the mouse's, as a typed number makes.
        Command9[bridgeButton(*this, QString::number(step.number))]->click();
        showReading(tr("Dallo schermo: %1").arg(step.number), ReadingLook::Spin,
                    tr("Uscita letta dallo schermo ed entrata nella storia; Ctrl+Z la toglie."));
        break;
    case Step::Uncertain:
        switch (step.reason) {
        case Step::Unreadable:
            showReading(tr("Schermo illeggibile: digita"), ReadingLook::Problem,
                        tr("Nel rettangolo non si legge una striscia di numeri da un po': nulla è "
                           "entrato. Digita le uscite; se la pagina si è spostata, segna di nuovo "
                           "il rettangolo (clic destro su «Leggi»)."));
            break;
        case Step::OutOfRange:
            showReading(tr("Lettura incerta: digita"), ReadingLook::Problem,
                        tr("Sullo schermo si legge %1: un numero non si legge con sicurezza o non è "
                           "da 0 a 36. Nulla è entrato: digita l'uscita.")
                            .arg(numbersText(step.strip)));
            break;
        case Step::NoShift:
            showReading(tr("Striscia cambiata: digita"), ReadingLook::Problem,
                        tr("La striscia ora mostra %1, che non segue quella di prima: nulla è "
                           "entrato. Digita le uscite mancanti; per ripartire da questa striscia "
                           "metti in pausa e riprendi (F8).")
                            .arg(numbersText(step.strip)));
            break;
        case Step::Skipped:
            showReading(tr("Non entrate: %1").arg(numbersText(step.strip)), ReadingLook::Problem,
                        tr("La striscia è andata avanti di %1 uscite tra due letture: %2 (dalla più "
                           "recente) non sono entrate. Digitale, dalla più vecchia, se vuoi.")
                            .arg(step.strip.size())
                            .arg(numbersText(step.strip)));
            break;
        case Step::NoReason:
            break;
        }
        break;
    }
}

void BoardWindow::takeInPast()
{
    if (pastOnScreen.isEmpty())
        return;
    const QList<int> past = std::exchange(pastOnScreen, {});
    for (auto n = past.crbegin(); n != past.crend(); ++n)
        Command9[bridgeButton(*this, QString::number(*n))]->click();
    showReading(tr("Nella storia: %1").arg(numbersText(past)), ReadingLook::Spin,
                tr("I numeri già sullo schermo sono entrati nella storia, dal più vecchio."));
}

void BoardWindow::markScreen()
{
    QScreen* screen = screenOf(geometry());
    const QImage picture =
        screen ? screen->grabWindow(0).toImage() : QImage();
    if (picture.isNull()) {
        showReading(tr("Lo schermo non si lascia leggere"), ReadingLook::Problem,
                    tr("Questo desktop non lascia leggere lo schermo ai programmi (per esempio una "
                       "sessione Wayland): le uscite vanno digitate. In una sessione X11 la "
                       "lettura funziona."));
        return;
    }
    auto* marker = new ScreenMarker(
        picture, screen->geometry(),
        tr("Trascina il rettangolo della striscia degli ultimi numeri (o del numero uscito); "
           "Esc annulla."));
    connect(marker, &ScreenMarker::marked, this, &BoardWindow::startReading);
    marker->showFullScreen();
    marker->activateWindow();
}

void BoardWindow::readerMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* mark = menu.addAction(tr("Segna il rettangolo della striscia…"));
    menu.addSeparator();
    auto* ends = new QActionGroup(&menu);
    QAction* left = menu.addAction(tr("Il numero più recente è a sinistra"));
    QAction* right = menu.addAction(tr("Il numero più recente è a destra"));
    for (QAction* a : {left, right}) {
        a->setCheckable(true);
        ends->addAction(a);
    }
    (readerSettings.newest == NewestEnd::Left ? left : right)->setChecked(true);
    QAction* chosen = menu.exec(at);
    if (chosen == mark) {
        if (isReading())
            pauseReading();
        markScreen();
    } else if (chosen == left || chosen == right) {
        setNewestEnd(chosen == left ? NewestEnd::Left : NewestEnd::Right);
    }
}

void BoardWindow::setNewestEnd(NewestEnd end)
{
    readerSettings.newest = end;
    writeReaderSettings(settingsPath(), readerSettings);
    if (isReading())
        startReading(readerSettings.rectangle); // the strip read afresh
}

} // namespace zt
