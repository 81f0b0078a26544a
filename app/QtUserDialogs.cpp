#include "app/QtUserDialogs.h"

#include "app/CompareDialog.h"
#include "app/CopyOutputsDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QSpacerItem>
#include <QStyle>
#include <QVariantMap>

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>

namespace korvelt {

namespace {

QString Caption()
{
    return QApplication::applicationDisplayName();
}

// Shows a message box at least as wide as its title needs, so that the title bar does not cut
// it: the title in the title bar's font, with room for the icon and the buttons beside it,
// which on some desktops are wider than the bar is high. The button pressed.
int ShowWholeTitle(QMessageBox &box)
{
    const QFontMetrics titleFont(QApplication::font("QMdiSubWindowTitleBar"));
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int width = titleFont.horizontalAdvance(box.windowTitle()) + 5 * bar;
    // A message box sizes itself to its layout when shown: a row as wide as the title widens it.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return box.exec();
}

int ShowBox(QWidget *owner, QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton preferred = QMessageBox::NoButton, const QString &informative = QString())
{
    QMessageBox box(icon, Caption(), text, buttons, owner);
    box.setInformativeText(informative);
    if (preferred != QMessageBox::NoButton) {
        box.setDefaultButton(preferred);
    }
    return ShowWholeTitle(box);
}

} // namespace

void QtUserDialogs::ShowError(const QString &text)
{
    ShowBox(owner_, QMessageBox::Critical, text, QMessageBox::Ok);
}

void QtUserDialogs::ShowError(const QString &text, const QString &informative)
{
    ShowBox(owner_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::NoButton, informative);
}

void QtUserDialogs::ShowInformation(const QString &text)
{
    ShowBox(owner_, QMessageBox::Information, text, QMessageBox::Ok);
}

std::optional<int> QtUserDialogs::ChooseDevice(const QString &text, const QStringList &units, int preselected)
{
    QDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("DeviceChoiceDialog"));
    dialog.setWindowTitle(Caption());
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("DeviceChoiceList"));
    //: Name of the list of KORVELTs attached, for screen readers
    list->setAccessibleName(tr("KORVELTs attached"));
    label->setBuddy(list);
    list->addItems(units);
    list->setCurrentRow(preselected);
    const int rows = static_cast<int>(units.size());
    list->setMinimumHeight(list->sizeHintForRow(0) * std::min(rows, 8) + 2 * list->frameWidth() + 4);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // A double-click or Enter on a line takes it.
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) {
        return std::nullopt;
    }
    return list->currentRow();
}

UserDialogs::Answer QtUserDialogs::AskYesNoCancel(const QString &text)
{
    switch (ShowBox(owner_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
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
    return ShowBox(owner_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

namespace {

#ifdef _WIN32
// Qt's file dialogs keep their state under HKEY_CURRENT_USER\Software\QtProject whatever the
// program's own settings are. For a portable copy that key is put back as it was when the
// dialog closes: removed when it was not there, its FileDialog values restored when it was.
class QtDialogStateKept {
public:
    explicit QtDialogStateKept(bool portable) : portable_(portable)
    {
        if (!portable_) {
            return;
        }
        HKEY key = nullptr;
        existed_ = RegOpenKeyExW(HKEY_CURRENT_USER, QtKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (existed_) {
            RegCloseKey(key);
            QSettings qt(QSettings::UserScope, QStringLiteral("QtProject"));
            qt.beginGroup(QStringLiteral("FileDialog"));
            for (const QString &name : qt.childKeys()) {
                values_.insert(name, qt.value(name));
            }
        }
    }
    QtDialogStateKept(const QtDialogStateKept &) = delete;
    QtDialogStateKept &operator=(const QtDialogStateKept &) = delete;
    QtDialogStateKept(QtDialogStateKept &&) = delete;
    QtDialogStateKept &operator=(QtDialogStateKept &&) = delete;
    ~QtDialogStateKept()
    {
        if (!portable_) {
            return;
        }
        if (!existed_) {
            RegDeleteTreeW(HKEY_CURRENT_USER, QtKey);
            RegDeleteKeyW(HKEY_CURRENT_USER, QtKey);
            return;
        }
        QSettings qt(QSettings::UserScope, QStringLiteral("QtProject"));
        qt.beginGroup(QStringLiteral("FileDialog"));
        qt.remove(QString());
        for (auto value = values_.cbegin(); value != values_.cend(); ++value) {
            qt.setValue(value.key(), value.value());
        }
    }

private:
    static constexpr const wchar_t *QtKey = L"Software\\QtProject";
    bool portable_;
    bool existed_ = false;
    QVariantMap values_;
};
#else
// Elsewhere Qt keeps the dialogs' state in a file of the user's configuration, as every Qt
// program does.
class QtDialogStateKept {
public:
    explicit QtDialogStateKept(bool /*portable*/) {}
};
#endif

} // namespace

std::optional<QString> QtUserDialogs::AskSaveFileName(const QString &filter, const QString &folder,
                                                      const QString &defaultSuffix)
{
    // QFileDialog asks before it replaces an existing file unless told otherwise; with a
    // default suffix it asks about the name the suffix makes.
    const QtDialogStateKept kept(portable_);
    QFileDialog dialog(owner_, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString name = dialog.selectedFiles().constFirst();
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> QtUserDialogs::AskOpenFileName(const QString &filter, const QString &folder)
{
    const QtDialogStateKept kept(portable_);
    const QString name = QFileDialog::getOpenFileName(owner_, QString(), folder, filter);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

UserDialogs::Comparison QtUserDialogs::ShowComparison(const ScheduleModel &window, const ScheduleModel &device,
                                                      const std::vector<ScheduleDifference> &differences)
{
    CompareDialog dialog(window, device, differences, owner_);
    dialog.exec();
    return dialog.Chosen();
}

std::optional<std::vector<int>> QtUserDialogs::AskOutputs(const QString &text, int source)
{
    CopyOutputsDialog dialog(text, source, owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Chosen();
}

void QtUserDialogs::ShowPrintPreview(const QPageLayout &layout, const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    // The printer's own margins would lay the pages out otherwise than the PDF.
    printer.setFullPage(false);
    printer.setPageLayout(layout);
    printer.setDocName(QStringLiteral("KORVELT Time Control"));
    QPrintPreviewDialog preview(&printer, owner_);
    //: Title of the print preview window
    preview.setWindowTitle(tr("Print"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter *target) { paint(*target); });
    preview.exec();
}

} // namespace korvelt
