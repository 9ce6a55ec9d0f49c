#include "ScreenFit.h"

#include <QScreen>
#include <QWidget>

void fitToScreen(QWidget* window) {
    const QSize available = window->screen()->availableSize();
    window->resize(window->size().boundedTo(available).expandedTo(window->minimumSize()));
}
