#pragma once

#include <QtGlobal>

// Window positions and sizes are kept in twips, 15 to the pixel at the usual screen setting.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}
