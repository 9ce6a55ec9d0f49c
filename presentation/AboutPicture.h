#pragma once

#include <QImage>

// The about window's picture, 500 x 320 pixels at 24 bits: the program's name and the credit
// for its texts.
QImage aboutPicture();
