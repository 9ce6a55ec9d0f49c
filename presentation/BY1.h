#pragma once

#include <QDialog>

// The about window: the program's name and the credit for its texts. Any click or key
// closes it.
class BY1 : public QDialog {
    Q_OBJECT

  public:
    explicit BY1(QWidget* owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
