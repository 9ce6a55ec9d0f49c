#include "WebSites.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace WebSites {

QUrl islamicSite() {
    return QUrl(QStringLiteral("https://") + kIslamicSiteHost + QLatin1Char('/'));
}

QUrl programPage() {
    return QUrl::fromLocalFile(
        QDir(QCoreApplication::applicationDirPath()).filePath(kProgramPageName));
}

bool open(const QUrl& page) {
    return QDesktopServices::openUrl(page);
}

}  // namespace WebSites
