#pragma once

#include <QString>
#include <QXmlStreamReader>

namespace korvelt::test {

// The text of a translation file's element just started (a source, a translation, a plural
// form), with the characters lupdate writes as <byte value="xd"/> (a carriage return, which
// XML cannot hold as it is) put back.
inline QString TsText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            ++depth;
            bool ok = false;
            const auto code = xml.attributes().value(QLatin1String("value")).mid(1).toUInt(&ok, 16);
            if (xml.name() == QLatin1String("byte") && ok) {
                text += QChar(static_cast<char16_t>(code));
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}

} // namespace korvelt::test
