#pragma once

#include <QString>
#include <vector>

// One source file of `sura|aya|text` lines, validated: exactly one line per verse in
// canonical order. Empty lines and `#` notice lines are skipped.
struct SourceText {
    QString path;
    std::vector<QString> verses;  // index = verse ordinal - 1
    int mappedControls = 0;       // C1 characters replaced through Windows-1256
};

// Throws FileError naming the file and line of the first fault.
SourceText readSourceText(const QString& path);

// The five shipped source files.
struct Sources {
    SourceText quran;
    SourceText quranClean;
    SourceText arabic;
    SourceText kurdish;
    SourceText english;
};

Sources readSources(const QString& folder);
