#pragma once

class QMessageBox;
class QString;

// Gives `box` the exact text, title and style of the message for a second start.
void setUpSecondInstanceMessage(QMessageBox& box);

// Shows that message (on stderr only when offscreen) and ends the program at once.
[[noreturn]] void refuseSecondInstance();

// Says on stderr that a second start cannot be refused this time, and why.
void warnUnguardedStart(const QString& problem);
