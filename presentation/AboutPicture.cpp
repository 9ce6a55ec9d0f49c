#include "AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

QImage aboutPicture() {
    QImage picture(500, 320, QImage::Format_RGB888);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = picture.rect();
    QLinearGradient background(0, 0, 0, area.height());
    background.setColorAt(0, QColor(20, 70, 45));
    background.setColorAt(1, QColor(8, 32, 22));
    painter.fillRect(area, background);
    const QColor gold(214, 180, 90);
    painter.setPen(gold);
    painter.drawRect(area.adjusted(6, 6, -7, -7));

    painter.setFont(QFont(u"Amiri Quran"_s, 30));
    painter.drawText(QRect(0, 30, area.width(), 80), Qt::AlignCenter, u"القرآن الكريم"_s);
    painter.setPen(Qt::white);
    painter.setFont(QFont(u"DejaVu Sans"_s, 22, QFont::Bold));
    painter.drawText(QRect(0, 120, area.width(), 44), Qt::AlignCenter, u"Zephyrane"_s);
    painter.setPen(gold);
    painter.drawLine(150, 176, 350, 176);
    painter.setPen(Qt::white);
    painter.setFont(QFont(u"DejaVu Sans"_s, 10));
    painter.drawText(QRect(0, 230, area.width(), 30), Qt::AlignCenter,
                     u"Quran text and translations: Tanzil Project — tanzil.net"_s);
    return picture;
}
