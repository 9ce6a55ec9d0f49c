#pragma once

#include <QString>

struct SourceText;

// Writes Data/AWAR.MDB: one row per word of the clean text, in verse and word order.
// Returns the number of rows.
int writeSearchDatabase(const QString& path, const SourceText& cleanText);
