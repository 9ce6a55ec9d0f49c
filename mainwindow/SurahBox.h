#pragma once

#include <QComboBox>

// The editable surah box. Choosing an entry (by the user or by setCurrentIndex) and editing
// the text (typing, pasting, or setTypedText from code) both announce `surahChanged`, once per
// real change. Typed text deselects the list: currentIndex() is -1 until an entry is chosen.
class SurahBox : public QComboBox {
    Q_OBJECT

  public:
    explicit SurahBox(QWidget* parent = nullptr);

    // Puts `text` into the box as if typed.
    void setTypedText(const QString& text);

  signals:
    void surahChanged();

  private:
    void takeTypedText(const QString& text);
};
