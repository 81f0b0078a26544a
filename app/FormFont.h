#pragma once

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace korvelt {

// The font of the program's windows: Tahoma at 11 pixels where it is installed; elsewhere the
// desktop's own font at that size, which is what the system would put in its place, found
// without searching every installed face for the missing one each time a window is made.
inline QFont FormFont()
{
    static const bool hasTahoma = QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    QFont font = hasTahoma ? QFont(QStringLiteral("Tahoma")) : QApplication::font();
    font.setPixelSize(11);
    return font;
}

} // namespace korvelt
