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
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"الرحمن"_s);
        QCOMPARE(w.Te, u"الرحمن"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"الرحمن"_s));
        const int matches = w.sources.Data1->recordCount();
        QVERIFY(matches > 0);
        QCOMPARE(control<RecordGrid>(w, u"DBGrid1"_s)->model()->rowCount(), matches);
        const qint64 first = w.sources.Data1->field(u"No1"_s).toLongLong();
        QVERIFY(control<QPlainTextEdit>(w, u"Text4"_s)
                    ->toPlainText()
                    .startsWith(u"( "_s + verseOf(first) + u" ) "_s));
        QVERIFY(control<QTimer>(w, u"Timer11"_s)->isActive());
        QVERIFY(fx.settle());
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), QString::number(matches) + u' ' + w.Text6);
        QCOMPARE(w.sources.Data1->absolutePosition(), 0);
        QCOMPARE(fx.storedValue(u"Kalima"_s), u"الرحمن"_s);
    }

    void typedKehehYehHehBecomeArabicButPastedStay() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        // Keheh, yeh and heh as Persian and Kurdish keyboards type them.
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"\u06A9\u06CC\u06BE"_s);
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(), u"\u0643\u064A\u0647"_s);
        control<QLineEdit>(w, u"Text"_s)->clear();
        QGuiApplication::clipboard()->setText(u"\u06A9\u06CC\u06BE"_s);
        control<QLineEdit>(w, u"Text"_s)->paste();
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(), u"\u06A9\u06CC\u06BE"_s);
    }

    void leadingBlanksAndEmptyBox() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        control<QLineEdit>(w, u"Text"_s)->setText(u"  بسم"_s);
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(), u"بسم"_s);
        QCOMPARE(w.Te, u"بسم"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"بسم"_s));
        QVERIFY(!control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText().isEmpty());
        QCOMPARE(fx.storedValue(u"Kalima"_s), u"بسم"_s);

        // A paste of ten thousand blanks and a word: the word alone, searched and stored.
        QGuiApplication::clipboard()->setText(QString(10000, u' ') + u"الرحمن"_s);
        control<QLineEdit>(w, u"Text"_s)->selectAll();
        control<QLineEdit>(w, u"Text"_s)->paste();
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(), u"الرحمن"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"الرحمن"_s));
        QCOMPARE(fx.storedValue(u"Kalima"_s), u"الرحمن"_s);

        control<QLineEdit>(w, u"Text"_s)->clear();
        QCOMPARE(w.Te, u"No"_s);
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"No"_s));
        for (QPlainTextEdit* pane :
             {control<QPlainTextEdit>(w, u"Text4"_s), control<QPlainTextEdit>(w, u"Te1"_s),
              control<QPlainTextEdit>(w, u"TE2"_s), control<QPlainTextEdit>(w, u"TE3"_s)})
            QCOMPARE(pane->toPlainText(), QString());
    }

    void noMatchShowsZero() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"ضضض"_s);
        QCOMPARE(w.sources.Data1->recordCount(), 0);
        QCOMPARE(control<RecordGrid>(w, u"DBGrid1"_s)->model()->rowCount(), 0);
        QVERIFY(fx.settle());
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), u"0 "_s + w.Text6);
        for (QPlainTextEdit* pane :
             {control<QPlainTextEdit>(w, u"Text4"_s), control<QPlainTextEdit>(w, u"Te1"_s),
              control<QPlainTextEdit>(w, u"TE2"_s), control<QPlainTextEdit>(w, u"TE3"_s)})
            QCOMPARE(pane->toPlainText(), QString());
        w.Timer1_Timer();
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), u"0"_s);
        // Stepping in an empty result is harmless.
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Up);
        QVERIFY(fx.settle());
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(), QString());
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
        control<QPushButton>(w, u"Command2"_s)->click();
        // The same text in the surah box names no surah.
        control<SurahBox>(w, u"Combo1"_s)->setTypedText(word);
        QVERIFY(fx.settle());
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentText(),
                 word.left(control<SurahBox>(w, u"Combo1"_s)->lineEdit()->maxLength()));
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"-1"_s);
        QCOMPARE(fx.storedValue(u"Sura"_s), u"-1"_s);
        control<QPushButton>(w, u"Command1"_s)->click();
        control<QLineEdit>(w, u"Text"_s)->setText(u"ب"_s + word);
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        QVERIFY(fx.settle());
        // The box holds at most its maximum length of a paste.
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(),
                 (u"ب"_s + word).left(control<QLineEdit>(w, u"Text"_s)->maxLength()));
    }

    void arrowKeysStopAtBothEnds() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"الرحمن"_s);
        QVERIFY(fx.settle());
        RecordSource& results = *w.sources.Data1;
        const int last = results.recordCount() - 1;
        QVERIFY(last >= 2);

        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Up);
        QVERIFY(fx.settle());
        QCOMPARE(results.absolutePosition(), 0);
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), u"1"_s);
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(),
                 u"الرحمن"_s);  // the box never sees the arrows

        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        QVERIFY(fx.settle());
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), u"2"_s);
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(),
                 u"( "_s + verseOf(results.field(u"No1"_s).toLongLong()) + u" ) "_s +
                     results.field(u"Num3"_s) + u"] \u0640"_s);
        for (int i = 0; i < last + 3; ++i)
            QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        QVERIFY(fx.settle());
        QCOMPARE(results.absolutePosition(), last);
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), QString::number(last + 1));
    }

    void gridClicksAndTheCountLine() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"الرحمن"_s);
        const int matches = w.sources.Data1->recordCount();
        // A row clicked while the count line is pending stays in the panes.
        clickRow(control<RecordGrid>(w, u"DBGrid1"_s), 2);
        QVERIFY(QTest::qWaitFor([&] { return !control<QTimer>(w, u"Timer1"_s)->isActive(); }));
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), u"3"_s);
        const QString third = control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText();
        QVERIFY(third.contains(w.sources.Data1->field(u"Num3"_s)));
        QVERIFY(fx.settle());
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), QString::number(matches) + u' ' + w.Text6);
        // The count leaves the clicked match current, in the grid and in the panes alike.
        QCOMPARE(w.sources.Data1->absolutePosition(), 2);
        QCOMPARE(control<RecordGrid>(w, u"DBGrid1"_s)->currentIndex().row(), 2);
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(), third);

        // The arrow keys in the grid move the verse shown with the highlight.
        QTest::keyClick(control<RecordGrid>(w, u"DBGrid1"_s), Qt::Key_Down);
        QVERIFY(fx.settle());
        QCOMPARE(w.sources.Data1->absolutePosition(), 3);
        QCOMPARE(control<QLabel>(w, u"Text3"_s)->text(), u"4"_s);
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(),
                 u"( "_s + verseOf(w.Text1().toLongLong()) + u" ) "_s + w.Text5() + u"] \u0640"_s);
    }

    void searchButtonRequeriesOnlyForArabic() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        const QString marker = searchQuery(u"بسم"_s);
        control<QPushButton>(w, u"Command2"_s)->click();

        control<QLineEdit>(w, u"Text"_s)->setText(u"abc"_s);
        w.sources.Data1->setRecordSource(marker);
        control<QPushButton>(w, u"Command1"_s)->click();
        QCOMPARE(w.sources.Data1->recordSource(), marker);
        QCOMPARE(w.mode(), MainWindowMode::Search);

        control<QLineEdit>(w, u"Text"_s)->setText(u"الحمد"_s);
        w.sources.Data1->setRecordSource(marker);
        control<QPushButton>(w, u"Command2"_s)->click();
        control<QPushButton>(w, u"Command1"_s)->click();
        QCOMPARE(w.sources.Data1->recordSource(), searchQuery(u"الحمد"_s));
    }

    // The English pane names the surah of the verse shown, whatever was shown before it.
    void everyPathNamesTheVersesOwnSurah() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"يتساءلون"_s);
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        QVERIFY(fx.settle());
        QVERIFY(
            control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"]  Al-Qasas (66)"_s));
        control<QLineEdit>(w, u"Text"_s)->clear();
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"واعدنا"_s);
        QCOMPARE(control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText(),
                 u"["_s + VerseLists::entry(MainWindowFixture::lists().List2, 58) +
                     u"]  Al-Baqarah (51)"_s);

        // Typed surah-box text lists the verses of every surah it begins.
        control<QPushButton>(w, u"Command2"_s)->click();
        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(1);
        QVERIFY(fx.settle());
        control<SurahBox>(w, u"Combo1"_s)->setTypedText(u"ال"_s);
        QVERIFY(fx.settle());
        QVERIFY(control<QPlainTextEdit>(w, u"Text4"_s)
                    ->toPlainText()
                    .startsWith(u"( "_s + verseOf(1) + u" ) "_s));
        QVERIFY(
            control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"]  Al-Fatiha (1)"_s));
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
            for (QPlainTextEdit* pane :
                 {control<QPlainTextEdit>(w, u"Text4"_s), control<QPlainTextEdit>(w, u"Te1"_s),
                  control<QPlainTextEdit>(w, u"TE2"_s), control<QPlainTextEdit>(w, u"TE3"_s)})
                QCOMPARE(pane->toPlainText(), QString());
            return;
        }
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(),
                 u"( "_s + verseOf(ordinal) + u" ) "_s + reference + u"] \u0640"_s);
        QVERIFY(
            control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"]  Al-Baqarah (51)"_s));
    }

    // The copies and a pane's own copy carry the no-break spaces of the Kurdish explanation.
    void copiesCarryEveryCharacter() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        control<QPushButton>(w, u"Command2"_s)->click();
        control<SurahBox>(w, u"Combo1"_s)
            ->setCurrentIndex(5);  // Al-Anam, whose 50th verse is ordinal 839
        QVERIFY(fx.settle());
        control<RecordGrid>(w, u"DBGrid2"_s)
            ->setCurrentIndex(control<RecordGrid>(w, u"DBGrid2"_s)->model()->index(49, 0));
        QVERIFY(fx.settle());
        const QString kurdish = VerseLists::entry(MainWindowFixture::lists().List4, 839);
        QVERIFY(kurdish.contains(QChar::Nbsp));
        QClipboard* clipboard = QGuiApplication::clipboard();
        control<QPushButton>(w, u"Command10"_s)->click();
        QCOMPARE(clipboard->text(), u" ("_s + kurdish + u") "_s);
        control<QPushButton>(w, u"Command6"_s)->click();
        QVERIFY(clipboard->text().endsWith(u" ("_s + kurdish + u") "_s));
        control<QPlainTextEdit>(w, u"TE2"_s)->selectAll();
        control<QPlainTextEdit>(w, u"TE2"_s)->copy();
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
            control<QLineEdit>(w, u"Text"_s)->setText(word);
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
        QVERIFY(
            control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"Al-Baqarah (124)"_s));

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
            for (const QTextEdit::ExtraSelection& mark :
                 control<QPlainTextEdit>(w, u"Text4"_s)->extraSelections())
                texts.append(mark.cursor.selectedText());
            return texts;
        };
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"الرحمن الرح"_s);
        QCOMPARE(w.Text1(), u"1"_s);
        QCOMPARE(marked(), verseOf(1).split(u' ').mid(2, 2));
        // A pair of words the clean script writes as one.
        control<QLineEdit>(w, u"Text"_s)->setText(u"بعدما سمعه"_s);
        QCOMPARE(w.Text1(), u"188"_s);
        QCOMPARE(marked(), verseOf(188).split(u' ').mid(2, 3));
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s),
                        Qt::Key_Down);  // no second match: the last stays
        QVERIFY(fx.settle());
        QCOMPARE(marked().size(), 3);
        control<QPushButton>(w, u"Command2"_s)->click();
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
        QTest::newRow("English run of words")
            << u"SearchEnglish"_s << u"en.hilali.txt"_s << u"those who believe and"_s
            << u"[Tt]hose [Ww]ho [Bb]elieve [Aa]nd"_s;
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
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), typed);
        RecordSource& results = *w.sources.Data1;
        QCOMPARE(results.recordCount(), int(expected));
        QStringList ordinals;
        for (int row = 0; row < results.recordCount(); ++row)
            ordinals.append(results.value(row, 0));
        for (int row = 1; row < ordinals.size(); ++row)
            QVERIFY(ordinals[row].toInt() > ordinals[row - 1].toInt());
        const qint64 first = ordinals.front().toLongLong();
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(),
                 u"( "_s + verseOf(first) + u" ) "_s + results.field(u"Num3"_s) + u"] \u0640"_s);
        QVERIFY(control<QPlainTextEdit>(w, u"Text4"_s)->extraSelections().isEmpty());
        control<QLineEdit>(w, u"Text"_s)->clear();
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
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), 1);
        QCOMPARE(fx.storedValue(u"Sura"_s), u"1"_s);
        QCOMPARE(control<RecordGrid>(w, u"DBGrid2"_s)->currentIndex().row(), 254);
        QVERIFY(control<QPlainTextEdit>(w, u"Text4"_s)
                    ->toPlainText()
                    .startsWith(u"( "_s + verseOf(7 + 255) + u" ) "_s));
        QVERIFY(
            control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"]  Al-Baqarah (255)"_s));

        // Past the surah's end: its last verse, and a word that says so.
        w.goToVerse(surahs[0], 9);
        QVERIFY(fx.settle());
        QCOMPARE(control<RecordGrid>(w, u"DBGrid2"_s)->currentIndex().row(), 6);
        QVERIFY(
            control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"]  Al-Fatiha (7)"_s));
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
            QVERIFY(control<QPlainTextEdit>(w, u"TE3"_s)
                        ->toPlainText()
                        .endsWith(u"]  "_s + surah.transliteration + u" (1)"_s));
        }
    }

    void choosingSurahs() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        control<QPushButton>(w, u"Command2"_s)->click();
        QVERIFY(fx.settle());
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), 0);
        QCOMPARE(w.sources.Data3->recordSource(),
                 u" select * from data where Num3 like 'الفاتحة     Al-Fatiha*'"_s);
        QCOMPARE(w.dat1, u"Al-Fatiha"_s);
        QCOMPARE(control<QLineEdit>(w, u"Adad1"_s)->text(), u"7"_s);
        QCOMPARE(w.sources.Data3->recordCount(), 7);
        QVERIFY(control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText().endsWith(u"Al-Fatiha (1)"_s));
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"0"_s);

        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(113);
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"113"_s);
        QCOMPARE(w.dat1, u"An-Nas"_s);
        QCOMPARE(control<QLineEdit>(w, u"Adad1"_s)->text(), u"6"_s);
        QVERIFY(control<QTimer>(w, u"Timer6"_s)->isActive());
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"113"_s);
        QCOMPARE(fx.storedValue(u"Sura"_s), u"113"_s);

        // Typed text narrows by prefix but names no surah.
        control<SurahBox>(w, u"Combo1"_s)->lineEdit()->clear();
        MainWindowFixture::type(control<SurahBox>(w, u"Combo1"_s)->lineEdit(), u"ال"_s);
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), -1);
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"-1"_s);
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"-1"_s);
        QCOMPARE(w.dat1, u"An-Nas"_s);
        QCOMPARE(control<QLineEdit>(w, u"Adad1"_s)->text(), u"6"_s);
        const int alefLam = w.sources.Data3->recordCount();
        QVERIFY(alefLam > 4000 && alefLam < 6236);

        // An apostrophe makes the query fail: the last verses stay, the refresh still runs.
        MainWindowFixture::type(control<SurahBox>(w, u"Combo1"_s)->lineEdit(), u"'"_s);
        QCOMPARE(w.sources.Data3->recordCount(), alefLam);
        QVERIFY(control<QTimer>(w, u"Timer6"_s)->isActive());

        control<SurahBox>(w, u"Combo1"_s)->setTypedText(QString());
        QCOMPARE(w.sources.Data3->recordCount(), 6236);
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"-1"_s);

        // Typed text equal to an entry counts like choosing it, but selects nothing.
        control<SurahBox>(w, u"Combo1"_s)->setTypedText(u"البقرة     Al-Baqarah"_s);
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), -1);
        QCOMPARE(w.dat1, u"Al-Baqarah"_s);
        QCOMPARE(control<QLineEdit>(w, u"Adad1"_s)->text(), u"286"_s);

        // Return, or leaving the box, keeps it so.
        control<SurahBox>(w, u"Combo1"_s)->setFocus();
        QTest::keyClick(control<SurahBox>(w, u"Combo1"_s)->lineEdit(), Qt::Key_Return);
        control<QLineEdit>(w, u"Text"_s)->setFocus();
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), -1);
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"-1"_s);
    }

    void readingBaqarahRowByRow() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}, {u"Sura"_s, u"1"_s}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        control<QPushButton>(w, u"Command2"_s)->click();
        QVERIFY(fx.settle());
        QCOMPARE(w.dat1, u"Al-Baqarah"_s);
        for (int row : {0, 1, 2}) {
            clickRow(control<RecordGrid>(w, u"DBGrid2"_s), row);
            QVERIFY(fx.settle());
            const qint64 ordinal = 8 + row;
            QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->toPlainText(),
                     u"( "_s + verseOf(ordinal) + u" ) البقرة "_s + QString::number(row + 1) +
                         u"] \u0640"_s);
            QCOMPARE(control<QPlainTextEdit>(w, u"TE3"_s)->toPlainText(),
                     u"["_s + VerseLists::entry(MainWindowFixture::lists().List2, ordinal) +
                         u"]  Al-Baqarah ("_s + QString::number(row + 1) + u")"_s);
        }
    }
};

QTEST_MAIN(TestLiveSearch)
#include "test_live_search.moc"
