#pragma once

#include <QString>

#include "SavedSettings.h"

struct SourceText;

struct VerseDatabaseReport {
    int verseRows = 0;
    savedsettings::Found settings =
        savedsettings::Found::NoFile;  // where the settings row came from
    QString unreadableMovedTo;         // set when an unreadable file was moved aside
    QString problem;                   // why it was unreadable
};

// Writes Data/Quran.MDB: the verse table and the settings row. The settings row of an
// existing file is kept; an existing file that cannot be read is moved aside, not lost.
VerseDatabaseReport writeVerseDatabase(const QString& path, const SourceText& cleanText);
