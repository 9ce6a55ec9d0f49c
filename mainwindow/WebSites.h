#pragma once

#include <QString>

// The two sites of the Help menu: the source of the program's texts, and the maker's page.
namespace WebSites {

inline const QString kIslamicSiteHost = QStringLiteral("tanzil.net");
inline const QString kMakerSiteHost = QStringLiteral("zephyrane.example");

// " < host > ", as the menu shows a site in every language.
inline QString caption(const QString& host) {
    return QStringLiteral(" < ") + host + QStringLiteral(" > ");
}

void open(const QString& host);

}  // namespace WebSites
