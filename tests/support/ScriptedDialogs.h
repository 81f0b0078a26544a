#pragma once

#include "UserDialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace korvelt::test {

// Answers the main window's questions and file dialogs from a script and records every
// message, so that no test ever blocks on a modal window. A question nobody scripted an
// answer for is recorded as unexpected and answered with Cancel.
class ScriptedDialogs : public UserDialogs {
public:
    struct Log {
        QStringList Errors;
        QStringList Informations;
        QStringList Questions;
        int SaveDialogs = 0;
        int OpenDialogs = 0;
        QStringList Unexpected;
    };

    void ShowError(const QString &text) override { log.Errors << text; }
    void ShowInformation(const QString &text) override { log.Informations << text; }
    Answer AskYesNoCancel(const QString &text) override
    {
        log.Questions << text;
        if (answers.empty()) {
            log.Unexpected << QStringLiteral("question: ") + text;
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> AskSaveFileName(const QString &filter) override
    {
        ++log.SaveDialogs;
        lastFilter = filter;
        return NextFileName(QStringLiteral("save dialog"));
    }
    std::optional<QString> AskOpenFileName(const QString &filter) override
    {
        ++log.OpenDialogs;
        lastFilter = filter;
        return NextFileName(QStringLiteral("open dialog"));
    }

    // Scripted answers, used in order. An empty file name cancels the dialog.
    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    QString lastFilter;
    Log log;

private:
    std::optional<QString> NextFileName(const QString &what)
    {
        if (fileNames.empty()) {
            log.Unexpected << what;
            return std::nullopt;
        }
        const QString name = fileNames.front();
        fileNames.pop_front();
        if (name.isEmpty()) {
            return std::nullopt;
        }
        return name;
    }
};

} // namespace korvelt::test
