#pragma once

#include <QStyledItemDelegate>

namespace korvelt {

class TimeGrid;

// Gives each cell of a time grid the editor its grid asks for.
//
// A time cell gets a line edit that opens with the cell's text selected, so that typing
// replaces it. On Enter, Tab, a click elsewhere or CommitOpenEditor, a text left as it was
// changes nothing; a text that reads as a time becomes the cell's text in the cell format;
// any other text is refused: the cell keeps its text and the grid reports the refusal. Esc
// leaves the cell as it was.
//
// A day cell gets a pick list that opens already dropped down. Picking an item (a click, or
// Enter on the highlighted one) stores it at once and closes the editor; closing the list
// without a pick (Esc, a click outside it) leaves the cell as it was.
class TimeGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TimeGridDelegate(TimeGrid &grid);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // An editor whose pick list is dropped down takes the highlighted item, as Enter in the
    // list would; any other editor is left alone.
    static void TakeHighlightedItem(QWidget *editor);

private:
    TimeGrid &grid_;
};

} // namespace korvelt
