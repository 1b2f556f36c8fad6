#include "windows/settingswindow.h"

#include "core/textrules.h"
#include "ui/form.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zt {

namespace {

const QColor rust(192, 64, 0);
const QString sameTip = QStringLiteral("Controlla uscite e azzera");

QLineEdit* addNumberBox(QWidget* parent, const QString& name, const QRect& twips,
                        const QString& text)
{
    auto* e = placeBox(parent, name, twips, Qt::AlignHCenter);
    e->setText(text);
    return e;
}

} // namespace

SettingsWindow::SettingsWindow()
{
    setObjectName(QStringLiteral("Impauto"));
    setWindowTitle(QStringLiteral("Impostazioni Auto"));
    setFont(controlFont());
    setBackColor(this, Qt::black);
    setFixedSize(twipsSize(6375, 2880));

    auto* heading = place<QLabel>(this, QStringLiteral("Label1"), {1440, 0, 3495, 375});
    heading->setText(QStringLiteral("Impostazioni"));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setForeColor(heading, Qt::white);
    heading->setFont(designFont(QStringLiteral("MS Sans Serif"), 13.5));

    auto* shape = place<QFrame>(this, QStringLiteral("Shape2"), {120, 360, 6135, 1575});
    setBackColor(shape, rust);

    // A frame with its caption on the border.
    auto* frame = place<QFrame>(this, QStringLiteral("Frame24"), {240, 480, 5895, 1335});
    setBackColor(frame, rust);
    auto* border = new QFrame(frame);
    border->setFrameStyle(QFrame::Box | QFrame::Sunken);
    border->setGeometry(0, 6, frame->width(), frame->height() - 6);
    auto* caption = new QLabel(QStringLiteral("Stringa Composta"), frame);
    caption->setAutoFillBackground(true);
    caption->adjustSize();
    caption->move(6, 0);

    Check20 = placeCheck(frame, QStringLiteral("Check20"), {120, 360, 1860, 195},
                               QStringLiteral("Evidenzia su Tastiera"), true, rust);
    Check20->setToolTip(sameTip);
    auto* rowsLabel = place<QLabel>(frame, QStringLiteral("Label78"), {4320, 360, 855, 255});
    rowsLabel->setText(QStringLiteral("Stringhe"));
    rowsLabel->hide();
    Numerostringhe = addNumberBox(frame, QStringLiteral("Numerostringhe"), {5040, 360, 735, 285},
                              QStringLiteral("1"));
    Numerostringhe->hide();

    Check12 = placeCheck(frame, QStringLiteral("Check12"), {120, 720, 1545, 195},
                           QStringLiteral("Controlla 1° colpo"), true, rust);
    Check12->setToolTip(sameTip);
    Check16 = placeCheck(frame, QStringLiteral("Check16"), {2160, 720, 1635, 195},
                            QStringLiteral("Controlla 2° colpo"), false, rust);
    auto* maxLabel = place<QLabel>(frame, QStringLiteral("Label25"), {3840, 720, 1215, 255});
    maxLabel->setText(QStringLiteral("Contr. Massimo"));
    maxLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    maxLabel->setToolTip(
        QStringLiteral("Ritardo massimo ammesso dopo il quale cancella ca stringa"));
    ST_ContrMax0 = addNumberBox(frame, QStringLiteral("ST_ContrMax0"), {5040, 720, 735, 285},
                                  QStringLiteral("10"));
    Check1 = placeCheck(frame, QStringLiteral("Check1"), {120, 1080, 1545, 195},
                           QStringLiteral("Azzera"), false, rust);
    Check1->setToolTip(sameTip);

    auto* ok = place<QPushButton>(this, QStringLiteral("Command1"), {120, 2040, 6135, 495});
    ok->setText(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    setTabOrder(ok, Check20);
    setTabOrder(Check20, Check16);
    setTabOrder(Check16, Check12);
    setTabOrder(Check12, ST_ContrMax0);
    setTabOrder(ST_ContrMax0, Check1);
    setTabOrder(Check1, Numerostringhe);
}

StringsSettings SettingsWindow::settings()
{
    StringsSettings s;
    s.highlight = Check20->isChecked();
    s.rows = leadingNumber(Numerostringhe->text());
    s.checkFirst = Check12->isChecked();
    s.checkSecond = Check16->isChecked();
    s.maxDelay = leadingNumber(ST_ContrMax0->text());
    s.resetAfter = Check1->isChecked();
    return s;
}

QString SettingsWindow::maxDelayText()
{
    return ST_ContrMax0->text();
}

void SettingsWindow::setHighlight(bool on)
{
    Check20->setChecked(on);
}

bool SettingsWindow::checksFirstHit()
{
    return Check12->isChecked();
}

} // namespace zt
