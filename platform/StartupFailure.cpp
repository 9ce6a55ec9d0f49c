#include "StartupFailure.h"

#include <QMessageBox>

#include "MessagePresenter.h"
#include "ProgramEnd.h"

using namespace Qt::StringLiterals;

void reportStartupFailure(const QString& message) {
    QMessageBox box(QMessageBox::Critical, u"Zephyrane"_s, u"Zephyrane cannot start: "_s + message,
                    QMessageBox::Ok);
    presentMessage(box);
    endProgramNow(1);
}
