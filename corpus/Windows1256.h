#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The Windows-1256 (Arabic) code page: one UTF-16 code unit per byte, every byte defined.
namespace windows1256 {

char16_t toUnicode(unsigned char byte);

QString decode(QByteArrayView bytes);

// Empty when any character has no byte in the code page.
std::optional<QByteArray> encode(QStringView text);

}  // namespace windows1256
