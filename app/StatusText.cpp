#include "app/StatusText.h"

#include <QPainter>
#include <QStyle>

namespace korvelt {

void StatusText::SetText(const QString &text, const QString &yielding)
{
    yielding_ = yielding;
    QLabel::setText(text);
    setAccessibleDescription(text);
    UpdateTip();
}

QString StatusText::ShownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width();
    const QString &whole = text();
    if (metrics.horizontalAdvance(whole) <= room) {
        return whole;
    }
    if (const qsizetype at = yielding_.isEmpty() ? -1 : whole.indexOf(yielding_); at >= 0) {
        const QString before = whole.left(at);
        const QString after = whole.mid(at + yielding_.size());
        const QString part =
            metrics.elidedText(yielding_, Qt::ElideMiddle, room - metrics.horizontalAdvance(before + after));
        if (!part.isEmpty()) {
            return before + part + after;
        }
    }
    return metrics.elidedText(whole, Qt::ElideRight, room);
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
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}

void StatusText::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    UpdateTip();
}

} // namespace korvelt
