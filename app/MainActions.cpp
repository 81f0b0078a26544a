#include "app/MainActions.h"

#include <QKeySequence>

#include <initializer_list>
#include <utility>

namespace korvelt {

namespace {

// The platform's keys for a standard command, then `extra` where the platform has none of
// them or lacks one of them.
QList<QKeySequence> KeysOf(QKeySequence::StandardKey standard, std::initializer_list<QKeySequence> extra = {})
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence &key : extra) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

} // namespace

MainActions::MainActions(QWidget &window)
    : QObject(&window), Load(this), Save(this), SaveAs(this), Exit(this), Help(this), Write(this), Read(this),
      Compare(this), SetTime(this), ReadTime(this), Cancel(this), Print(this), ExportPdf(this), Undo(this), Redo(this)
{
    // Each text has the letter that Alt presses after "&". A command's button shows its text,
    // or its icon text where the button's caption differs from the menu entry's.
    Load.setText(tr("&Load File…"));
    //: Button of Load File…; keep it short
    Load.setIconText(tr("&Load File"));
    Save.setText(tr("&Save"));
    //: Button of Save; keep it short
    Save.setIconText(tr("&Save File"));
    SaveAs.setText(tr("Save &As…"));
    Exit.setText(tr("E&xit"));
    //: Opens the user guide
    Help.setText(tr("&Help"));
    Write.setText(tr("&Write To KORVELT"));
    Read.setText(tr("&Read From KORVELT"));
    Compare.setText(tr("&Compare with KORVELT"));
    //: Sets the KORVELT's clock
    SetTime.setText(tr("Set &Time"));
    //: Reads the KORVELT's clock
    ReadTime.setText(tr("Read T&ime"));
    //: Stops the command running on the KORVELT
    Cancel.setText(tr("Cancel"));
    Print.setText(tr("&Print…"));
    ExportPdf.setText(tr("Export P&DF…"));
    Undo.setText(tr("&Undo"));
    Redo.setText(tr("&Redo"));

    Load.setShortcuts(KeysOf(QKeySequence::Open));
    Save.setShortcuts(KeysOf(QKeySequence::Save));
    // Not every platform has a key for Save As; Ctrl+Shift+S is the usual one.
    SaveAs.setShortcuts(KeysOf(QKeySequence::SaveAs, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}));
    Exit.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Help.setShortcuts(KeysOf(QKeySequence::HelpContents));
    Print.setShortcuts(KeysOf(QKeySequence::Print));
    Undo.setShortcuts(KeysOf(QKeySequence::Undo));
    // Both usual keys for Redo, on every platform.
    Redo.setShortcuts(KeysOf(QKeySequence::Redo,
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));

    const std::initializer_list<std::pair<QAction *, const char *>> names{
        {&Load, "LoadAction"},           {&Save, "SaveAction"},       {&SaveAs, "SaveAsAction"},
        {&Exit, "ExitAction"},           {&Help, "HelpAction"},       {&Write, "WriteAction"},
        {&Read, "ReadAction"},           {&Compare, "CompareAction"}, {&SetTime, "SetTimeAction"},
        {&ReadTime, "ReadTimeAction"},   {&Cancel, "CancelAction"},   {&Print, "PrintAction"},
        {&ExportPdf, "ExportPdfAction"}, {&Undo, "UndoAction"},       {&Redo, "RedoAction"},
    };
    for (const auto &[action, name] : names) {
        action->setObjectName(QString::fromLatin1(name));
        // The keys work wherever the focus is in the window, editors of the grids included.
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
    // Nothing to undo or redo yet, and nothing to cancel.
    Undo.setEnabled(false);
    Redo.setEnabled(false);
    Cancel.setEnabled(false);
}

void MainActions::SetBusy(bool busy)
{
    for (QAction *action : {&Load, &Write, &Read, &Compare, &SetTime, &ReadTime}) {
        action->setEnabled(!busy);
    }
    Cancel.setEnabled(busy);
}

QString MainActions::ButtonCaption(const QAction &action)
{
    // Without an icon text of its own an action gives its text without the "&", which a
    // button's caption keeps for its Alt key; one set for a button has it.
    const QString icon = action.iconText();
    return icon.contains(QLatin1Char('&')) ? icon : action.text();
}

void MainActions::Bind(QAbstractButton &button, QAction &action)
{
    button.setEnabled(action.isEnabled());
    button.setText(ButtonCaption(action));
    connect(&button, &QAbstractButton::clicked, &action, [&action] { action.trigger(); });
    connect(&action, &QAction::changed, &button, [&button, &action] {
        button.setEnabled(action.isEnabled());
        button.setText(ButtonCaption(action));
    });
}

std::vector<QAction *> MainActions::All()
{
    return {&Load,    &Save,     &SaveAs, &Exit,  &Help,      &Write, &Read, &Compare,
            &SetTime, &ReadTime, &Cancel, &Print, &ExportPdf, &Undo,  &Redo};
}

void MainActions::FollowHistory(const QUndoStack &history)
{
    Undo.setEnabled(history.canUndo());
    Redo.setEnabled(history.canRedo());
    connect(&history, &QUndoStack::canUndoChanged, &Undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, &Redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this, [this](const QString &step) {
        //: %1 is the step to undo, for example "Edit slot 3 of output 2"
        Undo.setText(step.isEmpty() ? tr("Undo") : tr("Undo %1").arg(step));
    });
    connect(&history, &QUndoStack::redoTextChanged, this, [this](const QString &step) {
        //: %1 is the step to redo, for example "Edit slot 3 of output 2"
        Redo.setText(step.isEmpty() ? tr("Redo") : tr("Redo %1").arg(step));
    });
}

} // namespace korvelt
