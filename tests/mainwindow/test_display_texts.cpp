// The texts the main window builds: pane texts, the surah name of a reference, numbers read
// from text, and what the verse copy commands put on the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "Clipboard.h"
#include "DecimalText.h"
#include "PaneTextLayout.h"
#include "PaneTexts.h"
#include "SurahNameParse.h"
#include "VerseCopy.h"
#include "VerseLists.h"

using namespace Qt::StringLiterals;

class TestDisplayTexts : public QObject {
    Q_OBJECT

  private slots:
    void paneTexts() {
        VerseLists lists;
        lists.List1 = QStringList{u"v1"_s, u"بِسْمِ"_s};
        lists.List2 = QStringList{u"e1"_s, u"In the Name"_s};
        lists.List3 = QStringList{u"a1"_s, u"تفسير"_s};
        lists.List4 = QStringList{u"k1"_s, u"به\u200cناوی"_s};
        const PaneTexts texts =
            PaneTexts::forVerse(lists, 2, u"الفاتحة 1"_s, u"Al-Fatiha"_s, u"1"_s);
        QCOMPARE(texts.verse, u"( بِسْمِ ) الفاتحة 1] \u0640"_s);
        QCOMPARE(texts.arabic, u"تفسير "_s);
        QCOMPARE(texts.kurdish, u"به\u200cناوی"_s);
        QCOMPARE(texts.english, u"[In the Name]  Al-Fatiha (1)"_s);

        // Ordinals outside the lists read as empty entries, never beyond them.
        for (qint64 ordinal : {qint64(0), qint64(3), qint64(-5), qint64(1) << 40}) {
            const PaneTexts empty = PaneTexts::forVerse(lists, ordinal, u"R"_s, u"N"_s, u"7"_s);
            QCOMPARE(empty.verse, u"(  ) R] \u0640"_s);
            QCOMPARE(empty.arabic, u" "_s);
            QCOMPARE(empty.kurdish, QString());
            QCOMPARE(empty.english, u"[]  N (7)"_s);
        }
    }

    void surahNameOfAReference_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("name");  // "<none>": no position qualifies
        QTest::newRow("three digits") << u"البقرة 255"_s << u"البقرة"_s;
        QTest::newRow("one digit") << u"البقرة 7"_s << u"البقرة"_s;
        QTest::newRow("two digits") << u"الناس 12"_s << u"الناس"_s;
        // " ص 5": blanks at i = 2 and i = 4; the later, empty result wins.
        QTest::newRow("sad with leading blank") << u" ص 5"_s << QString();
        QTest::newRow("no blank") << u"abcdef"_s << u"<none>"_s;
        QTest::newRow("four digits") << u"name 1234"_s << u"<none>"_s;
        QTest::newRow("empty") << QString() << u"<none>"_s;
        QTest::newRow("blank only") << u" "_s << u"<none>"_s;
        QTest::newRow("two characters") << u" 1"_s << QString();
    }
    void surahNameOfAReference() {
        QFETCH(QString, reference);
        QFETCH(QString, name);
        const std::optional<QString> parsed = parseSurahName(reference);
        QCOMPARE(parsed.value_or(u"<none>"_s), name);
    }

    void decimalText() {
        QCOMPARE(DecimalText::leadingDigits(u""_s), 0);
        QCOMPARE(DecimalText::leadingDigits(u"6236"_s), 6236);
        QCOMPARE(DecimalText::leadingDigits(u"12ab"_s), 12);
        QCOMPARE(DecimalText::leadingDigits(u"x12"_s), 0);
        QVERIFY(DecimalText::leadingDigits(QString(400, u'9')) > 6236);
        QCOMPARE(DecimalText::roundedValue(u""_s), 0);
        QCOMPARE(DecimalText::roundedValue(u" 113"_s), 113);
        QCOMPARE(DecimalText::roundedValue(u"-1"_s), -1);
        QCOMPARE(DecimalText::roundedValue(u"2.5"_s), 2);
        QCOMPARE(DecimalText::roundedValue(u"3.5"_s), 4);
        QCOMPARE(DecimalText::roundedValue(u"6.6x"_s), 7);
        QCOMPARE(DecimalText::roundedValue(u"abc"_s), 0);
        QVERIFY(DecimalText::roundedValue(QString(400, u'9')) > 113);
    }

    void verseCopyTexts() {
        const PaneTexts empty;
        QCOMPARE(verseCopyText(VerseCopy::Verse, empty), QString());
        QCOMPARE(verseCopyText(VerseCopy::VerseEnglish, empty), u" () "_s);
        QCOMPARE(verseCopyText(VerseCopy::VerseAll, empty), u" ()  ()  () "_s);

        const PaneTexts panes{u"V"_s, u"A "_s, u"K\u200c"_s, u"[E]  Al-Fatiha (1)"_s};
        QCOMPARE(verseCopyText(VerseCopy::ArabicOnly, panes), u" (A ) "_s);
        QCOMPARE(verseCopyText(VerseCopy::KurdishOnly, panes), u" (K\u200c) "_s);
        QCOMPARE(verseCopyText(VerseCopy::VerseArabic, panes), u"V (A ) "_s);
        QCOMPARE(verseCopyText(VerseCopy::VerseAll, panes),
                 u"V (A )  (K\u200c)  ([E]  Al-Fatiha (1)) "_s);
    }

    // A replaced pane shows the new text from its start, whatever the reader did in the old one.
    void paneTextReplacement() {
        QPlainTextEdit pane;
        pane.resize(200, 80);
        PaneTextLayout::install(&pane);
        pane.show();
        const QString longText = QString(u"بِسْمِ ٱللَّهِ "_s).repeated(200);
        const QStringList texts{longText, u"short"_s, QString(), longText, u"e"_s};
        for (const QString& text : texts) {
            PaneTextLayout::replaceText(&pane, text);
            QCOMPARE(pane.toPlainText(), text);
            QCOMPARE(pane.textCursor().position(), 0);
            QVERIFY(!pane.textCursor().hasSelection());
            QCOMPARE(pane.verticalScrollBar()->value(), 0);
            // The reader scrolls to the end and selects up to it.
            pane.moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);
            pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
        }
        QVERIFY(pane.document()->blockCount() == 1);
    }

    void clipboardHoldsExactlyTheCopiedText() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        auto* other = new QMimeData;
        other->setHtml(u"<b>other</b>"_s);
        clipboard->setMimeData(other);
        const QString text = u"( بِسْمِ ٱللَّهِ ۚ ) \u200c\u200f"_s;
        putOnClipboard(text);
        QCOMPARE(clipboard->text(), text);
        QVERIFY(!clipboard->mimeData()->hasHtml());
    }
};

QTEST_MAIN(TestDisplayTexts)
#include "test_display_texts.moc"
