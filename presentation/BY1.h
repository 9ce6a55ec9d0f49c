#pragma once

#include <QDialog>

#include "PunctualTimer.h"

class QLabel;

// The about window. It rises out of the top edge of the window that opens it, growing upwards,
// then slides down over it. A click, or any key while the picture has the focus, closes it at
// any moment; closing unloads it, so every opening animates afresh.
class BY1 : public QDialog {
    Q_OBJECT

  public:
    // Takes the opening window's top and left once; they hold for the whole animation.
    explicit BY1(QWidget* owner);

    // The window's place and height in twips, as the animation sets them.
    int Top() const { return top_; }
    int Left() const { return left_; }
    int Height() const { return height_; }
    // The next step's value: the height while rising, the offset while sliding.
    int stepValue() const { return step_; }

    void Timer1_Timer();  // one rising step
    void Timer2_Timer();  // one sliding step

    QLabel* Picture1 = nullptr;
    PunctualTimer Timer1, Timer2;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void setTop(int twips);
    void setHeight(int twips);
    void place();

    int top_ = 0, left_ = 0, height_ = 0;
    int ownerTop_ = 0;  // the opening window's top, in twips
    int step_ = 100;
};
