#include "editor/TimeGridDelegate.h"

#include "text/CellText.h"
#include "editor/TimeGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace korvelt {

namespace {

// The text a time editor opened with, to tell an edit from a cell opened and left.
constexpr const char *OpenedWith = "korveltOpenedWith";

// A pick list that drops down as soon as it is shown and reports when its list closes.
class DayPickList : public QComboBox {
public:
    explicit DayPickList(QWidget *parent) : QComboBox(parent)
    {
        // Reported once the events at hand are done, because a pick closes the list before it
        // reports the item.
        dropDown_.setSingleShot(true);
        dropDown_.setInterval(0);
        connect(&dropDown_, &QTimer::timeout, this, [this] {
            if (isVisible()) {
                showPopup();
            }
        });
        closed_.setSingleShot(true);
        closed_.setInterval(0);
        connect(&closed_, &QTimer::timeout, this, [this] {
            if (ListClosed) {
                ListClosed();
            }
        });
    }

    std::function<void()> ListClosed;

    void hidePopup() override
    {
        QComboBox::hidePopup();
        closed_.start();
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QComboBox::showEvent(event);
        if (!droppedDown_) {
            droppedDown_ = true;
            // After the view has placed and focused the editor, unless it closed meanwhile.
            dropDown_.start();
        }
    }

private:
    QTimer dropDown_;
    QTimer closed_;
    bool droppedDown_ = false;
};

} // namespace

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
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAccessibleName(tr("Time", "accessible name of a time cell's editor"));
        return editor;
    }
    case EditorKind::PickList: {
        auto *editor = new DayPickList(parent);
        editor->setEditable(false);
        editor->addItems(grid_.ComboStrings());
        editor->setAccessibleName(tr("Day", "accessible name of a day cell's editor"));
        // createEditor is const, the delegate's signals are not.
        auto *self = const_cast<TimeGridDelegate *>(this); // NOLINT(cppcoreguidelines-pro-type-const-cast)
        connect(editor, &QComboBox::activated, self, [self, editor] {
            emit self->commitData(editor);
            emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
        });
        // The list closed without a pick: the cell stays as it was.
        editor->ListClosed = [self, editor] {
            if (self->grid_.OpenEditorWidget() == editor) {
                emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
        };
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
    if (auto *lineEdit = qobject_cast<QLineEdit *>(editor)) {
        lineEdit->setText(text);
        lineEdit->setProperty(OpenedWith, text);
        lineEdit->selectAll();
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(combo->findText(text));
    }
}

void TimeGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *lineEdit = qobject_cast<QLineEdit *>(editor)) {
        const QString typed = lineEdit->text();
        if (typed == lineEdit->property(OpenedWith).toString()) {
            return; // opened and left without an edit
        }
        if (const auto value = TypedTextToTime(typed)) {
            model->setData(index, TimeToCellText(*value), Qt::EditRole);
        } else {
            grid_.RefuseTimeText(index.column() + 1, index.row() + 1, typed);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->currentIndex() >= 0) {
            model->setData(index, combo->currentText(), Qt::EditRole);
        }
    }
}

void TimeGridDelegate::TakeHighlightedItem(QWidget *editor)
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (combo == nullptr || !combo->view()->isVisible()) {
        return;
    }
    const QModelIndex highlighted = combo->view()->currentIndex();
    if (highlighted.isValid()) {
        combo->setCurrentIndex(highlighted.row());
    }
    combo->hidePopup();
}

} // namespace korvelt
