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
    : QObject(&window), Load(QStringLiteral("&Load File…"), this), Save(QStringLiteral("&Save"), this),
      SaveAs(QStringLiteral("Save &As…"), this), Exit(QStringLiteral("E&xit"), this),
      Help(QStringLiteral("&Help"), this), Write(QStringLiteral("&Write To KORVELT"), this),
      Read(QStringLiteral("&Read From KORVELT"), this), Compare(QStringLiteral("&Compare with KORVELT"), this),
      SetTime(QStringLiteral("Set &Time"), this), ReadTime(QStringLiteral("Read T&ime"), this),
      Cancel(QStringLiteral("Cancel"), this), Print(QStringLiteral("&Print…"), this),
      ExportPdf(QStringLiteral("Export P&DF…"), this), Undo(QStringLiteral("&Undo"), this),
      Redo(QStringLiteral("&Redo"), this)
{
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

void MainActions::Bind(QAbstractButton &button, QAction &action)
{
    button.setEnabled(action.isEnabled());
    connect(&button, &QAbstractButton::clicked, &action, [&action] { action.trigger(); });
    connect(&action, &QAction::changed, &button, [&button, &action] { button.setEnabled(action.isEnabled()); });
}

std::vector<QAction *> MainActions::All()
{
    return {&Load,    &Save,     &SaveAs, &Exit,  &Help,      &Write, &Read, &Compare,
            &SetTime, &ReadTime, &Cancel, &Print, &ExportPdf, &Undo,  &Redo};
}

void MainActions::FollowHistory(const QUndoStack &history)
{
    const auto named = [](QAction &action, const QString &verb, const QString &step) {
        action.setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
    };
    Undo.setEnabled(history.canUndo());
    Redo.setEnabled(history.canRedo());
    connect(&history, &QUndoStack::canUndoChanged, &Undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, &Redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this,
            [this, named](const QString &step) { named(Undo, QStringLiteral("Undo"), step); });
    connect(&history, &QUndoStack::redoTextChanged, this,
            [this, named](const QString &step) { named(Redo, QStringLiteral("Redo"), step); });
}

} // namespace korvelt
