#pragma once

#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace korvelt {

// The platform's own message boxes and file dialogs, each over the owner window.
class QtUserDialogs : public UserDialogs {
    Q_DECLARE_TR_FUNCTIONS(QtUserDialogs)

public:
    explicit QtUserDialogs(QWidget *owner = nullptr) : owner_(owner) {}

    // The window the boxes belong to; it is made after the dialogs it is given.
    void SetOwner(QWidget *owner) { owner_ = owner; }
    // A portable copy: what Qt's file dialogs keep of their own in the user's registry (the last
    // folder, the view) is taken out again once each dialog is closed.
    void SetPortable(bool portable) { portable_ = portable; }

    void ShowError(const QString &text) override;
    void ShowError(const QString &text, const QString &informative) override;
    void ShowInformation(const QString &text) override;
    Answer AskYesNoCancel(const QString &text) override;
    bool AskYesNo(const QString &text) override;
    std::optional<QString> AskSaveFileName(const QString &filter, const QString &folder,
                                           const QString &defaultSuffix) override;
    std::optional<QString> AskOpenFileName(const QString &filter, const QString &folder) override;
    Comparison ShowComparison(const ScheduleModel &window, const ScheduleModel &device,
                              const std::vector<ScheduleDifference> &differences) override;
    std::optional<std::vector<int>> AskOutputs(const QString &text, int source) override;
    std::optional<int> ChooseDevice(const QString &text, const QStringList &units, int preselected) override;
    void ShowPrintPreview(const QPageLayout &layout, const std::function<void(QPagedPaintDevice &)> &paint) override;

private:
    QPointer<QWidget> owner_;
    bool portable_ = false;
};

} // namespace korvelt
