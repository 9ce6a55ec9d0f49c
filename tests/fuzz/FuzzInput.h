#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What a fuzz target makes of its bytes, and how it reports a broken promise.
namespace fuzzinput {

// Text from the input: with a leading 0 byte the rest is raw UTF-16 (so lone surrogates and
// any code unit occur), otherwise UTF-8.
inline QString text(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 0) {
        QString raw((static_cast<qsizetype>(size) - 1) / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < raw.size(); ++i)
            raw[i] = QChar(char16_t(data[1 + 2 * i] | (data[2 + 2 * i] << 8)));
        return raw;
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Aborts, so the fuzzer keeps the input, when a property does not hold.
inline void require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace fuzzinput
