#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QObject>
#include <QUndoStack>
#include <QWidget>

#include <vector>

namespace korvelt {

// One action per command of the main window, each with its keys. The actions are added to
// the window, so their keys work wherever the focus is in it; a disabled action's keys do
// nothing. A button that stands for a command triggers its action and follows its enabled
// state, so that whatever enables or disables a command does so for its button, its key and
// its menu entry alike; the button takes its caption from the action too.
class MainActions : public QObject {
    Q_OBJECT

public:
    explicit MainActions(QWidget &window);
    MainActions(const MainActions &) = delete;
    MainActions &operator=(const MainActions &) = delete;
    MainActions(MainActions &&) = delete;
    MainActions &operator=(MainActions &&) = delete;
    ~MainActions() override = default;

    QAction Load;
    QAction Save;
    QAction SaveAs;
    QAction Exit;
    QAction Help;
    QAction Write;
    QAction Read;
    QAction Compare;
    QAction SetTime;
    QAction ReadTime;
    QAction Cancel;
    QAction Print;
    QAction ExportPdf;
    QAction Undo;
    QAction Redo;

    // A command on the KORVELT is under way (true) or none is: the commands that would start
    // another one, or replace the schedule it works on, wait; Cancel is there only meanwhile.
    void SetBusy(bool busy);

    // Undo and Redo follow the history: enabled while there is a step, named after it
    // ("Undo Paste 3 slots into output 2").
    void FollowHistory(const QUndoStack &history);

    // `button` triggers `action` when clicked, is enabled exactly while the action is, and
    // shows its caption.
    static void Bind(QAbstractButton &button, QAction &action);
    // The caption of a button that stands for `action`: its icon text where one is set with
    // an Alt letter, else its text.
    [[nodiscard]] static QString ButtonCaption(const QAction &action);

    // Every action, in the order above.
    [[nodiscard]] std::vector<QAction *> All();
};

} // namespace korvelt
