#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
struct SearchCaptions;
struct Surah;

// Asks for a surah (number, Arabic name or transliteration) and a verse number. Go closes it
// only when the surah field names a surah.
class GoToVerseDialog : public QDialog {
    Q_OBJECT

  public:
    GoToVerseDialog(const SearchCaptions& captions, Qt::LayoutDirection direction,
                    QWidget* parent = nullptr);

    const Surah* surah() const { return surah_; }
    // The verse asked for: 1 for an empty or unreadable field.
    int verse() const;

  private:
    void go();

    QLineEdit* surahField_;
    QLineEdit* verseField_;
    QLabel* problem_;
    QString unknownSurah_;
    const Surah* surah_ = nullptr;
};
