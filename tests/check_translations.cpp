// Checks translation files as lupdate leaves them after reading the sources: every text has a
// finished translation (none unfinished, vanished or obsolete), each translation keeps the
// placeholders of its source (%1, %L2, %n), and a plural text has as many forms as its language
// has. Prints one line per fault and exits 1 when there is any.
//
//   check_translations FILE.ts...

#include "TsText.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

struct Message {
    QString Context;
    QString Source;
    QString Comment;
    bool Numerus = false;
    QString Type;
    QStringList Forms; // one translation, or each plural form
};

QSet<QString> Placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d{1,2}|n)"));
    QSet<QString> found;
    for (auto match = pattern.globalMatch(text); match.hasNext();) {
        found.insert(match.next().captured(0).remove(QLatin1Char('L')));
    }
    return found;
}

// The plural forms Qt gives each language the program speaks.
int PluralForms(const QString &language)
{
    if (language.startsWith(QLatin1String("pl"))) {
        return 3;
    }
    return 2;
}

QList<Message> Read(QFile &file, QString &language, QString &error)
{
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message{};
                message.Context = context;
                message.Numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.Source = korvelt::test::TsText(xml);
            } else if (name == QLatin1String("comment")) {
                message.Comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.Type = xml.attributes().value(QLatin1String("type")).toString();
                if (!message.Numerus) {
                    message.Forms << korvelt::test::TsText(xml);
                }
            } else if (name == QLatin1String("numerusform")) {
                message.Forms << korvelt::test::TsText(xml);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
    }
    return messages;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    int faults = 0;
    const QStringList files = QCoreApplication::arguments().mid(1);
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            out << path << ": cannot be read\n";
            ++faults;
            continue;
        }
        QString language;
        QString error;
        const QList<Message> messages = Read(file, language, error);
        if (!error.isEmpty()) {
            out << path << ": not a translation file: " << error << '\n';
            ++faults;
            continue;
        }
        int translated = 0;
        for (const Message &message : messages) {
            QString where = path + QStringLiteral(": ") + message.Context + QStringLiteral(": \"") + message.Source +
                            QLatin1Char('"');
            if (!message.Comment.isEmpty()) {
                where += QStringLiteral(" (") + message.Comment + QLatin1Char(')');
            }
            if (!message.Type.isEmpty()) {
                out << where << ": " << message.Type << '\n';
                ++faults;
                continue;
            }
            if (message.Numerus && message.Forms.size() != PluralForms(language)) {
                out << where << ": " << message.Forms.size() << " plural forms instead of " << PluralForms(language)
                    << '\n';
                ++faults;
            }
            const QSet<QString> wanted = Placeholders(message.Source);
            bool ok = true;
            for (const QString &form : message.Forms) {
                if (form.trimmed().isEmpty()) {
                    out << where << ": empty translation\n";
                    ok = false;
                } else if (Placeholders(form) != wanted) {
                    out << where << ": the translation \"" << form << "\" does not keep the placeholders\n";
                    ok = false;
                }
            }
            faults += ok ? 0 : 1;
            translated += ok ? 1 : 0;
        }
        out << path << ": " << translated << " of " << messages.size() << " texts translated\n";
    }
    out.flush();
    return faults == 0 && !files.isEmpty() ? 0 : 1;
}
