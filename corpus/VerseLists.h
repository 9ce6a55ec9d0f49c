#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "FileError.h"

// The characters (UTF-16 code units) of `revstr` in reverse order. Every corpus field is
// stored reversed.
QString reversestring(QStringView revstr);

// Six parallel lists, one entry per verse in corpus order: entry i belongs to ordinal i + 1.
struct VerseLists {
    static constexpr int kCount = 6236;

    QStringList List1;  // verse text
    QStringList List2;  // English explanation
    QStringList List3;  // Arabic explanation
    QStringList List4;  // Kurdish explanation
    QStringList List5;  // verse number within its surah
    QStringList List6;  // surah's Arabic name

    // Entry of `list` for a verse ordinal (1-based); empty text for any ordinal outside
    // 1..list size.
    static QString entry(const QStringList& list, qint64 ordinal);
};

// Fills all six lists (exactly kCount entries each) from the first kCount lines of the
// corpus file, or returns the error and leaves `lists` empty.
std::optional<FileError> loadVerseLists(const QString& path, VerseLists& lists);
// The same from the file's bytes; `path` only names the file in an error.
std::optional<FileError> parseVerseLists(QByteArrayView bytes, const QString& path,
                                         VerseLists& lists);

// The corpus lives in the program's own folder, not the working directory.
QString corpusPath(const QString& programFolder);
