#include "MessagePresenter.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool hasRealScreen() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen"_L1 && platform != "minimal"_L1;
}

}  // namespace

void presentMessage(QMessageBox& box) {
    std::fputs((box.text() + u'\n').toUtf8().constData(), stderr);
    std::fflush(stderr);
    if (hasRealScreen())
        box.exec();
}
