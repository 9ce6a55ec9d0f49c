#include "WebSites.h"

#include <QDesktopServices>
#include <QUrl>

namespace WebSites {

void open(const QString& host) {
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + host + QLatin1Char('/')));
}

}  // namespace WebSites
