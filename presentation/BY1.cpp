#include "BY1.h"

#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

BY1::BY1(QWidget* owner) : QDialog(owner, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName(u"BY1"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(500, 320);
}

void BY1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(20, 70, 45));
    background.setColorAt(1, QColor(8, 32, 22));
    painter.fillRect(rect(), background);
    painter.setPen(QColor(214, 180, 90));
    painter.drawRect(rect().adjusted(6, 6, -7, -7));

    painter.setFont(QFont(u"Traditional Arabic-Q"_s, 30));
    painter.drawText(QRect(0, 30, width(), 80), Qt::AlignCenter, u"القرآن الكريم"_s);
    painter.setPen(Qt::white);
    painter.setFont(QFont(u"DejaVu Sans"_s, 20, QFont::Bold));
    painter.drawText(QRect(0, 120, width(), 40), Qt::AlignCenter, u"Zephyrane"_s);
    painter.setFont(QFont(u"DejaVu Sans"_s, 10));
    painter.drawText(QRect(0, 230, width(), 30), Qt::AlignCenter,
                     u"Quran text and translations: Tanzil Project — tanzil.net"_s);
}

void BY1::mousePressEvent(QMouseEvent*) {
    close();
}

void BY1::keyPressEvent(QKeyEvent*) {
    close();
}
