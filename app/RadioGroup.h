#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace korvelt {

// A titled group of radio buttons laid out in two columns, filled column by column, with an
// item index: -1 when no item is checked (a value the items cannot show).
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    [[nodiscard]] int ItemIndex() const { return buttons_.checkedId(); }
    void SetItemIndex(int index);
    [[nodiscard]] QRadioButton *Item(int index) const;
    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    // The width the two columns of items need, each as wide as its widest item.
    [[nodiscard]] int NeededWidth() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceItems();

    QButtonGroup buttons_;
    std::vector<std::unique_ptr<QRadioButton>> items_;
};

} // namespace korvelt
