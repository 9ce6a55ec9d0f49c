#pragma once

#include <QCheckBox>

// A three-state box whose grey state only code sets: a click checks a grey or unchecked box
// and unchecks a checked one.
class SelectAllBox : public QCheckBox {
  public:
    explicit SelectAllBox(QWidget* parent) : QCheckBox(parent) { setTristate(true); }

  protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};
