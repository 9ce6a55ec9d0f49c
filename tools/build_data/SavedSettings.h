#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The one row of table Lang in Quran.MDB: the user's settings.
namespace savedsettings {

inline constexpr std::array<const char*, 15> kColumns = {
    "Kalima", "Aia", "AiaNo", "Ara", "AraNo", "Kurd", "KurdNo", "Eng",
    "EngNo",  "NO1", "NO2",   "NO3", "NO4",   "Lang", "Sura"};

// Values in column order: what a first start and the reset command show.
QStringList factoryValues();

enum class Found { NoFile, NoRow, Row, Unreadable };

struct Lookup {
    Found found = Found::NoFile;
    QStringList values;  // column order; set when found == Row
    QString problem;     // set when found == Unreadable
};

// Reads the row of an existing database. A column it lacks takes its factory value.
Lookup readExisting(const QString& databasePath);

}  // namespace savedsettings
