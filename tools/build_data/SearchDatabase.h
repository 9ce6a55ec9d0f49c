#pragma once

#include <QString>

struct Sources;

struct SearchDatabaseRows {
    int words = 0;         // table Data: one row per word of the clean text
    int explanations = 0;  // tables Arabic, Kurdish and English together: one row per verse
};

// Writes Data/AWAR.MDB: table Data, one row per word of the clean text in verse and word
// order, and one table per explanation, one row per verse, which the search in the
// explanations reads.
SearchDatabaseRows writeSearchDatabase(const QString& path, const Sources& sources);
