#include "strings/settingswindow.h"

#include "app/controls.h"
#include "app/look.h"
#include "app/textrules.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zt {

namespace {

template <class W> W* add(QWidget* parent, const QString& name, const QRect& twips)
{
    auto* w = new W;
    w->setParent(parent);
    w->setObjectName(name);
    w->setGeometry(twipsRect(twips));
    return w;
}

const QColor rust(192, 64, 0);
const QString sameTip = QStringLiteral("Controlla uscite e azzera");

QCheckBox* addCheck(QWidget* parent, const QString& name, const QRect& twips,
                    const QString& caption, bool ticked)
{
    auto* c = addControl<QCheckBox>(parent, name, twips);
    c->setText(caption);
    c->setChecked(ticked);
    setBackColor(c, rust);
    return c;
}

QLineEdit* addNumberBox(QWidget* parent, const QString& name, const QRect& twips,
                        const QString& text)
{
    auto* e = addControl<QLineEdit>(parent, name, twips);
    e->setText(text);
    e->setAlignment(Qt::AlignCenter);
    return e;
}

} // namespace

SettingsWindow::SettingsWindow()
{
    setObjectName(QStringLiteral("Impauto"));
    setWindowTitle(QStringLiteral("Impostazioni Auto"));
    setFont(controlFont());
    setBackColor(this, Qt::black);
    setFixedSize(6375 / twipsPerPixel, 2880 / twipsPerPixel);

    auto* heading = addControl<QLabel>(this, QStringLiteral("Label1"), {1440, 0, 3495, 375});
    heading->setText(QStringLiteral("Impostazioni"));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setForeColor(heading, Qt::white);
    heading->setFont(designFont(QStringLiteral("MS Sans Serif"), 13.5));

    auto* shape = addControl<QFrame>(this, QStringLiteral("Shape2"), {120, 360, 6135, 1575});
    setBackColor(shape, rust);

    // A frame with its caption on the border.
    auto* frame = addControl<QFrame>(this, QStringLiteral("Frame24"), {240, 480, 5895, 1335});
    setBackColor(frame, rust);
    auto* border = new QFrame(frame);
    border->setFrameStyle(QFrame::Box | QFrame::Sunken);
    border->setGeometry(0, 6, frame->width(), frame->height() - 6);
    auto* caption = new QLabel(QStringLiteral("Stringa Composta"), frame);
    caption->setAutoFillBackground(true);
    caption->adjustSize();
    caption->move(6, 0);

    auto* highlight = addCheck(frame, QStringLiteral("Check20"), {120, 360, 1860, 195},
                               QStringLiteral("Evidenzia su Tastiera"), true);
    highlight->setToolTip(sameTip);
    auto* rowsLabel = addControl<QLabel>(frame, QStringLiteral("Label78"), {4320, 360, 855, 255});
    rowsLabel->setText(QStringLiteral("Stringhe"));
    rowsLabel->hide();
    auto* rows = addNumberBox(frame, QStringLiteral("Numerostringhe"), {5040, 360, 735, 285},
                              QStringLiteral("1"));
    rows->hide();

    auto* first = addCheck(frame, QStringLiteral("Check12"), {120, 720, 1545, 195},
                           QStringLiteral("Controlla 1° colpo"), true);
    first->setToolTip(sameTip);
    auto* second = addCheck(frame, QStringLiteral("Check16"), {2160, 720, 1635, 195},
                            QStringLiteral("Controlla 2° colpo"), false);
    auto* maxLabel = addControl<QLabel>(frame, QStringLiteral("Label25"), {3840, 720, 1215, 255});
    maxLabel->setText(QStringLiteral("Contr. Massimo"));
    maxLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    maxLabel->setToolTip(
        QStringLiteral("Ritardo massimo ammesso dopo il quale cancella ca stringa"));
    auto* maxDelay = addNumberBox(frame, QStringLiteral("ST_ContrMax0"), {5040, 720, 735, 285},
                                  QStringLiteral("10"));
    auto* reset = addCheck(frame, QStringLiteral("Check1"), {120, 1080, 1545, 195},
                           QStringLiteral("Azzera"), false);
    reset->setToolTip(sameTip);

    auto* ok = addControl<QPushButton>(this, QStringLiteral("Command1"), {120, 2040, 6135, 495});
    ok->setText(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    setTabOrder(ok, highlight);
    setTabOrder(highlight, second);
    setTabOrder(second, first);
    setTabOrder(first, maxDelay);
    setTabOrder(maxDelay, reset);
    setTabOrder(reset, rows);
}

StringsSettings currentStringsSettings()
{
    const SettingsWindow* w = shared<SettingsWindow>();
    const auto ticked = [w](const char* name) {
        return control<QCheckBox>(w, QLatin1String(name))->isChecked();
    };
    const auto number = [w](const char* name) {
        return leadingNumber(control<QLineEdit>(w, QLatin1String(name))->text());
    };
    StringsSettings s;
    s.highlight = ticked("Check20");
    s.rows = number("Numerostringhe");
    s.checkFirst = ticked("Check12");
    s.checkSecond = ticked("Check16");
    s.maxDelay = number("ST_ContrMax0");
    s.resetAfter = ticked("Check1");
    return s;
}

} // namespace zt
