#pragma once

#include "app/UserDialogs.h"

#include <QBuffer>
#include <QPdfWriter>

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace korvelt::test {

// Answers the main window's questions and file dialogs from a script and records every
// message, so that no test ever blocks on a modal window. A question nobody scripted an
// answer for is answered with Cancel, a file dialog with nothing left in the script is
// cancelled.
class ScriptedDialogs : public UserDialogs {
public:
    struct Log {
        QStringList Errors;
        QStringList Informations;
        QStringList Questions;
        std::vector<std::vector<ScheduleDifference>> Comparisons;
        std::vector<QByteArray> PrintPreviews;                // what each preview showed, as a PDF
        std::vector<QPageLayout> PreviewLayouts;              // the paper and margins each preview was given
        std::vector<std::pair<QString, int>> OutputQuestions; // the text and the source output
        // Each choice of KORVELT: its text, its lines and the line preselected.
        std::vector<std::tuple<QString, QStringList, int>> DeviceChoices;
    };

    using UserDialogs::ShowError; // a second text is logged as the text's last line
    void ShowError(const QString &text) override { log.Errors << text; }
    void ShowInformation(const QString &text) override { log.Informations << text; }
    Answer AskYesNoCancel(const QString &text) override
    {
        log.Questions << text;
        if (answers.empty()) {
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // A Yes/No question ("Write anyway?") is recorded with the others and answered from its
    // own script; with nothing scripted it is answered Yes, so that it stops no test of writing.
    bool AskYesNo(const QString &text) override
    {
        log.Questions << text;
        if (yesNoAnswers.empty()) {
            return true;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<QString> AskSaveFileName(const QString &filter, const QString &folder,
                                           const QString & /*defaultSuffix*/) override
    {
        return NextFileName(filter, folder);
    }
    std::optional<QString> AskOpenFileName(const QString &filter, const QString &folder) override
    {
        return NextFileName(filter, folder);
    }
    Comparison ShowComparison(const ScheduleModel & /*window*/, const ScheduleModel & /*device*/,
                              const std::vector<ScheduleDifference> &differences) override
    {
        log.Comparisons.push_back(differences);
        if (compareLine && *compareLine < differences.size()) {
            return {Comparison::Choice::GoTo, differences.at(*compareLine)};
        }
        return {takeCompared ? Comparison::Choice::Take : Comparison::Choice::Keep, {}};
    }
    // A choice of outputs is answered from its own script; with nothing scripted it is
    // cancelled.
    std::optional<std::vector<int>> AskOutputs(const QString &text, int source) override
    {
        log.OutputQuestions.emplace_back(text, source);
        if (outputAnswers.empty()) {
            return std::nullopt;
        }
        std::optional<std::vector<int>> answer = outputAnswers.front();
        outputAnswers.pop_front();
        return answer;
    }
    // A choice of KORVELT is answered from its own script (-1 cancels); with nothing scripted
    // the line preselected is taken.
    std::optional<int> ChooseDevice(const QString &text, const QStringList &units, int preselected) override
    {
        log.DeviceChoices.emplace_back(text, units, preselected);
        if (deviceAnswers.empty()) {
            return preselected;
        }
        const int answer = deviceAnswers.front();
        deviceAnswers.pop_front();
        return answer < 0 ? std::nullopt : std::optional<int>(answer);
    }
    void ShowPrintPreview(const QPageLayout &layout, const std::function<void(QPagedPaintDevice &)> &paint) override
    {
        log.PreviewLayouts.push_back(layout);
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(layout);
            paint(writer);
        }
        log.PrintPreviews.push_back(pdf);
    }

    // Scripted answers, used in order. An empty file name cancels the dialog.
    std::deque<Answer> answers;
    std::deque<bool> yesNoAnswers;
    std::deque<QString> fileNames;
    std::deque<std::optional<std::vector<int>>> outputAnswers; // nothing cancels
    std::deque<int> deviceAnswers;                             // -1 cancels
    QString lastFilter;
    QString lastFolder;                     // the folder the last file dialog opened in
    bool takeCompared = false;              // the answer to a comparison
    std::optional<std::size_t> compareLine; // a line of the comparison clicked, before any answer
    Log log;

private:
    std::optional<QString> NextFileName(const QString &filter, const QString &folder)
    {
        lastFilter = filter;
        lastFolder = folder;
        if (fileNames.empty()) {
            return std::nullopt;
        }
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
    }
};

} // namespace korvelt::test
