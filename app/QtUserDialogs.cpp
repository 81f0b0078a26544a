#include "QtUserDialogs.h"

#include "CompareDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace korvelt {

namespace {

QString Caption()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void QtUserDialogs::ShowError(const QString &text)
{
    QMessageBox::critical(owner_, Caption(), text, QMessageBox::Ok);
}

void QtUserDialogs::ShowInformation(const QString &text)
{
    QMessageBox::information(owner_, Caption(), text, QMessageBox::Ok);
}

UserDialogs::Answer QtUserDialogs::AskYesNoCancel(const QString &text)
{
    switch (QMessageBox::question(owner_, Caption(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtUserDialogs::AskYesNo(const QString &text)
{
    return QMessageBox::question(owner_, Caption(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<QString> QtUserDialogs::AskSaveFileName(const QString &filter)
{
    // QFileDialog asks before it replaces an existing file unless told otherwise.
    const QString name = QFileDialog::getSaveFileName(owner_, QString(), QString(), filter);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> QtUserDialogs::AskOpenFileName(const QString &filter)
{
    const QString name = QFileDialog::getOpenFileName(owner_, QString(), QString(), filter);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

bool QtUserDialogs::ShowComparison(const ScheduleModel &window, const ScheduleModel &device,
                                  const std::vector<ScheduleDifference> &differences)
{
    CompareDialog dialog(window, device, differences, owner_);
    dialog.exec();
    return dialog.TakeChosen();
}

} // namespace korvelt
