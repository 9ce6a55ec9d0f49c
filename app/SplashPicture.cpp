#include "SplashPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRect>

using namespace Qt::StringLiterals;

namespace {

const QColor kGold(0xd9, 0xb8, 0x5c);
const QColor kPaleGold(0xf3, 0xe2, 0xa6);

void paintGround(QPainter& painter, const QRect& area) {
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0.0, QColor(0x1d, 0x5a, 0x36));
    ground.setColorAt(1.0, QColor(0x0a, 0x2b, 0x19));
    painter.fillRect(area, ground);

    // A soft glow behind the title.
    QRadialGradient glow(QPointF(area.width() * 0.68, area.height() * 0.5), area.height());
    glow.setColorAt(0.0, QColor(0xd9, 0xb8, 0x5c, 70));
    glow.setColorAt(1.0, Qt::transparent);
    painter.fillRect(area, glow);

    painter.setPen(QPen(kGold, 2));
    painter.drawRect(area.adjusted(3, 3, -4, -4));
    painter.setPen(QPen(kGold, 1));
    painter.drawRect(area.adjusted(7, 7, -8, -8));
}

// Centres the drawn shapes of `text`, not its line box: the Quran font reserves much room
// above and below the letters for marks.
void drawInkCentred(QPainter& painter, const QRect& area, const QString& text) {
    const QRect ink = painter.fontMetrics().tightBoundingRect(text);
    painter.drawText(area.center() - ink.center(), text);
}

}  // namespace

void paintSplashPicture(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintGround(painter, area);

    const QRect inner = area.adjusted(12, 8, -12, -8);
    const int divider = inner.left() + inner.width() * 2 / 5;

    QFont title(u"Traditional Arabic-Q"_s);
    title.setPixelSize(34);
    painter.setFont(title);
    painter.setPen(kPaleGold);
    drawInkCentred(painter, QRect(divider, inner.top(), inner.right() - divider, inner.height()),
                   u"القرآن الكريم"_s);

    painter.setPen(QPen(kGold, 1));
    painter.drawLine(divider, inner.top() + 10, divider, inner.bottom() - 10);

    QFont name(u"Times New Roman"_s);
    name.setPixelSize(22);
    name.setItalic(true);
    painter.setFont(name);
    painter.setPen(kGold);
    drawInkCentred(painter,
                   QRect(inner.left(), inner.top(), divider - inner.left(), inner.height()),
                   u"Zephyrane"_s);
    painter.restore();
}
