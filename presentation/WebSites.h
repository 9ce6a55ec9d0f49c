#pragma once

#include <QString>
#include <QUrl>

// The two pages of the Help menu: the site of the program's texts, and the program's own page,
// a file installed beside the program, which opens without a network.
namespace WebSites {

inline const QString kIslamicSiteHost = QStringLiteral("tanzil.net");
inline const QString kProgramPageName = QStringLiteral("zephyrane.html");

// " < name > ", as the menu shows a page in every language.
inline QString caption(const QString& name) {
    return QStringLiteral(" < ") + name + QStringLiteral(" > ");
}

QUrl islamicSite();
QUrl programPage();

}  // namespace WebSites
