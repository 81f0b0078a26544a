#include "app/StatusText.h"

#include <QPainter>
#include <QStyle>

namespace korvelt {

void StatusText::setText(const QString &text)
{
    QLabel::setText(text);
    setAccessibleDescription(text);
    UpdateTip();
}

void StatusText::SetHint(const QString &hint)
{
    hint_ = hint;
    UpdateTip();
}

bool StatusText::Elided() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void StatusText::UpdateTip()
{
    setToolTip(Elided() ? text() : hint_);
}

void StatusText::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void StatusText::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    UpdateTip();
}

} // namespace korvelt
