#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zephyrane"));
    window.resize(970, 525);
    window.show();
    return app.exec();
}
