#pragma once

#include <QComboBox>
#include <QLabel>
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

  private:
    void Form_Load();

    Skin Skin1{SkinKind::SurahCopy};
};
