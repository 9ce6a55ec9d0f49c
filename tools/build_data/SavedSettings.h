#pragma once

#include <QString>
#include <QStringList>

// The one row of table Lang in an existing Quran.MDB: the user's settings, kept by a rebuild.
namespace savedsettings {

enum class Found { NoFile, NoRow, Row, Unreadable };

struct Lookup {
    Found found = Found::NoFile;
    QStringList values;  // in the order of FactorySettings::columns(); set when found == Row
    QString problem;     // set when found == Unreadable
};

// Reads the row of an existing database. A column it lacks takes its factory value.
Lookup readExisting(const QString& databasePath);

}  // namespace savedsettings
