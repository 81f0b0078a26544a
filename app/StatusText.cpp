#include "app/StatusText.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

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
    if (!Elided()) {
        return whole;
    }
    if (wordWrap()) {
        // The lines that fit, the last of them ending in an ellipsis.
        const int lines = std::max(1, contentsRect().height() / metrics.lineSpacing());
        return metrics.elidedText(whole, Qt::ElideRight, room * lines - metrics.averageCharWidth() * 2 * lines);
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
    if (wordWrap()) {
        return LinesAt(text(), contentsRect().width()) * fontMetrics().lineSpacing() > contentsRect().height();
    }
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

int StatusText::LinesAt(const QString &text, int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, text);
    return std::max(1, (wrapped.height() + metrics.lineSpacing() - 1) / metrics.lineSpacing());
}

void StatusText::UpdateTip()
{
    setToolTip(Elided() ? text() : hint_);
}

void StatusText::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect room = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0);
    style()->drawItemText(&painter, room, flags, palette(), isEnabled(), ShownText(), foregroundRole());
}

void StatusText::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    UpdateTip();
}

} // namespace korvelt
