#include "MainWindowLauncher.h"

#include <QCoreApplication>
#include <QDir>

#include "MainWindowSources.h"
#include "ScreenFit.h"
#include "StartupFailure.h"

void showMainWindow(const VerseLists& verseLists) {
    // The databases are named relative to the working directory, the program's own folder.
    // What they hold belongs to the application object: the main window lives until the end.
    Quran1Sources sources;
    if (std::optional<QString> failure = openQuran1Sources(QDir::currentPath(), verseLists,
                                                           QCoreApplication::instance(), sources))
        reportStartupFailure(*failure);
    auto* window = new Quran1(sources);
    fitToScreen(window);
    window->show();
}
