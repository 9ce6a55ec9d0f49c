#pragma once

#include <QString>

// Tells the user why the program cannot start (`message` names the file and line at fault),
// on stderr and, with a real screen, in a message box; then ends the process with status 1.
[[noreturn]] void reportStartupFailure(const QString& message);
