// The search box, the search button and the display of search results.
#include <QCoreApplication>
#include <QKeyEvent>

#include "DecimalText.h"
#include "PaneTextLayout.h"
#include "QueryText.h"
#include "Quran1.h"
#include "RecordSource.h"
#include "SurahCatalogue.h"
#include "SurahNameParse.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNoWord = u"No"_s;
constexpr char16_t kKeheh = u'\u06A9';
constexpr char16_t kKaf = u'\u0643';

}  // namespace

QString Quran1::Text1() const {
    return sources.Data1->field(u"No1"_s);
}
QString Quran1::Text5() const {
    return sources.Data1->field(u"Num3"_s);
}
QString Quran1::No0() const {
    return sources.Data1->field(u"No"_s);
}

void Quran1::fillPanes(const PaneTexts& texts) {
    // Laying out a long Arabic explanation costs more than the search: a pane whose text
    // stays the same is left alone.
    const std::pair<QPlainTextEdit*, const QString*> panes[] = {
        {Text4, &texts.Text4}, {Te1, &texts.Te1}, {TE2, &texts.TE2}, {TE3, &texts.TE3}};
    for (const auto& [pane, text] : panes) {
        if (pane->toPlainText() != *text)
            PaneTextLayout::replaceText(pane, *text);
    }
}

void Quran1::emptyPanes() {
    fillPanes({});
}

PaneTexts Quran1::searchResultPanes() const {
    return PaneTexts::forVerse(*sources.verseLists, DecimalText::leadingDigits(Text1()), Text5(),
                               Dat2, No0());
}

void Quran1::fillPanesFromSearchResult() {
    if (!Text1().isEmpty())
        fillPanes(searchResultPanes());
}

void Quran1::Text_Change() {
    if (Text->text().startsWith(u' ')) {
        // Runs this procedure again, nested, for the text without its first blank.
        Text->setText(Text->text().mid(1));
    }
    Te = Text->text().isEmpty() ? kNoWord : Text->text();
    if (Text->text().startsWith(u' ')) {
        emptyPanes();
        return;
    }
    sources.Data1->setRecordSource(searchQueryText(Te));
    sources.Data1->refresh();  // a word the query cannot take leaves the last result
    if (const Surah* surah = SurahCatalogue::instance().findByArabicName(Text15))
        Dat2 = surah->transliteration;
    // The panes are emptied, then filled from the first match: only the outcome is shown.
    fillPanes(Text1().isEmpty() ? PaneTexts{} : searchResultPanes());
    Timer11.arm(2000);
}

bool Quran1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Text)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (Text_KeyDown(key->key()))
            return true;
        QString typed = key->text();
        if (typed.contains(QChar(kKeheh))) {
            // A typed keheh enters the box as kaf; pasted text is left alone.
            typed.replace(QChar(kKeheh), QChar(kKaf));
            Text->insert(typed);
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->commitString().contains(QChar(kKeheh))) {
            QString typed = input->commitString();
            typed.replace(QChar(kKeheh), QChar(kKaf));
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
        sources.Data1->setRecordSource(searchQueryText(Te));
        // A word the query cannot take (an apostrophe, an open bracket) finds nothing
        // rather than ending the program.
        if (!sources.Data1->refresh())
            sources.Data1->clearRecordSet();
    }
    fillPanesFromSearchResult();
}

void Quran1::Command1_Click() {
    SearchAndShow();
    setMode(MainWindowMode::Search);
    Timer1.arm(1);
}

void Quran1::Timer1_Timer() {
    if (std::optional<QString> name = parseSurahName(Text5()))
        Text15 = *name;
    if (Text15.startsWith(u' '))
        Text15.remove(0, 1);
    if (const Surah* surah = SurahCatalogue::instance().findByArabicName(Text15))
        Dat2 = surah->transliteration;
    fillPanes(Text1().isEmpty() ? PaneTexts{} : searchResultPanes());
    Text3->setText(QString::number(sources.Data1->absolutePosition() + 1));
    Timer1.arm(0);
}

void Quran1::Timer11_Timer() {
    RecordSource& results = *sources.Data1;
    results.moveLast();
    Text3->setText(QString::number(results.absolutePosition() + 1) + u' ' + Text6);
    results.moveFirst();
    Timer11.arm(0);
}
