#pragma once

#include "core/ScheduleDifference.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>

#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace korvelt {

// Every message box and file dialog of the main window goes through this interface, so
// that tests can answer them without a modal window.
class UserDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    UserDialogs() = default;
    UserDialogs(const UserDialogs &) = delete;
    UserDialogs &operator=(const UserDialogs &) = delete;
    UserDialogs(UserDialogs &&) = delete;
    UserDialogs &operator=(UserDialogs &&) = delete;
    virtual ~UserDialogs() = default;

    // An error box with one OK button.
    virtual void ShowError(const QString &text) = 0;
    // An error box with a second, smaller text below the first (the file concerned); where
    // boxes have no such place, it is the text's last line.
    virtual void ShowError(const QString &text, const QString &informative)
    {
        ShowError(text + QLatin1Char('\n') + informative);
    }
    // An information box with one OK button.
    virtual void ShowInformation(const QString &text) = 0;
    // A confirmation box with Yes, No and Cancel.
    virtual Answer AskYesNoCancel(const QString &text) = 0;
    // A question with Yes and No, No the default; true for Yes.
    virtual bool AskYesNo(const QString &text) = 0;
    // File dialogs, opening in folder; nothing when the user cancels. The save dialog adds
    // the default suffix to a name without one and asks before it replaces an existing file;
    // given a file's path instead of a folder, it opens in its folder with that name filled in.
    virtual std::optional<QString> AskSaveFileName(const QString &filter, const QString &folder,
                                                   const QString &defaultSuffix) = 0;
    virtual std::optional<QString> AskOpenFileName(const QString &filter, const QString &folder) = 0;
    // What the user chose in the list of differences between the window's schedule and the
    // KORVELT's: keep the window's, take the KORVELT's into the window, or go to the place of
    // the difference clicked.
    struct Comparison {
        enum class Choice { Keep, Take, GoTo };
        Choice Chosen = Choice::Keep;
        ScheduleDifference Place{}; // the difference to go to
    };
    virtual Comparison ShowComparison(const ScheduleModel &window, const ScheduleModel &device,
                                      const std::vector<ScheduleDifference> &differences) = 0;
    // Which outputs to copy output `source` to (outputs count from 0): a check box for each,
    // the source shown ticked and greyed out; `text` says what is copied. The outputs chosen,
    // in order and without the source; nothing when the user cancels.
    virtual std::optional<std::vector<int>> AskOutputs(const QString &text, int source) = 0;
    // Which of several KORVELTs a command goes to: `text` above a list of `units`, one line
    // each, `preselected` chosen to start with; a double-click or Enter takes a line. The line
    // taken; nothing when the user cancels.
    virtual std::optional<int> ChooseDevice(const QString &text, const QStringList &units, int preselected) = 0;
    // A print preview of pages that `paint` lays out on the paper and margins given; the user
    // prints from it through the printer dialog.
    virtual void ShowPrintPreview(const QPageLayout &layout, const std::function<void(QPagedPaintDevice &)> &paint) = 0;
};

} // namespace korvelt
