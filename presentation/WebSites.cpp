#include "WebSites.h"

#include <QCoreApplication>
#include <QDir>

namespace WebSites {

QUrl islamicSite() {
    return QUrl(QStringLiteral("https://") + kIslamicSiteHost + QLatin1Char('/'));
}

QUrl programPage() {
    return QUrl::fromLocalFile(
        QDir(QCoreApplication::applicationDirPath()).filePath(kProgramPageName));
}

}  // namespace WebSites
