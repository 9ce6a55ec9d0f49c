// Searching as the user types, stepping through matches, choosing surahs, and what the panes
// and the count line show for each, driven through the real window.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QRegularExpression>

#include "MainWindowFixture.h"
#include "RecordGrid.h"
#include "SurahBox.h"
#include "SurahCatalogue.h"

using namespace Qt::StringLiterals;

namespace {

QString searchQuery(const QString& word) {
    return u" select * from data where Mum1 like '"_s + word + u"*'"_s;
}

QString verseOf(qint64 ordinal) {
    return VerseLists::entry(MainWindowFixture::lists().List1, ordinal);
}

void clickRow(RecordGrid* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace

class TestLiveSearch : public QObject {
    Q_OBJECT

  private slots:
    void typingSearchesAtOnce() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(w.Text, u"الرحمن"_s);
        QCOMPARE(w.Te, u"الرحمن"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"الرحمن"_s));
        const int matches = w.sources.Data1->recordCount();
        QVERIFY(matches > 0);
        QCOMPARE(w.DBGrid1->model()->rowCount(), matches);
        const qint64 first = w.sources.Data1->field(u"No1"_s).toLongLong();
        QVERIFY(w.Text4->toPlainText().startsWith(u"( "_s + verseOf(first) + u" ) "_s));
        QVERIFY(w.Timer11.isActive());
        QVERIFY(fx.settle());
        QCOMPARE(w.Text3->text(), QString::number(matches) + u' ' + w.Text6);
        QCOMPARE(w.sources.Data1->absolutePosition(), 0);
        QCOMPARE(fx.storedValue(u"Kalima"_s), u"الرحمن"_s);
    }

    void typedKehehYehHehBecomeArabicButPastedStay() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        // Keheh, yeh and heh as Persian and Kurdish keyboards type them.
        MainWindowFixture::type(w.Text, u"\u06A9\u06CC\u06BE"_s);
        QCOMPARE(w.Text->text(), u"\u0643\u064A\u0647"_s);
        w.Text->clear();
        QGuiApplication::clipboard()->setText(u"\u06A9\u06CC\u06BE"_s);
        w.Text->paste();
        QCOMPARE(w.Text->text(), u"\u06A9\u06CC\u06BE"_s);
    }

    void leadingBlanksAndEmptyBox() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        w.Text->setText(u"  بسم"_s);
        QCOMPARE(w.Text->text(), u"بسم"_s);
        QCOMPARE(w.Te, u"بسم"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"بسم"_s));
        QVERIFY(!w.Text4->toPlainText().isEmpty());
        QCOMPARE(fx.storedValue(u"Kalima"_s), u"بسم"_s);

        // A paste of ten thousand blanks and a word: the word alone, searched and stored.
        QGuiApplication::clipboard()->setText(QString(10000, u' ') + u"الرحمن"_s);
        w.Text->selectAll();
        w.Text->paste();
        QCOMPARE(w.Text->text(), u"الرحمن"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"الرحمن"_s));
        QCOMPARE(fx.storedValue(u"Kalima"_s), u"الرحمن"_s);

        w.Text->clear();
        QCOMPARE(w.Te, u"No"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"No"_s));
        for (QPlainTextEdit* pane : {w.Text4, w.Te1, w.TE2, w.TE3})
            QCOMPARE(pane->toPlainText(), QString());
    }

    void noMatchShowsZero() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(w.Text, u"ضضض"_s);
        QCOMPARE(w.sources.Data1->recordCount(), 0);
        QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
        QVERIFY(fx.settle());
        QCOMPARE(w.Text3->text(), u"0 "_s + w.Text6);
        for (QPlainTextEdit* pane : {w.Text4, w.Te1, w.TE2, w.TE3})
            QCOMPARE(pane->toPlainText(), QString());
        w.Timer1_Timer();
        QCOMPARE(w.Text3->text(), u"0"_s);
        // Stepping in an empty result is harmless.
        QTest::keyClick(w.Text, Qt::Key_Down);
        QTest::keyClick(w.Text, Qt::Key_Up);
        QVERIFY(fx.settle());
        QCOMPARE(w.Text4->toPlainText(), QString());
    }

    void wordsTheQueryCannotTakeDoNotBreakAnything_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("apostrophe") << u"ال'"_s;
        QTest::newRow("open bracket") << u"ال["_s;
        QTest::newRow("injection") << u"x' or 'a'='a"_s;
        QTest::newRow("long paste") << QString(100000, u'ب');
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"ب"_s;
        QTest::newRow("lone low surrogate") << u"ب"_s + QChar(0xDC00);
        QTest::newRow("marks and wildcards") << u"\u200f*?#[!-]\u200e"_s;
        QTest::newRow("direction overrides") << u"\u202eب\u202d\u2067ا\u2069\u202c"_s;
        QTest::newRow("every wildcard and bracket") << u"*?#[]![!]]a-z[a-z][z-a]}{)(\\%_"_s;
        QTest::newRow("doubled apostrophe") << u"ب''"_s;
    }
    void wordsTheQueryCannotTakeDoNotBreakAnything() {
        QFETCH(QString, word);
        // Stored and then typed: at start-up, with the search button, and live.
        MainWindowFixture fx(Stored{{u"Kalima"_s, word}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Command2->click();
        // The same text in the surah box names no surah.
        w.Combo1->setTypedText(word);
        QVERIFY(fx.settle());
        QCOMPARE(w.Combo1->currentText(), word.left(w.Combo1->lineEdit()->maxLength()));
        QCOMPARE(w.Label3->text(), u"-1"_s);
        QCOMPARE(fx.storedValue(u"Sura"_s), u"-1"_s);
        w.Command1->click();
        w.Text->setText(u"ب"_s + word);
        QTest::keyClick(w.Text, Qt::Key_Down);
        QVERIFY(fx.settle());
        // The box holds at most its maximum length of a paste.
        QCOMPARE(w.Text->text(), (u"ب"_s + word).left(w.Text->maxLength()));
    }

    void arrowKeysStopAtBothEnds() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(w.Text, u"الرحمن"_s);
        QVERIFY(fx.settle());
        RecordSource& results = *w.sources.Data1;
        const int last = results.recordCount() - 1;
        QVERIFY(last >= 2);

        QTest::keyClick(w.Text, Qt::Key_Up);
        QVERIFY(fx.settle());
        QCOMPARE(results.absolutePosition(), 0);
        QCOMPARE(w.Text3->text(), u"1"_s);
        QCOMPARE(w.Text->text(), u"الرحمن"_s);  // the box never sees the arrows

        QTest::keyClick(w.Text, Qt::Key_Down);
        QVERIFY(fx.settle());
        QCOMPARE(w.Text3->text(), u"2"_s);
        QCOMPARE(w.Text4->toPlainText(), u"( "_s + verseOf(results.field(u"No1"_s).toLongLong()) +
                                             u" ) "_s + results.field(u"Num3"_s) + u"] \u0640"_s);
        for (int i = 0; i < last + 3; ++i)
            QTest::keyClick(w.Text, Qt::Key_Down);
        QVERIFY(fx.settle());
        QCOMPARE(results.absolutePosition(), last);
        QCOMPARE(w.Text3->text(), QString::number(last + 1));
    }

    void gridClicksAndTheCountLine() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(w.Text, u"الرحمن"_s);
        const int matches = w.sources.Data1->recordCount();
        // A row clicked while the count line is pending stays in the panes.
        clickRow(w.DBGrid1, 2);
        QVERIFY(QTest::qWaitFor([&] { return !w.Timer1.isActive(); }));
        QCOMPARE(w.Text3->text(), u"3"_s);
        const QString third = w.Text4->toPlainText();
        QVERIFY(third.contains(w.sources.Data1->field(u"Num3"_s)));
        QVERIFY(fx.settle());
        QCOMPARE(w.Text3->text(), QString::number(matches) + u' ' + w.Text6);
        // The count leaves the clicked match current, in the grid and in the panes alike.
        QCOMPARE(w.sources.Data1->absolutePosition(), 2);
        QCOMPARE(w.DBGrid1->currentIndex().row(), 2);
        QCOMPARE(w.Text4->toPlainText(), third);

        // The arrow keys in the grid move the verse shown with the highlight.
        QTest::keyClick(w.DBGrid1, Qt::Key_Down);
        QVERIFY(fx.settle());
        QCOMPARE(w.sources.Data1->absolutePosition(), 3);
        QCOMPARE(w.Text3->text(), u"4"_s);
        QCOMPARE(w.Text4->toPlainText(),
                 u"( "_s + verseOf(w.Text1().toLongLong()) + u" ) "_s + w.Text5() + u"] \u0640"_s);
    }

    void searchButtonRequeriesOnlyForArabic() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        const QString marker = searchQuery(u"بسم"_s);
        w.Command2->click();

        w.Text->setText(u"abc"_s);
        w.sources.Data1->setRecordSource(marker);
        w.Command1->click();
        QCOMPARE(w.sources.Data1->recordSource(), marker);
        QCOMPARE(w.mode(), MainWindowMode::Search);

        w.Text->setText(u"الحمد"_s);
        w.sources.Data1->setRecordSource(marker);
        w.Command2->click();
        w.Command1->click();
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"الحمد"_s));
    }

    // The English pane names the surah of the verse shown, whatever was shown before it.
    void everyPathNamesTheVersesOwnSurah() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(w.Text, u"يتساءلون"_s);
        QTest::keyClick(w.Text, Qt::Key_Down);
        QVERIFY(fx.settle());
        QVERIFY(w.TE3->toPlainText().endsWith(u"]  Al-Qasas (66)"_s));
        w.Text->clear();
        MainWindowFixture::type(w.Text, u"واعدنا"_s);
        QCOMPARE(w.TE3->toPlainText(), u"["_s +
                                           VerseLists::entry(MainWindowFixture::lists().List2, 58) +
                                           u"]  Al-Baqarah (51)"_s);

        // Typed surah-box text lists the verses of every surah it begins.
        w.Command2->click();
        w.Combo1->setCurrentIndex(1);
        QVERIFY(fx.settle());
        w.Combo1->setTypedText(u"ال"_s);
        QVERIFY(fx.settle());
        QVERIFY(w.Text4->toPlainText().startsWith(u"( "_s + verseOf(1) + u" ) "_s));
        QVERIFY(w.TE3->toPlainText().endsWith(u"]  Al-Fatiha (1)"_s));
    }

    // After start the panes show the stored word's first match, or nothing when it has none.
    void startUpShowsTheStoredWordsMatch_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<qint64>("ordinal");
        QTest::addColumn<QString>("reference");
        QTest::newRow("a match") << u"واعدنا"_s << qint64(58) << u"البقرة 51"_s;
        QTest::newRow("no match") << u"ضضض"_s << qint64(0) << QString();
    }
    void startUpShowsTheStoredWordsMatch() {
        QFETCH(QString, word);
        QFETCH(qint64, ordinal);
        QFETCH(QString, reference);
        MainWindowFixture fx(Stored{{u"Kalima"_s, word}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());  // the surah refresh at half a second included
        if (ordinal == 0) {
            for (QPlainTextEdit* pane : {w.Text4, w.Te1, w.TE2, w.TE3})
                QCOMPARE(pane->toPlainText(), QString());
            return;
        }
        QCOMPARE(w.Text4->toPlainText(),
                 u"( "_s + verseOf(ordinal) + u" ) "_s + reference + u"] \u0640"_s);
        QVERIFY(w.TE3->toPlainText().endsWith(u"]  Al-Baqarah (51)"_s));
    }

    // The copies and a pane's own copy carry the no-break spaces of the Kurdish explanation.
    void copiesCarryEveryCharacter() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Command2->click();
        w.Combo1->setCurrentIndex(5);  // Al-Anam, whose 50th verse is ordinal 839
        QVERIFY(fx.settle());
        w.DBGrid2->setCurrentIndex(w.DBGrid2->model()->index(49, 0));
        QVERIFY(fx.settle());
        const QString kurdish = VerseLists::entry(MainWindowFixture::lists().List4, 839);
        QVERIFY(kurdish.contains(QChar::Nbsp));
        QClipboard* clipboard = QGuiApplication::clipboard();
        w.Command10->click();
        QCOMPARE(clipboard->text(), u" ("_s + kurdish + u") "_s);
        w.Command6->click();
        QVERIFY(clipboard->text().endsWith(u" ("_s + kurdish + u") "_s));
        w.TE2->selectAll();
        w.TE2->copy();
        QCOMPARE(clipboard->text(), kurdish);
    }

    // With tolerant matching on, letter forms and vowels no longer keep a word from its verses.
    void tolerantMatching() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        auto* tolerant = w.findChild<QAction*>(u"TolerantSearch"_s);
        QVERIFY(tolerant && !tolerant->isChecked());
        RecordSource& results = *w.sources.Data1;
        const auto matches = [&](const QString& word) {
            w.Text->setText(word);
            return results.recordCount();
        };
        const int ibrahim = matches(u"إبراهيم"_s);
        const int musa = matches(u"موسى"_s);
        QVERIFY(ibrahim > 60);
        QCOMPARE(matches(u"ابراهيم"_s), 0);

        tolerant->trigger();
        QCOMPARE(w.sources.store->read(SettingsStore::kTolerantSearchKey), u"1"_s);
        QCOMPARE(results.recordCount(), ibrahim);  // the word in the box, searched anew
        QCOMPARE(results.recordSource(), searchQuery(u"ابراهيم"_s));
        QCOMPARE(matches(u"موسي"_s), musa);
        QCOMPARE(matches(u"إِبْرَاهِيمَ"_s), ibrahim);
        QVERIFY(w.TE3->toPlainText().endsWith(u"Al-Baqarah (124)"_s));

        tolerant->trigger();
        QCOMPARE(w.sources.store->read(SettingsStore::kTolerantSearchKey), u"0"_s);
        QCOMPARE(results.recordCount(), 0);
    }

    // The verse pane marks the words the current match begins with, in the full script.
    void theMatchIsMarkedInTheVersePane() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        const auto marked = [&] {
            QStringList texts;
            for (const QTextEdit::ExtraSelection& mark : w.Text4->extraSelections())
                texts.append(mark.cursor.selectedText());
            return texts;
        };
        MainWindowFixture::type(w.Text, u"الرحمن الرح"_s);
        QCOMPARE(w.Text1(), u"1"_s);
        QCOMPARE(marked(), verseOf(1).split(u' ').mid(2, 2));
        // A pair of words the clean script writes as one.
        w.Text->setText(u"بعدما سمعه"_s);
        QCOMPARE(w.Text1(), u"188"_s);
        QCOMPARE(marked(), verseOf(188).split(u' ').mid(2, 3));
        QTest::keyClick(w.Text, Qt::Key_Down);  // no second match: the last stays
        QVERIFY(fx.settle());
        QCOMPARE(marked().size(), 3);
        w.Command2->click();
        QVERIFY(fx.settle());
        QVERIFY(marked().isEmpty());
    }

    // The box searches an explanation: each verse with a word beginning so, once, in order, as
    // many as a count straight from the source file finds.
    void searchingTheExplanations_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("word");  // as a pattern over the source's text
        QTest::newRow("English") << u"SearchEnglish"_s << u"en.hilali.txt"_s << u"Mercy"_s
                                 << u"[Mm][Ee][Rr][Cc][Yy]"_s;
        QTest::newRow("Arabic") << u"SearchArabic"_s << u"ar.muyassar.txt"_s << u"رحمة"_s
                                << u"رحمة"_s;
        QTest::newRow("Kurdish keyboard") << u"SearchKurdish"_s << u"ku.asan.txt"_s
                                          << u"\u06CC\u0648\u0633\u0641"_s << u"[يی]وسف"_s;
    }
    void searchingTheExplanations() {
        QFETCH(QString, choice);
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(QString, word);
        QFile file(QStringLiteral(ZEPHYRANE_SOURCES_DIR "/") + source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpression line(u"^\\d+\\|\\d+\\|.*(?<![\\p{L}\\p{N}\\p{Mn}])"_s + word,
                                      QRegularExpression::MultilineOption);
        const qsizetype expected = QString::fromUtf8(file.readAll()).count(line);
        QVERIFY(expected > 10);

        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.findChild<QAction*>(choice)->trigger();
        QVERIFY(!w.sources.store->read(SettingsStore::kSearchInKey).isEmpty());
        MainWindowFixture::type(w.Text, typed);
        RecordSource& results = *w.sources.Data1;
        QCOMPARE(results.recordCount(), int(expected));
        QStringList ordinals;
        for (int row = 0; row < results.recordCount(); ++row)
            ordinals.append(results.value(row, 0));
        for (int row = 1; row < ordinals.size(); ++row)
            QVERIFY(ordinals[row].toInt() > ordinals[row - 1].toInt());
        const qint64 first = ordinals.front().toLongLong();
        QCOMPARE(w.Text4->toPlainText(),
                 u"( "_s + verseOf(first) + u" ) "_s + results.field(u"Num3"_s) + u"] \u0640"_s);
        QVERIFY(w.Text4->extraSelections().isEmpty());
        w.Text->clear();
        QCOMPARE(results.recordCount(), 0);
    }

    // Go to a verse: reading mode on its surah, chosen as a reader would, the verse shown.
    void goToVerse() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        const auto& surahs = SurahCatalogue::instance().rows();
        w.goToVerse(surahs[1], 255);
        QVERIFY(fx.settle());
        QCOMPARE(w.mode(), MainWindowMode::Reading);
        QCOMPARE(w.Combo1->currentIndex(), 1);
        QCOMPARE(fx.storedValue(u"Sura"_s), u"1"_s);
        QCOMPARE(w.DBGrid2->currentIndex().row(), 254);
        QVERIFY(w.Text4->toPlainText().startsWith(u"( "_s + verseOf(7 + 255) + u" ) "_s));
        QVERIFY(w.TE3->toPlainText().endsWith(u"]  Al-Baqarah (255)"_s));

        // Past the surah's end: its last verse, and a word that says so.
        w.goToVerse(surahs[0], 9);
        QVERIFY(fx.settle());
        QCOMPARE(w.DBGrid2->currentIndex().row(), 6);
        QVERIFY(w.TE3->toPlainText().endsWith(u"]  Al-Fatiha (7)"_s));
        auto* note = w.findChild<QMessageBox*>();
        QVERIFY(note && note->isVisible());
        QVERIFY(note->text().contains(u"7"_s));
    }

    // Every surah's name in a search record gives its transliteration in the English pane.
    void everySurahNameIsFound() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        for (const Surah& surah : SurahCatalogue::instance().rows()) {
            w.sources.Data1->setRecordSource(u" select * from data where Num3 like '"_s +
                                             surah.arabicName + u" 1'"_s);
            QVERIFY(w.sources.Data1->refresh());
            w.Timer1_Timer();
            QCOMPARE(w.Text15, surah.arabicName);
            QCOMPARE(w.Dat2, surah.transliteration);
            QVERIFY(w.TE3->toPlainText().endsWith(u"]  "_s + surah.transliteration + u" (1)"_s));
        }
    }

    void choosingSurahs() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Command2->click();
        QVERIFY(fx.settle());
        QCOMPARE(w.Combo1->currentIndex(), 0);
        QCOMPARE(w.sources.Data3->recordSource(),
                 u" select * from data where Num3 like 'الفاتحة     Al-Fatiha*'"_s);
        QCOMPARE(w.dat1, u"Al-Fatiha"_s);
        QCOMPARE(w.Adad1->text(), u"7"_s);
        QCOMPARE(w.sources.Data3->recordCount(), 7);
        QVERIFY(w.TE3->toPlainText().endsWith(u"Al-Fatiha (1)"_s));
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"0"_s);

        w.Combo1->setCurrentIndex(113);
        QCOMPARE(w.Label3->text(), u"113"_s);
        QCOMPARE(w.dat1, u"An-Nas"_s);
        QCOMPARE(w.Adad1->text(), u"6"_s);
        QVERIFY(w.Timer6.isActive());
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"113"_s);
        QCOMPARE(fx.storedValue(u"Sura"_s), u"113"_s);

        // Typed text narrows by prefix but names no surah.
        w.Combo1->lineEdit()->clear();
        MainWindowFixture::type(w.Combo1->lineEdit(), u"ال"_s);
        QCOMPARE(w.Combo1->currentIndex(), -1);
        QCOMPARE(w.Label3->text(), u"-1"_s);
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"-1"_s);
        QCOMPARE(w.dat1, u"An-Nas"_s);
        QCOMPARE(w.Adad1->text(), u"6"_s);
        const int alefLam = w.sources.Data3->recordCount();
        QVERIFY(alefLam > 4000 && alefLam < 6236);

        // An apostrophe makes the query fail: the last verses stay, the refresh still runs.
        MainWindowFixture::type(w.Combo1->lineEdit(), u"'"_s);
        QCOMPARE(w.sources.Data3->recordCount(), alefLam);
        QVERIFY(w.Timer6.isActive());

        w.Combo1->setTypedText(QString());
        QCOMPARE(w.sources.Data3->recordCount(), 6236);
        QCOMPARE(w.Label3->text(), u"-1"_s);

        // Typed text equal to an entry counts like choosing it, but selects nothing.
        w.Combo1->setTypedText(u"البقرة     Al-Baqarah"_s);
        QCOMPARE(w.Combo1->currentIndex(), -1);
        QCOMPARE(w.dat1, u"Al-Baqarah"_s);
        QCOMPARE(w.Adad1->text(), u"286"_s);

        // Return, or leaving the box, keeps it so.
        w.Combo1->setFocus();
        QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Return);
        w.Text->setFocus();
        QCOMPARE(w.Combo1->currentIndex(), -1);
        QCOMPARE(w.Label3->text(), u"-1"_s);
    }

    void readingBaqarahRowByRow() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}, {u"Sura"_s, u"1"_s}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Command2->click();
        QVERIFY(fx.settle());
        QCOMPARE(w.dat1, u"Al-Baqarah"_s);
        for (int row : {0, 1, 2}) {
            clickRow(w.DBGrid2, row);
            QVERIFY(fx.settle());
            const qint64 ordinal = 8 + row;
            QCOMPARE(w.Text4->toPlainText(), u"( "_s + verseOf(ordinal) + u" ) البقرة "_s +
                                                 QString::number(row + 1) + u"] \u0640"_s);
            QCOMPARE(w.TE3->toPlainText(),
                     u"["_s + VerseLists::entry(MainWindowFixture::lists().List2, ordinal) +
                         u"]  Al-Baqarah ("_s + QString::number(row + 1) + u")"_s);
        }
    }
};

QTEST_MAIN(TestLiveSearch)
#include "test_live_search.moc"
