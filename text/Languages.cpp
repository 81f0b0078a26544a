#include "text/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace korvelt {

namespace {

const QString English = QStringLiteral("en");

// A locale name that means "no language": the C library's own.
bool IsPlainCLocale(const QString &name)
{
    const QString base = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX");
}

} // namespace

QList<ProgramLanguage> ProgramLanguages()
{
    return {
        {English, QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
    };
}

QString SpokenLanguage(const QString &localeName)
{
    QString code = localeName.section(QLatin1Char('.'), 0, 0)
                       .section(QLatin1Char('@'), 0, 0)
                       .section(QLatin1Char('_'), 0, 0)
                       .section(QLatin1Char('-'), 0, 0)
                       .toLower();
    for (const ProgramLanguage &language : ProgramLanguages()) {
        if (language.Code == code) {
            return code;
        }
    }
    return {};
}

QString EnvironmentLanguage(const std::function<QString(const char *)> &variable)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    if (IsPlainCLocale(locale)) {
        return English;
    }
    for (const QString &entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QString spoken = SpokenLanguage(entry); !spoken.isEmpty()) {
            return spoken;
        }
    }
    QString spoken = SpokenLanguage(locale);
    return spoken.isEmpty() ? English : spoken;
}

QString SystemLanguage()
{
#ifdef _WIN32
    for (const QString &name : QLocale::system().uiLanguages()) {
        if (QString spoken = SpokenLanguage(name); !spoken.isEmpty()) {
            return spoken;
        }
    }
    return English;
#else
    return EnvironmentLanguage([](const char *name) { return qEnvironmentVariable(name); });
#endif
}

QString ChosenLanguage(const QString &setting)
{
    QString spoken = SpokenLanguage(setting);
    return spoken.isEmpty() || spoken != setting ? SystemLanguage() : spoken;
}

bool InstallTranslations(QCoreApplication &application, const QString &code)
{
    if (code == English || SpokenLanguage(code) != code) {
        return code == English;
    }
    // The translators become the application object's and live as long as it does.
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/korvelt_") + code + QStringLiteral(".qm"))) {
        return false;
    }
    // Qt's own: from Qt's translations folder (Debian's qt6-translations-l10n; on Windows the
    // translations folder beside the program). The window still works without them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt->setParent(&application);
        QCoreApplication::installTranslator(qt.release());
    }
    program->setParent(&application);
    QCoreApplication::installTranslator(program.release());
    return true;
}

} // namespace korvelt
