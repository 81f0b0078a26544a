#pragma once

#include "TsText.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTranslator>
#include <QXmlStreamReader>

namespace korvelt::test {

// A made-up language for finding texts that are not translated: every text that the
// translation files know (context, source and disambiguation, as lupdate found them in the
// sources) comes back recognisably changed: accented, about 40 % longer and in brackets, with
// its placeholders, accelerators and markup left as they are. A text the program shows in
// English although it should be translated is then easy to tell: it still has English words
// outside brackets.
class PseudoTranslator : public QTranslator {
public:
    // Reads the texts of a translation file (.ts); the English words of all of them make up
    // the vocabulary that Leftover() looks for.
    explicit PseudoTranslator(const QString &tsFile)
    {
        QFile file(tsFile);
        if (!file.open(QIODevice::ReadOnly)) {
            return;
        }
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        QString comment;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (xml.name() == QLatin1String("name")) {
                    context = xml.readElementText();
                } else if (xml.name() == QLatin1String("message")) {
                    source.clear();
                    comment.clear();
                } else if (xml.name() == QLatin1String("source")) {
                    source = TsText(xml);
                } else if (xml.name() == QLatin1String("comment")) {
                    comment = xml.readElementText();
                }
            } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                known_.insert(Key(context, source, comment));
                static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
                for (auto match = word.globalMatch(Markless(source)); match.hasNext();) {
                    words_.insert(match.next().captured(0).toLower());
                }
            }
        }
        // Names that stay as they are in every language.
        for (const char *name : {"korvelt", "time", "control", "pdf", "usb", "dat", "json", "csv", "horalux"}) {
            words_.remove(QString::fromLatin1(name));
        }
    }

    [[nodiscard]] bool isEmpty() const override { return known_.isEmpty(); }
    [[nodiscard]] int Count() const { return static_cast<int>(known_.size()); }

    QString translate(const char *context, const char *sourceText, const char *disambiguation, int /*n*/) const override
    {
        const QString source = QString::fromUtf8(sourceText);
        if (!known_.contains(
                Key(QString::fromUtf8(context), source, QString::fromUtf8(disambiguation ? disambiguation : "")))) {
            return {};
        }
        return Pseudo(source);
    }

    // The text changed into the made-up language.
    static QString Pseudo(const QString &source)
    {
        static const QString plain = QStringLiteral("aeiouyAEIOUYcnszCNSZ");
        static const QString accented = QStringLiteral("àéîöüýÂÉÎÖÛÝçñšžÇÑŠŽ");
        QString out = QStringLiteral("[");
        bool inMarkup = false;
        for (qsizetype k = 0; k < source.size(); ++k) {
            const QChar c = source.at(k);
            if (c == QLatin1Char('<')) {
                inMarkup = true;
            } else if (c == QLatin1Char('>')) {
                inMarkup = false;
            }
            // Placeholders (%1, %L2, %n) and accelerators (&x) are kept as they are.
            const bool placeholder = k > 0 && source.at(k - 1) == QLatin1Char('%');
            const bool keep = inMarkup || placeholder || (k > 0 && source.at(k - 1) == QLatin1Char('&')) ||
                              (placeholder && c == QLatin1Char('L'));
            const qsizetype at = keep ? -1 : plain.indexOf(c);
            out += at < 0 ? c : accented.at(at);
        }
        const auto padding = std::max<qsizetype>(1, (source.size() * 2 + 4) / 5 - 2);
        out += QString(padding, QChar(0x00B7)) + QLatin1Char(']');
        return out;
    }

    // The English words of a text shown to the user, outside the made-up language's brackets;
    // empty when there are none.
    [[nodiscard]] QStringList Leftover(const QString &shown) const
    {
        static const QRegularExpression bracketed(QStringLiteral("\\[[^\\]]*\\]"));
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
        QString rest = Markless(shown);
        rest.remove(bracketed);
        QStringList found;
        for (auto match = word.globalMatch(rest); match.hasNext();) {
            const QString candidate = match.next().captured(0);
            if (words_.contains(candidate.toLower())) {
                found << candidate;
            }
        }
        return found;
    }

private:
    static QString Key(const QString &context, const QString &source, const QString &comment)
    {
        return context + QChar(0x1f) + source + QChar(0x1f) + comment;
    }
    // The text without HTML markup and accelerator marks.
    static QString Markless(QString text)
    {
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        return text.remove(tag).remove(QLatin1Char('&'));
    }

    QSet<QString> known_;
    QSet<QString> words_;
};

} // namespace korvelt::test
