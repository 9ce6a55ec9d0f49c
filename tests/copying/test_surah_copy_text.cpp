// The surah copy's text builder on its own: the exact text with its CR LF line breaks, the
// rules that hang on the window's choices, verses outside the corpus, and the percentage.
#include <QTest>

#include "SurahCopyExpected.h"
#include "SurahCopyText.h"

using namespace Qt::StringLiterals;
using namespace expected;

Q_DECLARE_METATYPE(SurahCopyChoices)

namespace {

SurahCopyChoices from(qint64 fromIndex, const QString& verse) {
    SurahCopyChoices choices;
    choices.fromIndex = fromIndex;
    choices.fromVerse = verse;
    return choices;
}

// Runs a copy to its end, with a bound on the steps.
QString build(const SurahCopyChoices& choices, qint64 toIndex) {
    SurahCopyText copy(MainWindowFixture::lists());
    if (!copy.start(choices, toIndex))
        return u"not started"_s;
    for (int steps = 0; steps < 7000; ++steps) {
        if (copy.step(choices).finished)
            return copy.takeText();
    }
    return u"never finished"_s;
}

}  // namespace

class TestSurahCopyText : public QObject {
    Q_OBJECT

  private slots:
    void texts_data() {
        QTest::addColumn<SurahCopyChoices>("choices");
        QTest::addColumn<qint64>("toIndex");
        QTest::addColumn<QString>("text");

        SurahCopyChoices lines = from(ordinal(1, 7), u"7"_s);
        lines.lineOption = true;
        QTest::newRow("line option across two surahs")
            << lines << ordinal(2, 2)
            << verse(7) + kCrLf + kCrLf + header(2) + verse(8) + kCrLf + verse(9) + kCrLf;

        SurahCopyChoices fatiha = from(1, u"1"_s);
        fatiha.lineOption = true;
        fatiha.english = true;
        QTest::newRow("whole first surah, line option")
            << fatiha << qint64(7)
            << u" "_s + header(1) + verse(1) + english(1) + kCrLf + verse(2) + english(2) + kCrLf +
                   verse(3) + english(3) + kCrLf + verse(4) + english(4) + kCrLf + verse(5) +
                   english(5) + kCrLf + verse(6) + english(6) + kCrLf + verse(7) + english(7) +
                   kCrLf;

        // The first verse of the corpus keeps its number and explanations.
        SurahCopyChoices first = from(1, u"1"_s);
        first.arabic = true;
        QTest::newRow("first verse of the corpus")
            << first << qint64(1) << header(1) + verse(1) + arabic(1) + kCrLf;

        QTest::newRow("into At-Tawba, which has no basmala")
            << from(ordinal(8, 75), u"75"_s) << ordinal(9, 2)
            << verse(ordinal(8, 75)) + kCrLf + kCrLf + header(9) + verse(ordinal(9, 1)) +
                   verse(ordinal(9, 2)) + kCrLf;

        SurahCopyChoices last = from(ordinal(114, 6), u"6"_s);
        last.kurdish = true;
        QTest::newRow("last verse of the corpus")
            << last << qint64(6236) << verse(6236) + kurdish(6236) + kCrLf;
    }
    void texts() {
        QFETCH(SurahCopyChoices, choices);
        QFETCH(qint64, toIndex);
        QFETCH(QString, text);
        QCOMPARE(build(choices, toIndex), text);
    }

    // The from-verse may change during a copy: later steps read from the new place, and
    // steps that run past the corpus add nothing.
    void fromIndexMovedDuringACopy() {
        SurahCopyText copy(MainWindowFixture::lists());
        SurahCopyChoices choices = from(6233, u"3"_s);
        QVERIFY(copy.start(choices, 6236));
        QVERIFY(!copy.step(choices).finished);
        choices.fromIndex = 6234;
        QVERIFY(!copy.step(choices).finished);
        QVERIFY(!copy.step(choices).finished);
        QVERIFY(copy.step(choices).finished);
        QCOMPARE(copy.text(), verse(6233) + verse(6235) + verse(6236) + kCrLf);
    }

    void startAndProgress() {
        SurahCopyText copy(MainWindowFixture::lists());
        const SurahCopyChoices choices = from(100, u"5"_s);
        QVERIFY(!copy.start(choices, 99));
        QVERIFY(copy.start(choices, 100));
        const SurahCopyText::Step single = copy.step(choices);
        QVERIFY(single.finished);
        QVERIFY(!single.progress);

        // 200 steps: step k reads k / 2 percent, halves going to the even neighbour.
        QVERIFY(copy.start(choices, 300));
        QList<qint64> progress;
        for (int k = 0; k < 6; ++k)
            progress.append(copy.step(choices).progress.value_or(-1));
        QCOMPARE(progress, (QList<qint64>{0, 0, 1, 2, 2, 2}));
        QVERIFY(copy.text().startsWith(verse(100)));

        // A new start forgets the text so far.
        QVERIFY(copy.start(choices, 100));
        QVERIFY(copy.step(choices).finished);
        QCOMPARE(copy.text(), verse(100) + kCrLf);
    }
};

QTEST_GUILESS_MAIN(TestSurahCopyText)
#include "test_surah_copy_text.moc"
