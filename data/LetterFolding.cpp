#include "LetterFolding.h"

namespace {

bool isDropped(char16_t c) {
    return (c >= 0x0610 && c <= 0x061A) ||  // honorific and small high marks
           (c >= 0x064B && c <= 0x065F) ||  // harakat, shadda, sukun and their kin
           c == 0x0670 ||                   // superscript alef
           c == 0x0640 ||                   // tatweel
           (c >= 0x06D6 && c <= 0x06ED && c != 0x06DE && c != 0x06E9);  // Quranic marks
}

char16_t folded(char16_t c) {
    switch (c) {
        case 0x0622:  // alef with madda
        case 0x0623:  // alef with hamza above
        case 0x0625:  // alef with hamza below
        case 0x0671:  // alef wasla
            return 0x0627;
        case 0x0649:  // alef maksura
        case 0x0626:  // yeh with hamza above
            return 0x064A;
        case 0x0629:  // teh marbuta
            return 0x0647;
        case 0x0624:  // waw with hamza above
            return 0x0648;
        default:
            return c;
    }
}

}  // namespace

QString foldLetterForms(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!isDropped(c.unicode()))
            result.append(QChar(folded(c.unicode())));
    }
    return result;
}

QString foldKeyboardLetters(QStringView text) {
    QString result = text.toString();
    result.replace(u'\u06A9', u'\u0643');
    result.replace(u'\u06CC', u'\u064A');
    result.replace(u'\u06BE', u'\u0647');
    return result;
}

QString foldKeyboardLettersAndForms(QStringView text) {
    return foldLetterForms(foldKeyboardLetters(text));
}

QString foldCase(QStringView text) {
    return text.toString().toCaseFolded();
}
