#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The surah name in a search record's reference ("<name> <verse number>"): the text before
// the blank that stands 2, 3 or 4 characters from the end, the last that qualifies winning.
// Empty optional when none qualifies (the caller keeps its previous name).
std::optional<QString> parseSurahName(QStringView reference);
