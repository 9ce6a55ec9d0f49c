#include "NoBrowserMessage.h"

using namespace Qt::StringLiterals;

QString noBrowserMessage(UiLanguage language, const QString& page) {
    switch (language) {
        case UiLanguage::Arabic:
            return u"تعذّر تشغيل متصفح الإنترنت لفتح:\n%1"_s.arg(page);
        case UiLanguage::Kurdish:
            return u"نەتوانرا هیچ وێبگەڕێک بکرێتەوە بۆ کردنەوەی:\n%1"_s.arg(page);
        case UiLanguage::English:
            break;
    }
    return u"No web browser could be started to open:\n%1"_s.arg(page);
}
