#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QObject>

class QPushButton;
class QSettings;

namespace korvelt {

class UserDialogs;

// The Help button's menu: the user guide (greyed out without a help file) and the language
// the program speaks. A language chosen is kept in the settings and spoken from the next
// start; without settings there is nowhere to keep it, and the choice is greyed out.
class HelpMenu : public QObject {
    Q_OBJECT

public:
    HelpMenu(QPushButton &button, QSettings *settings, UserDialogs &dialogs, bool guide);

    QAction UserGuide;

private:
    void Choose(const QString &code);

    QSettings *settings_;
    UserDialogs &dialogs_;
    QMenu menu_;
    QMenu languages_;
    QActionGroup group_;
};

} // namespace korvelt
