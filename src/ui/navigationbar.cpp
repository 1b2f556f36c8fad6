#include "ui/navigationbar.h"

#include "store/recordcursor.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace zt {

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto add = [&](const char* name, const QString& text, const QString& tip,
                         void (NavigationBar::*signal)()) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(tip);
        b->setFixedWidth(20);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        connect(b, &QToolButton::clicked, this, signal);
        row->addWidget(b);
    };
    add("first", QStringLiteral("|<"), tr("Primo"), &NavigationBar::firstClicked);
    add("previous", QStringLiteral("<"), tr("Precedente"),
        &NavigationBar::previousClicked);
    row->addStretch(1);
    add("next", QStringLiteral(">"), tr("Successivo"), &NavigationBar::nextClicked);
    add("last", QStringLiteral(">|"), tr("Ultimo"), &NavigationBar::lastClicked);
}

void NavigationBar::drive(RecordCursor* source)
{
    connect(this, &NavigationBar::firstClicked, source, &RecordCursor::moveFirst);
    connect(this, &NavigationBar::lastClicked, source, &RecordCursor::moveLast);
    connect(this, &NavigationBar::previousClicked, source, [source] {
        if (!source->movePrevious())
            source->moveFirst();
    });
    connect(this, &NavigationBar::nextClicked, source, [source] {
        if (!source->moveNext())
            source->moveLast();
    });
}

} // namespace zt
