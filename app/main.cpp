#include <QApplication>

#include "FontSubstitutions.h"
#include "MainWindowLauncher.h"
#include "ProgramIcon.h"
#include "SingleInstanceLock.h"
#include "Start1.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"zephyrane"_s);
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();

    // Lives until the program ends: its verse lists serve every other window.
    Start1 start1(QCoreApplication::applicationDirPath(), SingleInstanceLock::defaultPath(),
                  showMainWindow);
    start1.show();
    return app.exec();
}
