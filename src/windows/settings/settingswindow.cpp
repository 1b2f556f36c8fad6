#include "windows/settingswindow.h"

#include "core/playersettings.h"
#include "core/textrules.h"
#include "ui/form.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zt {

namespace {

const QColor rust(192, 64, 0);

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
    setWindowTitle(tr("Impostazioni Auto"));
    setFont(controlFont());
    setBackColor(this, Qt::black);
    // The design's layout, with the language below the settings of the
    // strings and the button below both.
    setFixedSize(twipsSize(6375, 3360));
    const QString sameTip = tr("Controlla uscite e azzera");

    auto* heading = place<QLabel>(this, QStringLiteral("Label1"), {1440, 0, 3495, 375});
    heading->setText(tr("Impostazioni"));
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
    auto* caption = new QLabel(tr("Stringa Composta"), frame);
    caption->setAutoFillBackground(true);
    caption->adjustSize();
    caption->move(6, 0);

    Check20 = placeCheck(frame, QStringLiteral("Check20"), {120, 360, 1860, 195},
                               tr("Evidenzia su Tastiera"), true, rust);
    Check20->setToolTip(sameTip);
    auto* rowsLabel = place<QLabel>(frame, QStringLiteral("Label78"), {4320, 360, 855, 255});
    rowsLabel->setText(tr("Stringhe"));
    rowsLabel->hide();
    Numerostringhe = addNumberBox(frame, QStringLiteral("Numerostringhe"), {5040, 360, 735, 285},
                              QStringLiteral("1"));
    Numerostringhe->hide();

    Check12 = placeCheck(frame, QStringLiteral("Check12"), {120, 720, 1545, 195},
                           tr("Controlla 1° colpo"), true, rust);
    Check12->setToolTip(sameTip);
    Check16 = placeCheck(frame, QStringLiteral("Check16"), {2160, 720, 1635, 195},
                            tr("Controlla 2° colpo"), false, rust);
    auto* maxLabel = place<QLabel>(frame, QStringLiteral("Label25"), {3840, 720, 1215, 255});
    maxLabel->setText(tr("Contr. Massimo"));
    maxLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    maxLabel->setToolTip(
        tr("Ritardo massimo ammesso dopo il quale cancella ca stringa"));
    ST_ContrMax0 = addNumberBox(frame, QStringLiteral("ST_ContrMax0"), {5040, 720, 735, 285},
                                  QStringLiteral("10"));
    Check1 = placeCheck(frame, QStringLiteral("Check1"), {120, 1080, 1545, 195},
                           tr("Azzera"), false, rust);
    Check1->setToolTip(sameTip);

    auto* ok = place<QPushButton>(this, QStringLiteral("Command1"), {120, 2520, 6135, 495});
    ok->setText(tr("OK"));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    setTabOrder(ok, Check20);
    setTabOrder(Check20, Check16);
    setTabOrder(Check16, Check12);
    setTabOrder(Check12, ST_ContrMax0);
    setTabOrder(ST_ContrMax0, Check1);
    setTabOrder(Check1, Numerostringhe);
    buildLanguageChoice();
    setTabOrder(Numerostringhe, Lingua);
}

void SettingsWindow::buildLanguageChoice()
{
    auto* label = place<QLabel>(this, QStringLiteral("LabelLingua"), {120, 2100, 1095, 255});
    label->setText(tr("Lingua:"));
    setForeColor(label, Qt::white);
    Lingua = place<QComboBox>(this, QStringLiteral("Lingua"), {1200, 2040, 1935, 315});
    // The item's data is what the settings file keeps.
    Lingua->addItem(tr("Come il sistema"), QString());
    Lingua->addItem(QStringLiteral("Italiano"), QStringLiteral("it"));
    Lingua->addItem(QStringLiteral("English"), QStringLiteral("en"));
    label->setBuddy(Lingua);
    const QString file = QDir::current().absoluteFilePath(QLatin1String(settingsFileName));
    Lingua->setCurrentIndex(std::max(0, Lingua->findData(readLanguagePreference(file))));
    auto* when = place<QLabel>(this, QStringLiteral("LabelLinguaAvvio"), {3240, 2100, 3015, 255});
    when->setText(tr("(dal prossimo avvio)"));
    setForeColor(when, Qt::white);
    connect(Lingua, &QComboBox::activated, this, [this, file] {
        if (!writeLanguagePreference(file, Lingua->currentData().toString()))
            showMessage(this, tr("La lingua scelta non si è potuta salvare in %1.")
                                  .arg(QDir::toNativeSeparators(file)));
    });
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
