#pragma once

#include "app/ScheduleDocument.h"
#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QSettings>
#include <QString>

#include <functional>

namespace korvelt {

// The schedule's data files: Save, Save As and Load with their dialogs, the question about
// unsaved changes before the schedule is replaced, the folder the dialogs open in (kept
// between runs) and the file's name as the status area shows it.
class ScheduleFiles {
    Q_DECLARE_TR_FUNCTIONS(ScheduleFiles)

public:
    // storeControls: commits what the window's controls show into the document; false when a
    // typed value was refused, which stops the command. settings may be null: nothing kept.
    ScheduleFiles(ScheduleDocument &document, UserDialogs &dialogs, QSettings *settings,
                  std::function<bool()> storeControls);

    // Save: the dialog offers the schedule's own file; Save As (asNew) asks in its folder for
    // a new name. True when the schedule was saved.
    bool Save(bool asNew = false);
    // Asks for a data file and loads it.
    void Load();
    // Loads a data file; one that does not load is reported by name and the schedule stays.
    bool LoadFile(const QString &fileName);
    // Before the schedule is replaced (a load, a read, closing): stores the controls and,
    // when there are unsaved changes, asks whether to save them. True when it may go.
    bool MayReplaceSchedule();

    // The folder the file dialogs open in.
    [[nodiscard]] QString DialogFolder() const;
    // "File: shop.dat (unsaved changes)", and the file's whole path for its tool tip.
    [[nodiscard]] QString StatusText() const;
    [[nodiscard]] QString StatusToolTip() const;
    // The file's name as the status line shows it; empty for a schedule never saved.
    [[nodiscard]] QString ShownName() const;
    // The name Export PDF suggests: the schedule's own with .pdf, in its folder.
    [[nodiscard]] QString PdfName() const;

private:
    // The file dialogs' filter of data files.
    [[nodiscard]] static QString DataFileFilter();
    void FileChosen(const QString &fileName);

    ScheduleDocument &document_;
    UserDialogs &dialogs_;
    QSettings *settings_;
    std::function<bool()> storeControls_;
};

} // namespace korvelt
