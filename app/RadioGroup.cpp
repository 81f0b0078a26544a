#include "app/RadioGroup.h"

#include <QResizeEvent>

namespace korvelt {

RadioGroup::RadioGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), buttons_(this)
{
    for (const QString &text : items) {
        auto button = std::make_unique<QRadioButton>(text, this);
        buttons_.addButton(button.get(), static_cast<int>(items_.size()));
        items_.push_back(std::move(button));
    }
    PlaceItems();
}

void RadioGroup::SetItemIndex(int index)
{
    if (index >= 0 && index < Count()) {
        items_.at(static_cast<std::size_t>(index))->setChecked(true);
        return;
    }
    // No item stands for this value: show none checked.
    buttons_.setExclusive(false);
    for (const auto &item : items_) {
        item->setChecked(false);
    }
    buttons_.setExclusive(true);
}

QRadioButton *RadioGroup::Item(int index) const
{
    return items_.at(static_cast<std::size_t>(index)).get();
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    PlaceItems();
}

void RadioGroup::PlaceItems()
{
    const int rows = (Count() + 1) / 2;
    const QRect area = contentsRect().adjusted(8, 18, -4, -4);
    const int columnWidth = area.width() / 2;
    const int rowHeight = rows > 0 ? area.height() / rows : 0;
    for (int i = 0; i < Count(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        Item(i)->setGeometry(area.left() + column * columnWidth, area.top() + row * rowHeight, columnWidth, rowHeight);
    }
}

} // namespace korvelt
