#pragma once

struct VerseLists;

// Creates and shows the main window once the splash has handed over. `verseLists` belongs to
// the splash window, which lives until the program ends.
void showMainWindow(const VerseLists& verseLists);
