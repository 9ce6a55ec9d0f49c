#pragma once

#include <functional>

class QWidget;

// Runs `onRequest` whenever the window manager asks to close `window`, also while a modal
// window blocks it: Qt drops the close requests of a blocked window, yet closing the main
// window must end the program whatever is open on top of it. The watch ends with `window`.
void watchCloseRequests(QWidget* window, std::function<void()> onRequest);
