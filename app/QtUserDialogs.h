#pragma once

#include "UserDialogs.h"

#include <QPointer>
#include <QWidget>

namespace korvelt {

// The platform's own message boxes and file dialogs.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget *owner) : owner_(owner) {}

    void ShowError(const QString &text) override;
    void ShowInformation(const QString &text) override;
    Answer AskYesNoCancel(const QString &text) override;
    std::optional<QString> AskSaveFileName(const QString &filter) override;
    std::optional<QString> AskOpenFileName(const QString &filter) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace korvelt
