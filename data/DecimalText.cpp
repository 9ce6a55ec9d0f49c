#include "DecimalText.h"

#include <cmath>
#include <limits>

namespace {
constexpr qint64 kSaturated = std::numeric_limits<qint64>::max() / 10 - 9;
}

namespace DecimalText {

qint64 leadingDigits(QStringView text) {
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = std::min(kSaturated, value * 10 + (c.unicode() - u'0'));
    }
    return value;
}

qint64 roundedValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            sign = -1;
        ++i;
    }
    double value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10)
            value += (text[i].unicode() - u'0') * scale;
    }
    const double rounded = std::nearbyint(sign * value);  // the default mode rounds half to even
    if (rounded >= double(kSaturated))
        return kSaturated;
    if (rounded <= -double(kSaturated))
        return -kSaturated;
    return qint64(rounded);
}

}  // namespace DecimalText
