#include "app/HelpMenu.h"

#include "app/UserDialogs.h"
#include "text/Languages.h"

#include <QPushButton>
#include <QSettings>

namespace korvelt {

HelpMenu::HelpMenu(QPushButton &button, QSettings *settings, UserDialogs &dialogs, bool guide)
    : QObject(&button), UserGuide(this), settings_(settings), dialogs_(dialogs), menu_(&button), languages_(&menu_),
      group_(this)
{
    UserGuide.setObjectName(QStringLiteral("UserGuideAction"));
    UserGuide.setText(tr("&User Guide"));
    UserGuide.setShortcut(QKeySequence::HelpContents);
    UserGuide.setShortcutContext(Qt::WidgetShortcut); // F1 itself opens the page of the tab in view
    UserGuide.setEnabled(guide);
    menu_.setObjectName(QStringLiteral("HelpMenu"));
    menu_.addAction(&UserGuide);

    languages_.setObjectName(QStringLiteral("LanguageMenu"));
    languages_.setTitle(tr("&Language"));
    languages_.setEnabled(settings_ != nullptr);
    const QString chosen = settings_ != nullptr ? settings_->value(QLatin1String(LanguageKey)).toString() : QString();
    QList<std::pair<QString, QString>> choices{{QString(), tr("System", "the desktop's language")}};
    for (const ProgramLanguage &language : ProgramLanguages()) {
        choices.append({language.Code, language.Name});
    }
    for (const auto &[code, name] : choices) {
        QAction *action = languages_.addAction(name);
        action->setObjectName(QStringLiteral("Language") + (code.isEmpty() ? QStringLiteral("System") : code));
        action->setCheckable(true);
        action->setChecked(code == (SpokenLanguage(chosen) == chosen ? chosen : QString()));
        group_.addAction(action);
        connect(action, &QAction::triggered, this, [this, code = code] { Choose(code); });
    }
    menu_.addMenu(&languages_);
    button.setMenu(&menu_);
}

void HelpMenu::Choose(const QString &code)
{
    if (settings_ == nullptr) {
        return;
    }
    if (code.isEmpty()) {
        settings_->remove(QLatin1String(LanguageKey));
    } else {
        settings_->setValue(QLatin1String(LanguageKey), code);
    }
    settings_->sync();
    dialogs_.ShowInformation(tr("The language changes when the program is started again."));
}

} // namespace korvelt
