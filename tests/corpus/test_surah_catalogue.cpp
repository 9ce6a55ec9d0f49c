#include <QTest>

#include "SurahCatalogue.h"

class TestSurahCatalogue : public QObject {
    Q_OBJECT

  private slots:
    void tableInvariants() {
        const auto& rows = SurahCatalogue::instance().rows();
        QCOMPARE(int(rows.size()), SurahCatalogue::kSurahCount);
        int sum = 0;
        QSet<QString> names, items;
        for (const Surah& s : rows) {
            sum += s.verseCount;
            names.insert(s.arabicName);
            items.insert(s.itemText);
            QVERIFY(!s.itemText.contains(QLatin1Char('\'')));
            for (QChar c : {u'*', u'?', u'#', u'['})
                QVERIFY(!s.itemText.contains(c));
        }
        QCOMPARE(sum, SurahCatalogue::kVerseCount);
        QCOMPARE(names.size(), 114);
        QCOMPARE(items.size(), 114);
        for (const Surah& a : rows)
            for (const Surah& b : rows)
                if (&a != &b)
                    QVERIFY2(!b.itemText.startsWith(a.itemText), qPrintable(a.itemText));
        QCOMPARE(rows[1].verseCount, 286);
        QCOMPARE(rows[104].transliteration, QStringLiteral("al-Fil"));
    }

    void findByItemText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("exact") << QStringLiteral("الفاتحة     Al-Fatiha") << 1;
        QTest::newRow("four blanks") << QStringLiteral("الفاتحة    Al-Fatiha") << 0;
        QTest::newRow("six blanks") << QStringLiteral("الفاتحة      Al-Fatiha") << 0;
        QTest::newRow("trailing blank") << QStringLiteral("الفاتحة     Al-Fatiha ") << 0;
        QTest::newRow("small letters") << QStringLiteral("الفاتحة     al-fatiha") << 0;
        QTest::newRow("last") << QStringLiteral("الناس     An-Nas") << 114;
        QTest::newRow("empty") << QString() << 0;
    }
    void findByItemText() {
        QFETCH(QString, text);
        QFETCH(int, number);
        const Surah* s = SurahCatalogue::instance().findByItemText(text);
        QCOMPARE(s ? s->number : 0, number);
        if (number == 1)
            QCOMPARE(s->verseCount, 7);
    }

    void findByArabicName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("hajj not hijr") << QStringLiteral("الحج") << 22;
        QTest::newRow("hijr") << QStringLiteral("الحجر") << 15;
        QTest::newRow("hujurat") << QStringLiteral("الحجرات") << 49;
        QTest::newRow("qaf") << QStringLiteral("ق") << 50;
        QTest::newRow("quraish") << QStringLiteral("قريش") << 106;
        QTest::newRow("inner space") << QStringLiteral("آل عمران") << 3;
        QTest::newRow("plain alef") << QStringLiteral("ال عمران") << 0;
        QTest::newRow("leading blank") << QStringLiteral(" ص") << 0;
    }
    void findByArabicName() {
        QFETCH(QString, name);
        QFETCH(int, number);
        const Surah* s = SurahCatalogue::instance().findByArabicName(name);
        QCOMPARE(s ? s->number : 0, number);
    }

    void findByReadersName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("number") << QStringLiteral(" 2 ") << 2;
        QTest::newRow("last number") << QStringLiteral("114") << 114;
        QTest::newRow("no such number") << QStringLiteral("115") << 0;
        QTest::newRow("zero") << QStringLiteral("0") << 0;
        QTest::newRow("Arabic name") << QStringLiteral("البقرة") << 2;
        QTest::newRow("Arabic beginning") << QStringLiteral("آل عم") << 3;
        QTest::newRow("transliteration") << QStringLiteral("Al-Baq") << 2;
        QTest::newRow("without article or case") << QStringLiteral("baq") << 2;
        QTest::newRow("inner article") << QStringLiteral("imran") << 3;
        QTest::newRow("unknown") << QStringLiteral("xyz") << 0;
        QTest::newRow("blank") << QStringLiteral("  ") << 0;
    }
    void findByReadersName() {
        QFETCH(QString, text);
        QFETCH(int, number);
        const Surah* s = SurahCatalogue::instance().findByReadersName(text);
        QCOMPARE(s ? s->number : 0, number);
    }

    void everyRowFindsItself() {
        const auto& cat = SurahCatalogue::instance();
        qint64 first = 1;
        for (const Surah& s : cat.rows()) {
            QCOMPARE(cat.findByArabicName(s.arabicName), &s);
            QCOMPARE(cat.findByItemText(s.itemText), &s);
            QCOMPARE(cat.findByOrdinal(first), &s);
            first += s.verseCount;
            QCOMPARE(cat.findByOrdinal(first - 1), &s);
        }
        QCOMPARE(cat.itemTexts().size(), 114);
        QCOMPARE(cat.findByOrdinal(0), nullptr);
        QCOMPARE(cat.findByOrdinal(first), nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSurahCatalogue)
#include "test_surah_catalogue.moc"
