#pragma once

#include <QString>
#include <optional>

#include "Quran1.h"

// Opens the two databases of the runtime folder `folder` ("Data/Quran.MDB" read-write,
// "Data/AWAR.MDB" read-only), the three record sources over them and the settings row, and
// the per-user settings store.
// A file that fails SQLite's quick check is damaged and does not open. The objects belong to
// `owner`. On failure the message names the file at fault.
std::optional<QString> openQuran1Sources(const QString& folder, const VerseLists& verseLists,
                                         QObject* owner, Quran1Sources& sources);
