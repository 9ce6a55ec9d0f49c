#include "BY1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>

#include "AboutPicture.h"
#include "Twips.h"

using namespace Qt::StringLiterals;

namespace {

// One step a frame: the 122 steps asked for every millisecond would run by in a tenth of a
// second here, where a coarser platform timer stretches them to about two seconds.
constexpr int kTickMs = 16;

constexpr int kStartHeight = 90;
constexpr int kLeftOffset = 3400;
constexpr int kStep = 100;
constexpr int kRisenValue = 5000;     // the last rising step's value
constexpr int kRestingValue = -2000;  // the last sliding step's value

}  // namespace

BY1::BY1(QWidget* owner) : QDialog(owner, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName(u"BY1"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    const QImage picture = aboutPicture();
    // Below the picture the window shows the picture's own foot colour.
    setStyleSheet(u"BY1 { background-color: %1; }"_s.arg(
        picture.pixelColor(picture.width() / 2, picture.height() - 1).name()));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setPixmap(QPixmap::fromImage(picture));
    Picture1->setGeometry(0, 0, picture.width(), picture.height());
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
    Picture1->setFocus();
    setFixedWidth(picture.width());

    connect(&Timer1, &QTimer::timeout, this, &BY1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &BY1::Timer2_Timer);

    const QPoint ownerAt = owner->pos();
    height_ = kStartHeight;
    ownerTop_ = pixelsToTwips(ownerAt.y());
    top_ = ownerTop_;
    left_ = pixelsToTwips(ownerAt.x()) + kLeftOffset;
    place();
    Timer1.arm(kTickMs);
}

void BY1::Timer1_Timer() {
    const int value = step_;
    setTop(ownerTop_ - value - kStep);
    setHeight(value);
    if (value >= kRisenValue) {
        Timer1.arm(0);
        Timer2.arm(kTickMs);
    }
    step_ = value + kStep;
    setHeight(value + kStep);
}

void BY1::Timer2_Timer() {
    const int value = step_;
    setTop(ownerTop_ - value);
    if (value <= kRestingValue)
        Timer2.arm(0);
    step_ = value - kStep;
}

void BY1::setTop(int twips) {
    top_ = twips;
    place();
}

void BY1::setHeight(int twips) {
    height_ = twips;
    place();
}

void BY1::place() {
    // Not clamped to the screen: the rise may start above its top edge.
    setGeometry(twipsToPixels(left_), twipsToPixels(top_), width(), twipsToPixels(height_));
}

bool BY1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void BY1::mousePressEvent(QMouseEvent*) {
    close();
}

void BY1::closeEvent(QCloseEvent* event) {
    Timer1.arm(0);
    Timer2.arm(0);
    QDialog::closeEvent(event);
}
