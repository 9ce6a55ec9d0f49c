#pragma once

class QPainter;
class QRect;

// The splash picture: the title in Arabic script and the program's name on a dark green and
// gold ground, drawn to fill `area`.
void paintSplashPicture(QPainter& painter, const QRect& area);
