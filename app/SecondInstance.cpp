#include "SecondInstance.h"

#include <QMessageBox>
#include <cstdio>

#include "MessagePresenter.h"
#include "ProgramEnd.h"

using namespace Qt::StringLiterals;

void setUpSecondInstanceMessage(QMessageBox& box) {
    // A label reads its text in the text's own direction; the leading right-to-left mark makes
    // the line right to left, the "!!!!!" at its left end.
    box.setText(u"\u200F  The Vire Vozov is Startted .....!!!!! "_s);
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

void warnUnguardedStart(const QString& problem) {
    const QString line = u"Zephyrane starts without its guard against a second start: "_s + problem;
    std::fputs((line + u'\n').toUtf8().constData(), stderr);
}
