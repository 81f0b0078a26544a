#pragma once

#include <QString>

#include <optional>

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
    // An information box with one OK button.
    virtual void ShowInformation(const QString &text) = 0;
    // A confirmation box with Yes, No and Cancel.
    virtual Answer AskYesNoCancel(const QString &text) = 0;
    // File dialogs; nothing when the user cancels. The save dialog asks before it replaces
    // an existing file.
    virtual std::optional<QString> AskSaveFileName(const QString &filter) = 0;
    virtual std::optional<QString> AskOpenFileName(const QString &filter) = 0;
};

} // namespace korvelt
