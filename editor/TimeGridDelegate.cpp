#include "TimeGridDelegate.h"

#include "CellText.h"
#include "QtDateTime.h"
#include "TimeGrid.h"

#include <QComboBox>
#include <QTimeEdit>

namespace korvelt {

TimeGridDelegate::TimeGridDelegate(TimeGrid &grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget *TimeGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem & /*option*/,
                                        const QModelIndex &index) const
{
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const EditorKind kind = grid_.EditorTypeRequested ? grid_.EditorTypeRequested(col, row) : EditorKind::None;
    switch (kind) {
    case EditorKind::Time: {
        // The view takes ownership of the editor it asked for.
        auto *editor = new QTimeEdit(parent);
        editor->setDisplayFormat(DefaultCellTextCodec().TimeFormat());
        editor->setFrame(false);
        editor->setAccessibleName(QStringLiteral("Time"));
        return editor;
    }
    case EditorKind::PickList: {
        auto *editor = new QComboBox(parent);
        editor->setEditable(false);
        editor->addItems(grid_.ComboStrings());
        editor->setAccessibleName(QStringLiteral("Day"));
        return editor;
    }
    case EditorKind::None:
        break;
    }
    return nullptr;
}

void TimeGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *timeEdit = qobject_cast<QTimeEdit *>(editor)) {
        timeEdit->setTime(ToQTime(CellTextToTime(text).value_or(0.0)));
        // The hours are selected, so that the new time can be typed at once.
        timeEdit->setSelectedSection(QDateTimeEdit::HourSection);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(combo->findText(text));
    }
}

void TimeGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *timeEdit = qobject_cast<QTimeEdit *>(editor)) {
        model->setData(index, TimeToCellText(FromQTime(timeEdit->time())), Qt::EditRole);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->currentIndex() >= 0) {
            model->setData(index, combo->currentText(), Qt::EditRole);
        }
    }
}

} // namespace korvelt
