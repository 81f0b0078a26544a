#pragma once

#include "app/SchedulePage.h"
#include "app/UserDialogs.h"
#include "core/ScheduleModel.h"
#include "editor/SlotClipboard.h"
#include "editor/TimeGrid.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace korvelt {

// A page of slot times: its title, the grid of one output's sixteen slots, the output
// selector under it and the grid's context menu with Copy, Paste and "Copy output N to…". The normal and the
// special times pages are made of it.
//
// The page keeps the slots of every output as it last showed them, so that switching the
// output shows the new one without asking anyone; what the grid shows is written back on the
// way out. Edited is emitted once per edit, when it is complete: one for a typed cell, one
// for a paste or a menu command however many cells it changed.
class SlotGridPage : public QWidget, public SchedulePage {
    Q_OBJECT

public:
    // normal: the normal times (with days) or the special times.
    SlotGridPage(bool normal, SlotClipboard &clipboard, UserDialogs &dialogs, QWidget *parent = nullptr);

    // Shows the model's slots of the output selected; emits nothing.
    void Show(const ScheduleModel &model) override;
    // Commits an edit still open in the grid as Enter would, then writes the shown output's
    // slots into the model. False when the open edit held a text that is no time, or when a
    // refused time has not been shown yet.
    bool Store(ScheduleModel &model) override;
    // Writes the shown output's slots as the grid shows them now into the model.
    void Peek(ScheduleModel &model) const override;
    // While a command runs the output shown stays.
    void SetBusy(bool busy) override { output_.setEnabled(!busy); }
    // The grid, then the output selector.
    [[nodiscard]] std::vector<QWidget *> TabOrder() override { return {&grid_, &output_}; }

    // The output shown, 0 for output 1.
    [[nodiscard]] int ShownOutput() const { return shown_; }
    // Shows a slot of an output, selected, with the grid focused. While the selector is
    // disabled (a command runs) the output stays; the page then only gets the focus.
    void GoToSlot(int output, int slot);
    // Lays the page out for a window this much larger than its designed size.
    void Grow(QSize growth) override = 0;

    [[nodiscard]] TimeGrid &Grid() { return grid_; }
    [[nodiscard]] QSpinBox &OutputSelector() { return output_; }
    [[nodiscard]] QMenu &Menu() { return menu_; }

    // The grid's Copy and Paste, from the menu or the keys.
    void CopySlots();
    void PasteSlots();

signals:
    // One user edit is complete; `step` names it for the undo history.
    void Edited(const QString &step);
    // "Copy output N to…" was answered: the shown output's slots, with what the grid shows,
    // are to replace those of the outputs `to` (counted from 0). `step` names the edit.
    void OutputCopyChosen(int from, const std::vector<int> &to, const QString &step);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Runs a command that may change many cells as one edit named `step`.
    void RunEdit(const QString &step, const std::function<void()> &command);
    [[nodiscard]] QString OutputText() const { return QString::number(shown_ + 1); }
    // The undo steps of pasting and of clearing `count` slots of the shown output.
    [[nodiscard]] QString PasteStep(int count) const;
    [[nodiscard]] QString ClearStep(int count) const;
    // The row a menu command acts on: the one the menu was opened for.
    [[nodiscard]] int ClickedRow() const { return clickedRow_; }
    // Places the title, the grid and the selector: the grid grows by `growth`, the selector
    // stays under its middle.
    void PlaceGrid(QPoint title, QRect grid, QPoint label, QRect selector, QSize growth);
    // Rows grow with the grid, from their height at the designed size.
    void GrowRows(int extraHeight);

    QLabel title_;
    TimeGrid grid_;
    QLabel outputLabel_;
    QSpinBox output_;
    QMenu menu_;
    QAction copy_;
    QAction paste_;
    QAction copyOutput_;

private:
    void OutputChanged(int value);
    void NameGrid();
    void CellChanged(int row);
    void CopyOutput();

    bool normal_;
    SlotClipboard &clipboard_;
    UserDialogs &dialogs_;
    std::array<OutputSlots, OutputCount> slots_{};
    int shown_ = 0;
    int slotColumnExtra_ = 0; // what the slot numbers' heading needs beyond the designed 40 pixels
    int clickedRow_ = 0;
    bool showing_ = false; // the grid is being set from the model
    bool inCommand_ = false;
    int refusalsPending_ = 0; // refused times whose box has not been shown yet
};

} // namespace korvelt
