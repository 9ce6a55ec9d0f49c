#include "SurahNameParse.h"

std::optional<QString> parseSurahName(QStringView reference) {
    std::optional<QString> name;
    const qsizetype length = reference.size();
    for (qsizetype i = 2; i <= 4; ++i) {
        // Position length - i + 1 counted from 1 is index length - i.
        if (i <= length && reference[length - i] == u' ')
            name = reference.left(length - i).toString();
    }
    return name;
}
