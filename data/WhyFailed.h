#pragma once

#include <QString>

// Hands `reason` to a caller that asked why a step failed; `why` may be null.
inline void tellWhy(QString* why, const QString& reason) {
    if (why)
        *why = reason;
}

// The same, giving false for the failed step to return.
inline bool fail(QString* why, const QString& reason) {
    tellWhy(why, reason);
    return false;
}
