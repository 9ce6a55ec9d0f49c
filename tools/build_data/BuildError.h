#pragma once

#include <QString>

// A fault that stops the data build; main prints it and exits non-zero.
struct BuildError {
    QString file;
    int line = 0;  // 0 = the file as a whole
    QString reason;

    QString message() const {
        if (line == 0)
            return QStringLiteral("%1: %2").arg(file, reason);
        return QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(reason);
    }
};
