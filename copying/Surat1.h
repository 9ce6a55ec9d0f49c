#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "Skin.h"

// The surah copy window: builds the text of a range of verses. Created hidden on first
// reference; closing it unloads it.
class Surat1 : public QWidget {
    Q_OBJECT

  public:
    explicit Surat1(QWidget* owner);

    QComboBox* Combo1 = nullptr;  // from-surah
    QComboBox* Combo3 = nullptr;  // to-surah
    QLabel* Label1 = nullptr;
    // Controls whose captions follow the interface language.
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
    QLabel *Check11 = nullptr, *Check12 = nullptr, *Check13 = nullptr, *Check14 = nullptr,
           *Check15 = nullptr, *La1 = nullptr, *La2 = nullptr;
    QPushButton *Command4 = nullptr, *Command5 = nullptr, *Command1 = nullptr;

  private:
    void Form_Load();

    Skin Skin1{SkinKind::SurahCopy};
};
