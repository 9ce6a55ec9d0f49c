#pragma once

#include <QByteArray>

struct Sources;

// The bytes of Data/6.HTA: line n describes verse n with six reversed fields (verse text,
// English, Kurdish, Arabic, verse number, surah name) joined by the delimiter, CR LF ends.
QByteArray corpusFileBytes(const Sources& sources);
