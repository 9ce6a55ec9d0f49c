#include "SecondInstance.h"

#include <QMessageBox>

#include "MessagePresenter.h"
#include "ProgramEnd.h"

using namespace Qt::StringLiterals;

void setUpSecondInstanceMessage(QMessageBox& box) {
    box.setText(u"  The Vire Vozov is Startted .....!!!!! "_s);
    box.setWindowTitle(u"The Vire Vozov"_s);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setLayoutDirection(Qt::RightToLeft);
}

void refuseSecondInstance() {
    QMessageBox box;
    setUpSecondInstanceMessage(box);
    presentMessage(box);
    endProgramNow(0);
}
