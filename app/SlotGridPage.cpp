#include "app/SlotGridPage.h"

#include "app/Guarded.h"
#include "editor/GridSlots.h"

#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QShortcut>

#include <algorithm>

namespace korvelt {

namespace {

// The message for a text typed into a time cell that is no time; the cell kept its value.
// `col` is the Start or the End column.
QString RefusedTimeMessage(int col, int row, const QString &text)
{
    const bool start = col == StartColumn;
    const QString slot = QString::number(row);
    // The end of the day, as people write it: the KORVELT counts no further than 23:59:59.
    static const QRegularExpression endOfDay(QStringLiteral("^\\s*24(?:[:.]?00(?:[:.]?00)?)?\\s*$"));
    if (endOfDay.match(text).hasMatch()) {
        //: %1 is the text typed, %2 the slot's number; name the column as its heading does
        return start ? QCoreApplication::translate("SlotGridPage", "\"%1\" is not a time of day: the day's last "
                                                                   "second is 23:59:59. The Start cell of slot %2 "
                                                                   "keeps its value.")
                           .arg(text, slot)
                     //: %1 is the text typed, %2 the slot's number; name the column as its heading does
                     : QCoreApplication::translate("SlotGridPage", "\"%1\" is not a time of day: the day's last "
                                                                   "second is 23:59:59. The End cell of slot %2 keeps "
                                                                   "its value.")
                           .arg(text, slot);
    }
    //: %1 is the text typed, %2 the slot's number; name the column as its heading does
    return (start ? QCoreApplication::translate("SlotGridPage", "\"%1\" is not a time. The Start cell of slot %2 "
                                                                "keeps its value.\n\nType a time such as 13:30, "
                                                                "13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or "
                                                                "9:30 PM.")
                  //: %1 is the text typed, %2 the slot's number; name the column as its heading does
                  : QCoreApplication::translate("SlotGridPage", "\"%1\" is not a time. The End cell of slot %2 "
                                                                "keeps its value.\n\nType a time such as 13:30, "
                                                                "13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or "
                                                                "9:30 PM."))
        .arg(text, slot);
}

OutputSlots &SlotsOf(ScheduleModel &model, bool normal, int output)
{
    return (normal ? model.NormalTimes : model.SpecialTimes).at(static_cast<std::size_t>(output));
}

} // namespace

SlotGridPage::SlotGridPage(bool normal, SlotClipboard &clipboard, UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent), title_(this), grid_(normal ? 10 : 3, 17, this),
      //: Label of the box that chooses the output the grid shows
      outputLabel_(tr("Output", "switched output number"), this), output_(this), menu_(this),
      //: Grid's menu: copies the selected slots
      copy_(tr("Copy", "slots"), &menu_),
      //: Grid's menu: pastes the slots copied
      paste_(tr("Paste", "slots"), &menu_), copyOutput_(&menu_), normal_(normal), clipboard_(clipboard),
      dialogs_(dialogs)
{
    QFont bold = title_.font();
    bold.setBold(true);
    bold.setPixelSize(16);
    title_.setFont(bold);
    output_.setRange(1, OutputCount);
    output_.setValue(1);
    outputLabel_.setBuddy(&output_);

    menu_.addAction(&copy_);
    menu_.addAction(&paste_);
    menu_.addSeparator();
    menu_.addAction(&copyOutput_);
    // "Paste" stays greyed out until the first "Copy".
    paste_.setEnabled(false);
    connect(&menu_, &QMenu::aboutToShow, this, [this] {
        paste_.setEnabled(clipboard_.Count() != 0);
        //: Grid's menu; %1 is the output's number
        copyOutput_.setText(tr("Copy output %1 to…").arg(OutputText()));
        // While a command runs the outputs stay as they are.
        copyOutput_.setEnabled(output_.isEnabled());
    });
    connect(&copy_, &QAction::triggered, this, [this] { CopySlots(); });
    connect(&paste_, &QAction::triggered, this, [this] { PasteSlots(); });
    connect(&copyOutput_, &QAction::triggered, this, [this] { Guarded(dialogs_, [this] { CopyOutput(); }); });
    // Delete and Backspace clear the selected slots as one edit (the grid does the clearing).
    grid_.installEventFilter(this);

    // The menu acts on the row the right-click pressed, or from the keyboard on the current row.
    connect(&grid_, &TimeGrid::MousePressed, this,
            [this](Qt::MouseButton /*button*/, QPoint pos) { clickedRow_ = grid_.MouseToCell(pos).y(); });
    connect(&grid_, &TimeGrid::ContextMenuRequested, &menu_, [this](QPoint globalPos, bool fromKeyboard) {
        if (fromKeyboard) {
            clickedRow_ = grid_.CurrentRow();
        }
        menu_.popup(globalPos);
    });
    // A refused time is shown once the editor has closed, never from inside its handling.
    // Until its box has been shown, every command that stores the page stops: a button
    // pressed and released at once, which took the focus from the editor, finds the refusal
    // already decided whenever the box comes.
    connect(&grid_, &TimeGrid::TimeTextRefused, this, [this] { ++refusalsPending_; });
    connect(
        &grid_, &TimeGrid::TimeTextRefused, this,
        [this](int col, int row, const QString &text) {
            --refusalsPending_;
            dialogs_.ShowError(RefusedTimeMessage(col, row, text));
        },
        Qt::QueuedConnection);
    // The grid's own keys work only while the grid itself has the focus, not its editor.
    for (const auto &binding : {std::pair{QKeySequence::Copy, &SlotGridPage::CopySlots},
                                std::pair{QKeySequence::Paste, &SlotGridPage::PasteSlots}}) {
        auto *shortcut = new QShortcut(binding.first, &grid_); // owned by the grid
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, command = binding.second] { (this->*command)(); });
    }
    connect(&output_, &QSpinBox::valueChanged, this, [this](int value) { OutputChanged(value); });
    connect(&grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) { CellChanged(item->row() + 1); });

    // The columns' headings and the slot numbers.
    const QStringList headings{
        //: Heading of the column of slot numbers
        tr("Slot", "slot number"),
        //: Heading of the column of the times a slot switches on
        tr("Start", "slot start time"),
        //: Heading of the column of the times a slot switches off
        tr("End", "slot end time"),
    };
    for (int c = 0; c < grid_.GridColCount() && c < headings.size(); ++c) {
        grid_.SetCell(c, 0, headings.at(c));
    }
    // The slot numbers' column is as wide as its heading needs in the language shown.
    slotColumnExtra_ = std::max(0, grid_.CornerTextWidth() + 10 - 40);
    grid_.SetColWidth(0, 40 + slotColumnExtra_);
    for (int r = 1; r < grid_.GridRowCount(); ++r) {
        grid_.SetCell(0, r, QString::number(r));
    }
    NameGrid();
}

void SlotGridPage::NameGrid()
{
    // A screen reader says which output the grid shows.
    //: Accessible name of the grid; %1 is the output's number
    grid_.setAccessibleName(normal_ ? tr("Normal times, output %1").arg(OutputText())
                                    //: Accessible name of the grid; %1 is the output's number
                                    : tr("Special times, output %1").arg(OutputText()));
}

void SlotGridPage::Show(const ScheduleModel &model)
{
    const QScopedValueRollback showing(showing_, true);
    slots_ = normal_ ? model.NormalTimes : model.SpecialTimes;
    ShowSlots(grid_, slots_.at(static_cast<std::size_t>(shown_)), normal_);
}

bool SlotGridPage::Store(ScheduleModel &model)
{
    const bool committed = grid_.CommitOpenEditor();
    OutputSlots &shown = slots_.at(static_cast<std::size_t>(shown_));
    shown = SlotsOf(model, normal_, shown_);
    StoreSlots(grid_, shown, normal_);
    SlotsOf(model, normal_, shown_) = shown;
    return committed && refusalsPending_ == 0;
}

void SlotGridPage::Peek(ScheduleModel &model) const
{
    StoreSlots(grid_, SlotsOf(model, normal_, shown_), normal_);
}

void SlotGridPage::GoToSlot(int output, int slot)
{
    if (output_.isEnabled() || output_.value() == output + 1) {
        output_.setValue(output + 1);
        // The slot's whole row, as a click on its number selects it.
        grid_.setCurrentCell(slot, StartColumn - 1, QItemSelectionModel::ClearAndSelect);
        grid_.setRangeSelected(QTableWidgetSelectionRange(slot, 0, slot, grid_.columnCount() - 1), true);
    }
    grid_.setFocus();
}

void SlotGridPage::OutputChanged(int value)
{
    if (value < 1 || value > OutputCount) {
        return;
    }
    // The grid still shows the old output: an edit open in it is committed to that one.
    grid_.CommitOpenEditor();
    StoreSlots(grid_, slots_.at(static_cast<std::size_t>(shown_)), normal_);
    shown_ = value - 1;
    NameGrid();
    const QScopedValueRollback showing(showing_, true);
    ShowSlots(grid_, slots_.at(static_cast<std::size_t>(shown_)), normal_);
    // What was selected belongs to the output shown before: only the current cell stays.
    if (const QModelIndex current = grid_.currentIndex(); current.isValid()) {
        grid_.setCurrentCell(current.row(), current.column(), QItemSelectionModel::ClearAndSelect);
    } else {
        grid_.clearSelection();
    }
}

void SlotGridPage::CellChanged(int row)
{
    if (showing_ || inCommand_) {
        return;
    }
    //: Undo step; %1 is the slot's number, %2 the output's
    emit Edited(normal_ ? tr("Edit slot %1 of output %2").arg(row).arg(OutputText())
                        //: Undo step; %1 is the slot's number, %2 the output's
                        : tr("Edit special slot %1 of output %2").arg(row).arg(OutputText()));
}

void SlotGridPage::RunEdit(const QString &step, const std::function<void()> &command)
{
    {
        const QScopedValueRollback running(inCommand_, true);
        Guarded(dialogs_, command);
    }
    emit Edited(step);
}

QString SlotGridPage::PasteStep(int count) const
{
    const QString output = OutputText();
    if (normal_) {
        //: Undo step; %1 is the output's number
        return count == 1 ? tr("Paste 1 slot into output %1").arg(output)
                          //: Undo step; %n is how many slots, %1 the output's number
                          : tr("Paste %n slots into output %1", nullptr, count).arg(output);
    }
    //: Undo step; %1 is the output's number
    return count == 1 ? tr("Paste 1 special slot into output %1").arg(output)
                      //: Undo step; %n is how many slots, %1 the output's number
                      : tr("Paste %n special slots into output %1", nullptr, count).arg(output);
}

QString SlotGridPage::ClearStep(int count) const
{
    const QString output = OutputText();
    if (normal_) {
        //: Undo step; %1 is the output's number
        return count == 1 ? tr("Clear 1 slot of output %1").arg(output)
                          //: Undo step; %n is how many slots, %1 the output's number
                          : tr("Clear %n slots of output %1", nullptr, count).arg(output);
    }
    //: Undo step; %1 is the output's number
    return count == 1 ? tr("Clear 1 special slot of output %1").arg(output)
                      //: Undo step; %n is how many slots, %1 the output's number
                      : tr("Clear %n special slots of output %1", nullptr, count).arg(output);
}

void SlotGridPage::CopySlots()
{
    Guarded(dialogs_, [this] { clipboard_.Copy(grid_, normal_); });
}

void SlotGridPage::PasteSlots()
{
    // As in the context menu, nothing is pasted before the first copy.
    if (clipboard_.Count() == 0) {
        return;
    }
    PasteResult result;
    {
        const QScopedValueRollback running(inCommand_, true);
        Guarded(dialogs_, [this, &result] { result = clipboard_.Paste(grid_, normal_); });
    }
    emit Edited(PasteStep(result.Written));
    // It never writes outside the slots chosen, and says so when it left some out.
    if (result.LeftOut > 0) {
        dialogs_.ShowInformation(PasteLeftOutText(result));
    }
}

bool SlotGridPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &grid_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && plain &&
            grid_.OpenEditorWidget() == nullptr) {
            const auto count = static_cast<int>(grid_.SelectedSlots().size());
            RunEdit(ClearStep(count), [this] { grid_.ClearSelectedSlots(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SlotGridPage::CopyOutput()
{
    const int from = shown_;
    const QString output = OutputText();
    const std::optional<std::vector<int>> to = dialogs_.AskOutputs(
        //: Copy Output dialog, above the outputs to tick; %1 is the output copied
        normal_ ? tr("Copy the normal times of output %1 to:").arg(output)
                //: Copy Output dialog, above the outputs to tick; %1 is the output copied
                : tr("Copy the special times of output %1 to:").arg(output),
        from);
    if (!to || to->empty()) {
        return;
    }
    const auto count = static_cast<int>(to->size());
    const QString other = QString::number(to->front() + 1);
    QString step;
    if (normal_) {
        //: Undo step; %1 is the output copied, %2 the one copied to
        step = count == 1 ? tr("Copy the normal times of output %1 to output %2").arg(output, other)
                          //: Undo step; %1 is the output copied, %n how many outputs it was copied to
                          : tr("Copy the normal times of output %1 to %n outputs", nullptr, count).arg(output);
    } else {
        //: Undo step; %1 is the output copied, %2 the one copied to
        step = count == 1 ? tr("Copy the special times of output %1 to output %2").arg(output, other)
                          //: Undo step; %1 is the output copied, %n how many outputs it was copied to
                          : tr("Copy the special times of output %1 to %n outputs", nullptr, count).arg(output);
    }
    emit OutputCopyChosen(from, *to, step);
}

void SlotGridPage::PlaceGrid(QPoint title, QRect grid, QPoint label, QRect selector, QSize growth)
{
    title_.move(title + QPoint(growth.width() / 2, 0));
    title_.adjustSize();
    // The grid is wider by what its slot column needs, so that every day stays in view.
    grid_.setGeometry(grid.adjusted(0, 0, growth.width() + slotColumnExtra_, growth.height()));
    const QPoint below(growth.width() / 2, growth.height());
    outputLabel_.move(label + below);
    outputLabel_.adjustSize();
    output_.setGeometry(selector.translated(below));
    // A caption longer than the design's ends just before its box instead of under it.
    constexpr int LabelGap = 4;
    if (outputLabel_.geometry().right() + LabelGap >= output_.x()) {
        outputLabel_.move(output_.x() - LabelGap - outputLabel_.width(), outputLabel_.y());
    }
    GrowRows(growth.height());
}

void SlotGridPage::GrowRows(int extraHeight)
{
    const int height = TimeGrid::RowHeight + std::max(0, extraHeight) / (grid_.GridRowCount() - 1);
    for (int r = 0; r < grid_.rowCount(); ++r) {
        grid_.setRowHeight(r, height);
    }
}

} // namespace korvelt
