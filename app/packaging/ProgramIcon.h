#pragma once

#include <QIcon>

// The program's icon in every size it is drawn in, for its windows' title bars and task bar
// entries; the same pictures the desktop's icon theme gets.
QIcon programIcon();
