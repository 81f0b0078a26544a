// Which language the program speaks, and that each language's translation loads.

#include "text/Languages.h"

#include <QCoreApplication>
#include <QHash>
#include <QTest>

using namespace korvelt;

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    // The environment, as gettext reads it: LC_ALL, then LC_MESSAGES, then LANG name the
    // locale; a C locale means English whatever LANGUAGE says; otherwise LANGUAGE's first
    // spoken language, then the locale's own; English for a language the program does not speak.
    static void EnvironmentLanguage_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("language");
        // clang-format off
        QTest::newRow("LANGUAGE before LANG") << "LANGUAGE=fr LANG=de_DE.UTF-8" << "fr";
        QTest::newRow("LC_ALL=C is English") << "LANGUAGE=fr LC_ALL=C LANG=de_DE.UTF-8" << "en";
        QTest::newRow("POSIX is English") << "LANG=POSIX" << "en";
        QTest::newRow("nothing set") << "" << "en";
        QTest::newRow("LANG alone") << "LANG=pl_PL.UTF-8" << "pl";
        QTest::newRow("LC_MESSAGES before LANG") << "LC_MESSAGES=it_IT.UTF-8 LANG=de_DE.UTF-8" << "it";
        QTest::newRow("LC_ALL before LC_MESSAGES") << "LC_ALL=nl_BE.UTF-8 LC_MESSAGES=it_IT.UTF-8" << "nl";
        QTest::newRow("region and modifier") << "LANG=de_AT.UTF-8@euro" << "de";
        QTest::newRow("first spoken of LANGUAGE") << "LANGUAGE=pt_BR:es:fr LANG=de_DE.UTF-8" << "es";
        QTest::newRow("none of LANGUAGE spoken") << "LANGUAGE=pt_BR:sv LANG=fr_CH.UTF-8" << "fr";
        QTest::newRow("language not spoken") << "LANG=sv_SE.UTF-8" << "en";
        QTest::newRow("C.UTF-8 is English") << "LANG=C.UTF-8 LANGUAGE=de" << "en";
        QTest::newRow("empty LC_ALL is unset") << "LC_ALL= LANG=es_ES.UTF-8" << "es";
        // clang-format on
    }
    static void EnvironmentLanguage()
    {
        QFETCH(QString, environment);
        QFETCH(QString, language);
        QHash<QString, QString> variables;
        for (const QString &pair : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            variables.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        }
        QCOMPARE(korvelt::EnvironmentLanguage(
                     [&variables](const char *name) { return variables.value(QString::fromLatin1(name)); }),
                 language);
    }

    // A stored choice that names a spoken language is kept; anything else follows the system.
    static void ChosenLanguage_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("language");
        QTest::newRow("chosen German") << "de"
                                       << "de";
        QTest::newRow("chosen English") << "en"
                                        << "en";
        QTest::newRow("system") << ""
                                << "system";
        QTest::newRow("not offered") << "sv"
                                     << "system";
        QTest::newRow("not a code") << "de_DE"
                                    << "system";
    }
    static void ChosenLanguage()
    {
        QFETCH(QString, setting);
        QFETCH(QString, language);
        QCOMPARE(korvelt::ChosenLanguage(setting), language == QLatin1String("system") ? SystemLanguage() : language);
    }

    // Every language the program offers loads its translation; one it does not offer loads none.
    static void TranslationsLoad()
    {
        for (const ProgramLanguage &language : ProgramLanguages()) {
            QVERIFY2(InstallTranslations(*QCoreApplication::instance(), language.Code), qPrintable(language.Code));
        }
        QVERIFY(!InstallTranslations(*QCoreApplication::instance(), QStringLiteral("sv")));
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "test_languages.moc"
