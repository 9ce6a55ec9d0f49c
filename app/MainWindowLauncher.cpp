#include "MainWindowLauncher.h"

#include <QMainWindow>

using namespace Qt::StringLiterals;

void showMainWindow(const VerseLists&) {
    // Stands in for the main window until it exists: an empty window of its size.
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(u"Zephyrane"_s);
    window->resize(14550 / 15, 7875 / 15);  // twips at 15 per pixel
    window->show();
}
