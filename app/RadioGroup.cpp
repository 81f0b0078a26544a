#include "app/RadioGroup.h"

#include <QResizeEvent>

#include <algorithm>
#include <array>

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

namespace {
constexpr int LeftInset = 8;
constexpr int RightInset = 4;
} // namespace

int RadioGroup::NeededWidth() const
{
    const int rows = (Count() + 1) / 2;
    std::array<int, 2> columns{};
    for (int i = 0; i < Count(); ++i) {
        int &column = columns.at(static_cast<std::size_t>(i / std::max(rows, 1)));
        column = std::max(column, Item(i)->sizeHint().width());
    }
    const QMargins frame = contentsMargins();
    return frame.left() + frame.right() + LeftInset + RightInset + columns.at(0) + columns.at(1);
}

void RadioGroup::PlaceItems()
{
    const int rows = (Count() + 1) / 2;
    const QRect area = contentsRect().adjusted(LeftInset, 18, -RightInset, -4);
    // Half the room each, unless an item needs more: then its column takes what it needs.
    std::array<int, 2> needs{};
    for (int i = 0; i < Count(); ++i) {
        int &column = needs.at(static_cast<std::size_t>(i / std::max(rows, 1)));
        column = std::max(column, Item(i)->sizeHint().width());
    }
    const int firstWidth = std::max(needs.at(0), std::min(area.width() / 2, area.width() - needs.at(1)));
    const int rowHeight = rows > 0 ? area.height() / rows : 0;
    for (int i = 0; i < Count(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        const int left = area.left() + (column == 0 ? 0 : firstWidth);
        const int width = column == 0 ? firstWidth : area.width() - firstWidth;
        Item(i)->setGeometry(left, area.top() + row * rowHeight, width, rowHeight);
    }
}

} // namespace korvelt
