#pragma once

class QWidget;

// Before a window is first shown: its size, or the free area of its screen where that is
// smaller, never below the window's least size.
void fitToScreen(QWidget* window);
