#pragma once

class QMessageBox;

// Gives `box` the exact text, title and style of the message for a second start.
void setUpSecondInstanceMessage(QMessageBox& box);

// Shows that message (on stderr only when offscreen) and ends the program at once.
[[noreturn]] void refuseSecondInstance();
