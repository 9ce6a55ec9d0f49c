#pragma once

#include <QString>

// What is wrong with a file the program or the data tool reads or writes, and where.
struct FileError {
    QString file;
    int line = 0;  // 0 = the file as a whole
    QString reason;

    QString message() const {
        if (line == 0)
            return QStringLiteral("%1: %2").arg(file, reason);
        return QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(reason);
    }
};
