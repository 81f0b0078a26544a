#include "helpviewer/ChmTextBrowser.h"

#include <QDesktopServices>

namespace korvelt {

ChmTextBrowser::ChmTextBrowser(const ChmArchive &archive, QWidget *parent) : QTextBrowser(parent), archive_(archive)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmTextBrowser::FollowLink);
}

QUrl ChmTextBrowser::UrlOf(const QString &objectPath)
{
    const qsizetype hash = objectPath.indexOf(QLatin1Char('#'));
    const QString path = hash < 0 ? objectPath : objectPath.left(hash);
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
    if (hash >= 0) {
        url.setFragment(objectPath.mid(hash + 1));
    }
    return url;
}

QVariant ChmTextBrowser::loadResource(int type, const QUrl &name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != Scheme) {
        return {};
    }
    const std::optional<std::string> bytes = archive_.Read(url.path(QUrl::FullyDecoded).toStdString());
    if (!bytes) {
        return {};
    }
    QByteArray data(bytes->data(), static_cast<qsizetype>(bytes->size()));
    if (type == QTextDocument::StyleSheetResource) {
        return QString::fromUtf8(data);
    }
    return data;
}

void ChmTextBrowser::FollowLink(const QUrl &url)
{
    const QUrl target = url.isRelative() ? source().resolved(url) : url;
    if (target.scheme() == Scheme) {
        setSource(target);
    } else {
        QDesktopServices::openUrl(target);
    }
}

} // namespace korvelt
