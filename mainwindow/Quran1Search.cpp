// The search box, the search button and the display of search results.
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

#include "DecimalText.h"
#include "LetterFolding.h"
#include "MatchedWords.h"
#include "PaneTextLayout.h"
#include "QueryText.h"
#include "Quran1.h"
#include "RecordSource.h"
#include "Schema.h"
#include "SettingsStore.h"
#include "SurahCatalogue.h"
#include "SurahNameParse.h"
#include "VerseLists.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNoWord = u"No"_s;
// The matched words' ground in the verse pane: a gold that white letters stay readable on.
const QColor kMatchMark(150, 112, 0);

}  // namespace

QString Quran1::Text1() const {
    return sources.Data1->field(schema::kOrdinal);
}
QString Quran1::Text5() const {
    return sources.Data1->field(schema::kReference);
}
QString Quran1::No0() const {
    return sources.Data1->field(schema::kVerseNumber);
}

void Quran1::fillPanes(const PaneTexts& texts) {
    // Laying out a long Arabic explanation costs more than the search: a pane whose text
    // stays the same is left alone.
    const std::tuple<QPlainTextEdit*, const QString*, QString*> panes[] = {
        {Text4, &texts.verse, &shown_.verse},
        {Te1, &texts.arabic, &shown_.arabic},
        {TE2, &texts.kurdish, &shown_.kurdish},
        {TE3, &texts.english, &shown_.english}};
    for (const auto& [pane, text, shown] : panes) {
        if (*shown != *text) {
            PaneTextLayout::replaceText(pane, *text);
            *shown = *text;
        }
    }
}

void Quran1::emptyPanes() {
    fillPanes({});
}

void Quran1::takeSearchResultSurah() {
    // The verse shown is the one of the ordinal, so its surah is too; the reference names
    // it only for a record whose ordinal lies outside the corpus.
    const SurahCatalogue& catalogue = SurahCatalogue::instance();
    const Surah* surah = catalogue.findByOrdinal(DecimalText::leadingDigits(Text1()));
    if (surah) {
        Text15 = surah->arabicName;
    } else {
        if (std::optional<QString> name = parseSurahName(Text5()))
            Text15 = *name;
        if (Text15.startsWith(u' '))
            Text15.remove(0, 1);
        surah = catalogue.findByArabicName(Text15);
    }
    if (surah)
        Dat2 = surah->transliteration;
}

PaneTexts Quran1::searchResultPanes() const {
    return PaneTexts::forVerse(*sources.verseLists, DecimalText::leadingDigits(Text1()), Text5(),
                               Dat2, No0());
}

void Quran1::fillPanesFromSearchResult() {
    if (!Text1().isEmpty())
        fillPanes(searchResultPanes());
    markMatchedWords();
}

void Quran1::showSearchResult() {
    fillPanes(Text1().isEmpty() ? PaneTexts{} : searchResultPanes());
    markMatchedWords();
}

void Quran1::markMatchedWords() {
    QList<QTextEdit::ExtraSelection> marks;
    // A match in an explanation has no words in the verse.
    if (!Text1().isEmpty() && searchTable_.isEmpty()) {
        const QString verse =
            VerseLists::entry(sources.verseLists->List1, DecimalText::leadingDigits(Text1()));
        const int words = int(std::max<qsizetype>(1, Te.split(u' ', Qt::SkipEmptyParts).size()));
        const qsizetype before = u"( "_s.size();  // the verse's place in its pane
        for (const TextSpan& span :
             matchedWordSpans(verse, sources.Data1->field(schema::kSearched), words)) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(Text4->document());
            mark.cursor.setPosition(int(before + span.start));
            mark.cursor.setPosition(int(before + span.start + span.length),
                                    QTextCursor::KeepAnchor);
            mark.format.setBackground(kMatchMark);
            marks.append(mark);
        }
    }
    Text4->setExtraSelections(marks);
}

void Quran1::Text_Change() {
    const QString text = Text->text();
    if (text.startsWith(u' ')) {
        // All leading blanks go in one change, which runs this procedure again for the rest:
        // that run is the whole search. One run per blank would nest as deep as the paste.
        const qsizetype blanks =
            std::find_if(text.begin(), text.end(), [](QChar c) { return c != u' '; }) -
            text.begin();
        Text->setText(text.mid(blanks));
        return;
    }
    Te = text.isEmpty() ? kNoWord : text;
    sources.Data1->setRecordSource(searchQuery());
    sources.Data1->refresh();  // a word the query cannot take leaves the last result
    takeSearchResultSurah();
    // The panes are emptied, then filled from the first match: only the outcome is shown.
    showSearchResult();
    Timer11.arm(2000);
}

bool Quran1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Text)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (Text_KeyDown(key->key()))
            return true;
        // Typed text enters as the corpus's letters; pasted text is left alone.
        const QString typed = foldKeyboardLetters(key->text());
        if (typed != key->text()) {
            Text->insert(typed);
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString typed = foldKeyboardLetters(input->commitString());
        if (typed != input->commitString()) {
            QInputMethodEvent replaced(input->preeditString(), input->attributes());
            replaced.setCommitString(typed, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(Text, &replaced);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Quran1::Text_KeyDown(int key) {
    RecordSource& results = *sources.Data1;
    if (key == Qt::Key_Down) {
        Timer1.arm(1);
        results.moveNext();
        if (results.eof()) {
            results.refresh();
            results.moveLast();
        }
        return true;
    }
    if (key == Qt::Key_Up) {
        results.movePrevious();
        Timer1.arm(1);
        if (results.bof()) {
            results.refresh();
            results.moveFirst();
        }
        return true;
    }
    return false;
}

void Quran1::SearchAndShow() {
    const QString box = Text->text();
    if (box.isEmpty())
        Te = kNoWord;
    if ((!box.isEmpty() && box.front() > u'z') || Te == kNoWord) {
        sources.Data1->setRecordSource(searchQuery());
        // A word the query cannot take (an apostrophe, an open bracket) finds nothing
        // rather than ending the program.
        if (!sources.Data1->refresh())
            sources.Data1->clearRecordSet();
    }
    takeSearchResultSurah();
    fillPanesFromSearchResult();
}

void Quran1::Command1_Click() {
    SearchAndShow();
    setMode(MainWindowMode::Search);
    Timer1.arm(1);
}

void Quran1::Timer1_Timer() {
    takeSearchResultSurah();
    showSearchResult();
    Text3->setText(QString::number(sources.Data1->absolutePosition() + 1));
    Timer1.arm(0);
}

void Quran1::Timer11_Timer() {
    // Counted without moving: the match in the panes and in the grid stays current.
    Text3->setText(QString::number(sources.Data1->recordCount()) + u' ' + Text6);
    Timer11.arm(0);
}

void Quran1::TolerantSearch_Click() {
    const bool tolerant = tolerantSearch_->isChecked();
    sources.store->write(SettingsStore::kTolerantSearchKey, tolerant ? u"1"_s : u"0"_s);
    sources.Data1->setMatching(tolerant ? RecordSource::Matching::Tolerant
                                        : RecordSource::Matching::Exact);
    searchAgain();
}

void Quran1::SearchIn_Click() {
    for (const auto& [choice, table] : searchIn_) {
        if (choice->isChecked())
            searchTable_ = table;
    }
    sources.store->write(SettingsStore::kSearchInKey, searchTable_);
    searchAgain();
}

QString Quran1::searchQuery() const {
    if (searchTable_.isEmpty())
        return searchQueryText(Te);
    // An empty box finds nothing here: "No" stands for it in the verses alone.
    return explanationQueryText(searchTable_, Text->text().isEmpty() ? QString() : Te);
}

void Quran1::searchAgain() {
    // In reading mode the panes stay on the surah.
    if (mode_ == MainWindowMode::Search) {
        Text_Change();
    } else {
        sources.Data1->setRecordSource(searchQuery());
        sources.Data1->refresh();
    }
}
