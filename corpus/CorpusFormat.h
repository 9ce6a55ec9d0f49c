#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// What the corpus reader and the data build agree on about the bytes of Data/6.HTA.
namespace corpusformat {

// Two zero-width joiners (byte 0x9E twice in Windows-1256) separate the fields of a line.
inline constexpr QStringView kFieldDelimiter = u"\u200D\u200D";
inline constexpr int kUsedFieldCount = 6;

// A file that begins with the UTF-8 byte order mark is UTF-8.
inline constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";

struct DecodedText {
    QString text;
    int invalidUtf8Line = 0;  // 1-based line of the first invalid UTF-8 sequence; 0 when valid
};

// UTF-8 when the bytes begin with its byte order mark (the mark is dropped), else Windows-1256.
DecodedText decode(QByteArrayView bytes);

// Windows-1256 when every character fits, else UTF-8 behind a byte order mark.
QByteArray encode(QStringView text);

}  // namespace corpusformat
