#pragma once

#include "helpviewer/ChmArchive.h"

#include <QTextBrowser>
#include <QUrl>

namespace korvelt {

// A text browser that takes its pages, style sheets and images from a compiled help file.
// Pages are addressed as chm:/path/page.htm, so that relative links and image sources
// resolve inside the archive; a link to anything else opens in the desktop's own handler.
class ChmTextBrowser : public QTextBrowser {
    Q_OBJECT

public:
    static inline const QString Scheme = QStringLiteral("chm");

    explicit ChmTextBrowser(const ChmArchive &archive, QWidget *parent = nullptr);

    // The address of an object of the archive ("/page.htm" or "page.htm#part").
    static QUrl UrlOf(const QString &objectPath);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void FollowLink(const QUrl &url);

    const ChmArchive &archive_;
};

} // namespace korvelt
