#pragma once

class QMessageBox;

// Writes the box's text to stderr, then shows the box modally, unless the platform is
// offscreen or minimal, where no one could answer it.
void presentMessage(QMessageBox& box);
