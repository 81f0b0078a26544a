// The main window as a desktop program: its keyboard shortcuts, the choices kept between runs,
// the file name and unsaved-changes marker in the status area, and the folder the file
// dialogs open in.
#include "app/TMainForm.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QStandardPaths>

#include <optional>
#include <utility>

namespace korvelt {

namespace {

const QString GeometryKey = QStringLiteral("Geometry");
const QString UsePCTimeKey = QStringLiteral("UsePCTime");
const QString LastFolderKey = QStringLiteral("LastFolder");
const QString VerifyKey = QStringLiteral("VerifyAfterWriting");

// A yes/no choice as the settings file keeps it; nothing for anything else, so that a hand-
// edited or damaged value falls back to the default.
std::optional<bool> StoredChoice(const QVariant &value)
{
    const QString text = value.toString();
    if (text == QLatin1String("true")) {
        return true;
    }
    if (text == QLatin1String("false")) {
        return false;
    }
    return std::nullopt;
}

// Tab and Shift+Tab leave a date or time picker at once instead of stepping through its day,
// month and year first, so that the keyboard walks the window control by control.
class TabLeavesPicker : public QObject {
public:
    TabLeavesPicker(std::function<bool(bool)> moveFocus, QObject *parent)
        : QObject(parent), moveFocus_(std::move(moveFocus))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
            if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
                const bool forward = key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) == 0;
                moveFocus_(forward);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(bool)> moveFocus_;
};

} // namespace

void TMainForm::ConnectDesktop()
{
    auto *tabFilter = new TabLeavesPicker([this](bool next) { return focusNextPrevChild(next); }, this);
    for (int k = 0; k < SpecialDateCount; ++k) {
        SpecialTimesAdvTabSheet1.SpecialDates().Picker(k).installEventFilter(tabFilter);
    }
    Panel1.SetDateDateTimePicker.installEventFilter(tabFilter);
    Panel1.SetTimeDateTimePicker.installEventFilter(tabFilter);
    SetTabOrder();

    RestoreSettings();
    UpdateFileStatus();
}

void TMainForm::RestoreSettings()
{
    // A settings file that cannot be read is left alone: the window starts as on a first run.
    if (settings_ == nullptr || settings_->status() != QSettings::NoError) {
        return;
    }
    // A geometry that is not one leaves the window at its own size.
    restoreGeometry(settings_->value(GeometryKey).toByteArray());
    for (const auto &[box, key] :
         {std::pair{&Panel1.UsePCTimeCheckBox, UsePCTimeKey}, std::pair{&Panel1.VerifyCheckBox, VerifyKey}}) {
        if (const std::optional<bool> checked = StoredChoice(settings_->value(key))) {
            box->setChecked(*checked);
        }
    }
}

void TMainForm::SaveSettings()
{
    if (settings_ == nullptr) {
        return;
    }
    settings_->setValue(GeometryKey, saveGeometry());
    settings_->setValue(UsePCTimeKey, Panel1.UsePCTimeCheckBox.isChecked());
    settings_->sync();
}

void TMainForm::HelpKeyPressed()
{
    if (!Panel1.HelpButton.isHidden()) {
        help_->DisplayTopic(helpFilePath_, HelpTopicOf(AdvPageControl1.currentWidget()));
    }
}

QString TMainForm::HelpTopicOf(const QWidget *page) const
{
    // The help page of each tab; a tab without one opens the help at its first page.
    const std::initializer_list<std::pair<const QWidget *, const char *>> topics{
        {&TimesAdvTabSheet, "normal-times.htm"},
        {&SpecialTimesAdvTabSheet1, "special-times.htm"},
        {&DaylightSavingAdvTabSheet, "daylight-saving.htm"},
        {&WeekAdvTabSheet, "week.htm"},
    };
    for (const auto &[tab, topic] : topics) {
        if (tab == page) {
            return QString::fromLatin1(topic);
        }
    }
    return {};
}

void TMainForm::UpdateFileStatus()
{
    const QString &fileName = document_.FileName();
    QString text =
        QStringLiteral("File: ") + (fileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(fileName).fileName());
    if (document_.Changed()) {
        text += QStringLiteral(" (unsaved changes)");
    }
    Panel1.FileLabel.setText(text);
    Panel1.FileLabel.setToolTip(QDir::toNativeSeparators(fileName));
}

QString TMainForm::DialogFolder() const
{
    const QString remembered = settings_ != nullptr && settings_->status() == QSettings::NoError
                                   ? settings_->value(LastFolderKey).toString()
                                   : QString();
    const QString &fileName = document_.FileName();
    for (const QString &folder : {remembered, fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath(),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return QDir::homePath();
}

void TMainForm::FileChosen(const QString &fileName)
{
    if (settings_ != nullptr) {
        settings_->setValue(LastFolderKey, QFileInfo(fileName).absolutePath());
    }
}

QString TMainForm::WithSuffix(const QString &fileName, const QString &suffix)
{
    // "shop" is saved as "shop.dat", so that the load dialog lists it among the data files.
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + QLatin1Char('.') + suffix : fileName;
}

} // namespace korvelt
