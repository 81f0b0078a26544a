#pragma once

#include <QStyledItemDelegate>

namespace korvelt {

class TimeGrid;

// Gives each cell of a time grid the editor its grid asks for: a time editor in the
// locale's long time format, whose time comes back as the cell's text, or a drop-down pick
// list that allows no free text.
class TimeGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TimeGridDelegate(TimeGrid &grid);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    TimeGrid &grid_;
};

} // namespace korvelt
