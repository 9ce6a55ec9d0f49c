#include "Windows1256.h"

#include <algorithm>
#include <array>

namespace windows1256 {
namespace {

// Bytes 0x00..0x7F are ASCII; this is the upper half.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0679, 0x2039, 0x0152, 0x0686, 0x0698, 0x0688,  // 0x88
    0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA,  // 0x98
    0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F,  // 0xB8
    0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,  // 0xC0
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F,  // 0xC8
    0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7,  // 0xD0
    0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,  // 0xD8
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,  // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF,  // 0xE8
    0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,  // 0xF0
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,  // 0xF8
};

struct ReverseEntry {
    char16_t unicode;
    char byte;
};

// The upper half sorted by code unit, for encoding by binary search.
std::array<ReverseEntry, 128> makeReverseTable() {
    std::array<ReverseEntry, 128> table{};
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        table[i] = {kUpperHalf[i], static_cast<char>(0x80 + i)};
    std::sort(table.begin(), table.end(),
              [](const ReverseEntry& a, const ReverseEntry& b) { return a.unicode < b.unicode; });
    return table;
}

}  // namespace

char16_t toUnicode(unsigned char byte) {
    return byte < 0x80 ? char16_t(byte) : kUpperHalf[byte - 0x80u];
}

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<QByteArray> encode(QStringView text) {
    static const std::array<ReverseEntry, 128> reverse = makeReverseTable();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        const auto found =
            std::lower_bound(reverse.begin(), reverse.end(), unit,
                             [](const ReverseEntry& e, char16_t u) { return e.unicode < u; });
        if (found == reverse.end() || found->unicode != unit)
            return std::nullopt;
        *out++ = found->byte;
    }
    return bytes;
}

}  // namespace windows1256
