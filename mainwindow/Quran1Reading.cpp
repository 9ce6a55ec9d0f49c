// Surah reading: the surah box, the switch to reading mode and the surah copy command.
#include <QMessageBox>

#include "DecimalText.h"
#include "GoToVerseDialog.h"
#include "QueryText.h"
#include "Quran1.h"
#include "RecordGrid.h"
#include "RecordSource.h"
#include "Schema.h"
#include "SearchCaptions.h"
#include "SettingsRow.h"
#include "SettingsStore.h"
#include "SurahBox.h"
#include "SurahCatalogue.h"
#include "Surat1.h"

using namespace Qt::StringLiterals;

QString Quran1::Text11() const {
    return sources.Data3->field(schema::kOrdinal);
}
QString Quran1::Text7() const {
    return sources.Data3->field(schema::kSearched);
}
QString Quran1::Text14() const {
    return sources.Data3->field(schema::kVerseNumber);
}

void Quran1::Combo1_Click() {
    // The refresh's millisecond counts from the choice: the timer cannot fire before this
    // procedure returns, so arming it first changes nothing else.
    Timer6.arm(1);
    const QString position = QString::number(Combo1->currentIndex());
    Label3->setText(position);
    sources.Data2->write(schema::kSurahPosition, position);
    const QString text = Combo1->currentText();
    sources.Data3->setRecordSource(surahQueryText(text));
    sources.Data3->refresh();  // typed text the query cannot take keeps the last verses
    if (const Surah* surah = SurahCatalogue::instance().findByItemText(text)) {
        dat1 = surah->transliteration;
        Adad1->setText(QString::number(surah->verseCount));
    }
    sources.store->write(SettingsStore::kSurahPositionKey, position);
}

void Quran1::Timer6_Timer() {
    Timer6.arm(0);
    // In search mode the panes show the search match; the surah's verse waits for reading.
    if (mode_ != MainWindowMode::Reading)
        return;
    Text4->setExtraSelections({});  // the search match's marks
    const QString ordinal = Text11();
    if (ordinal.isEmpty()) {
        emptyPanes();
        return;
    }
    // Typed surah-box text lists verses of several surahs: each names its own.
    const qint64 k = DecimalText::leadingDigits(ordinal);
    const Surah* surah = SurahCatalogue::instance().findByOrdinal(k);
    fillPanes(PaneTexts::forVerse(*sources.verseLists, k, Text7(),
                                  surah ? surah->transliteration : dat1, Text14()));
}

void Quran1::selectSurahPosition(qint64 position) {
    // Positions outside the list leave the selection as it was.
    if (position < -1 || position >= Combo1->count())
        return;
    Combo1->setCurrentIndex(int(position));
}

void Quran1::setMode(MainWindowMode mode) {
    mode_ = mode;
    const bool search = mode == MainWindowMode::Search;
    Text->setVisible(search);
    DBGrid1->setVisible(search);
    for (QWidget* reading : {static_cast<QWidget*>(Combo1), static_cast<QWidget*>(Adad1),
                             static_cast<QWidget*>(Text8), static_cast<QWidget*>(List2),
                             static_cast<QWidget*>(Command14), static_cast<QWidget*>(DBGrid2)})
        reading->setVisible(!search);
    Command1->setEnabled(!search);
    Command2->setEnabled(search);
}

void Quran1::Command2_Click() {
    selectSurahPosition(DecimalText::roundedValue(Label3->text()));
    setMode(MainWindowMode::Reading);
    selectSurahPosition(
        DecimalText::roundedValue(sources.store->read(SettingsStore::kSurahPositionKey)));
    Timer6.arm(1);
    surat1()->clearHiddenLabel();
}

void Quran1::Command14_Click() {
    Surat1* copyWindow = surat1();
    copyWindow->chooseRange(Combo1->currentIndex());
    copyWindow->setWindowModality(Qt::ApplicationModal);
    copyWindow->show();
}

void Quran1::Surat_Click() {
    Command2_Click();
    Command14_Click();
}

Surat1* Quran1::surat1() {
    if (!surat1_) {
        surat1_ = new Surat1(this, *this);
        showLanguageIn(*surat1_);
    }
    return surat1_;
}

void Quran1::chooseSurah(int index) {
    Combo1->setCurrentIndex(index);
}

void Quran1::showSurahVerses(const QString& surahText) {
    sources.Data3->setRecordSource(surahQueryText(surahText));
    sources.Data3->refresh();  // a text the query cannot take keeps the last verses
    Timer6.arm(1);
}

void Quran1::stepVerse(int step) {
    RecordSource& verses = *sources.Data3;
    if (step < 0) {
        verses.movePrevious();
        if (verses.absolutePosition() == -1)
            verses.moveFirst();
    } else {
        verses.moveNext();
        if (verses.absolutePosition() == -1)
            verses.moveLast();
    }
    Timer6.arm(1);
}

qint64 Quran1::currentVerseOrdinal() const {
    return DecimalText::leadingDigits(Text11());
}

QString Quran1::verseFontName() const {
    return Combo2->currentText();
}

void Quran1::GoToVerse_Click() {
    const Qt::LayoutDirection direction =
        language_ == UiLanguage::English ? Qt::LeftToRight : Qt::RightToLeft;
    GoToVerseDialog ask(searchCaptions(language_), direction, this);
    if (ask.exec() == QDialog::Accepted)
        goToVerse(*ask.surah(), ask.verse());
}

void Quran1::goToVerse(const Surah& surah, int verse) {
    if (mode_ != MainWindowMode::Reading)
        Command2_Click();
    Combo1->setCurrentIndex(surah.number - 1);
    const int shown = std::min(verse, surah.verseCount);
    sources.Data3->moveTo(shown - 1);  // the surah's verses, in order
    Timer6.arm(1);
    if (verse > surah.verseCount) {
        const SearchCaptions& captions = searchCaptions(language_);
        const QString name =
            language_ == UiLanguage::English ? surah.transliteration : surah.arabicName;
        auto* note = new QMessageBox(QMessageBox::Information, captions.goToVerse,
                                     captions.lastVerse.arg(name).arg(surah.verseCount),
                                     QMessageBox::Ok, this);
        note->setAttribute(Qt::WA_DeleteOnClose);
        note->open();
    }
}
