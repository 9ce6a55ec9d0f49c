#include <QTest>

#include "LikePattern.h"
#include "QueryText.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RecordSourceText::Kind)

namespace {

// The query texts exactly as the search box and the surah box build them.
QString searchQuery(const QString& term) {
    return u" select * from data where Mum1 like '"_s + term + u"*'"_s;
}

QString surahQuery(const QString& itemText) {
    return u" select * from data where Num3 like '"_s + itemText + u"*'"_s;
}

}  // namespace

class TestQueryText : public QObject {
    Q_OBJECT

  private slots:
    void accepted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<RecordSourceText::Kind>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        const auto table = RecordSourceText::Kind::Table;
        const auto query = RecordSourceText::Kind::Query;
        const QString odd =
            u"*?#[]"_s + QChar(0x200C) + QChar(0x200F) + QChar(u'\0') + QChar(0xD800) + u";--/*"_s;

        QTest::newRow("table") << u"Data"_s << table << u"Data"_s << QString() << QString();
        QTest::newRow("table with blanks")
            << u" \tLang  "_s << table << u"Lang"_s << QString() << QString();
        QTest::newRow("search abc")
            << searchQuery(u"abc"_s) << query << u"data"_s << u"Mum1"_s << u"abc*"_s;
        QTest::newRow("search arabic")
            << searchQuery(u"بسم الله"_s) << query << u"data"_s << u"Mum1"_s << u"بسم الله*"_s;
        QTest::newRow("search empty")
            << searchQuery(QString()) << query << u"data"_s << u"Mum1"_s << u"*"_s;
        QTest::newRow("surah item") << surahQuery(u"الفاتحة     Al-Fatiha"_s) << query << u"data"_s
                                    << u"Num3"_s << u"الفاتحة     Al-Fatiha*"_s;
        QTest::newRow("surah typed alef lam")
            << surahQuery(u"ال"_s) << query << u"data"_s << u"Num3"_s << u"ال*"_s;
        QTest::newRow("doubled apostrophe")
            << searchQuery(u"O''Brien"_s) << query << u"data"_s << u"Mum1"_s << u"O'Brien*"_s;
        QTest::newRow("only apostrophes") << u"select * from data where Mum1 like ''''''"_s << query
                                          << u"data"_s << u"Mum1"_s << u"''"_s;
        QTest::newRow("empty literal") << u"select * from data where Mum1 like ''"_s << query
                                       << u"data"_s << u"Mum1"_s << QString();
        QTest::newRow("any characters")
            << searchQuery(odd) << query << u"data"_s << u"Mum1"_s << QString(odd + u"*"_s);
        QTest::newRow("keywords in any case") << u"SELECT * FROM DaTa WHERE nUM3 LIKE 'x'"_s
                                              << query << u"DaTa"_s << u"nUM3"_s << u"x"_s;
        QTest::newRow("runs of blanks")
            << u"  select \t *   from  data\t\twhere   Mum1   like   'x'  \t"_s << query
            << u"data"_s << u"Mum1"_s << u"x"_s;
        QTest::newRow("no blanks around * and quote") << u"select*from data where Mum1 like'x'"_s
                                                      << query << u"data"_s << u"Mum1"_s << u"x"_s;
    }

    void accepted() {
        QFETCH(QString, text);
        QFETCH(RecordSourceText::Kind, kind);
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        QString why;
        const std::optional<RecordSourceText> parsed = parseRecordSourceText(text, &why);
        QVERIFY2(parsed, qPrintable(why));
        QCOMPARE(parsed->kind, kind);
        QCOMPARE(parsed->table, table);
        QCOMPARE(parsed->field, field);
        QCOMPARE(parsed->pattern, pattern);
    }

    void rejected_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << u"   "_s;
        QTest::newRow("digit first") << u"1data"_s;
        QTest::newRow("two words") << u"Da ta"_s;
        QTest::newRow("table and semicolon") << u"data;"_s;
        QTest::newRow("arabic table") << u"جدول"_s;
        QTest::newRow("apostrophe in term") << searchQuery(u"O'Brien"_s);
        QTest::newRow("always true") << searchQuery(u"x' or 'a'='a"_s);
        QTest::newRow("second statement") << searchQuery(u"x'; delete from data; --"_s);
        QTest::newRow("surah text with apostrophe") << surahQuery(u"ال'"_s);
        QTest::newRow("missing closing quote") << u" select * from data where Mum1 like 'abc"_s;
        QTest::newRow("double quotes") << u" select * from data where Mum1 like \"abc\""_s;
        QTest::newRow("trailing comment") << u" select * from data where Mum1 like 'a' --"_s;
        QTest::newRow("block comment") << u" select * from data /* */ where Mum1 like 'a'"_s;
        QTest::newRow("second literal") << u" select * from data where Mum1 like 'a' 'b'"_s;
        QTest::newRow("order by") << u" select * from data where Mum1 like 'a' order by No"_s;
        QTest::newRow("equals") << u" select * from data where Mum1 = 'a'"_s;
        QTest::newRow("not like") << u" select * from data where Mum1 not like 'a'"_s;
        QTest::newRow("other field") << u" select * from data where No1 like 'a'"_s;
        QTest::newRow("other table") << u" select * from Lang where Mum1 like 'a'"_s;
        QTest::newRow("bracketed table") << u" select * from [data] where Mum1 like 'a'"_s;
        QTest::newRow("listed fields") << u" select No1 from data where Mum1 like 'a'"_s;
        QTest::newRow("glued select") << u" select* fromdata where Mum1 like 'a'"_s;
        QTest::newRow("glued where") << u" select * from data whereMum1 like 'a'"_s;
        QTest::newRow("no where") << u" select * from data"_s;
        QTest::newRow("long s lookalike") << u" ſelect * from data where Mum1 like 'a'"_s;
        QTest::newRow("kelvin lookalike") << u" select * from data where Mum1 li\u212Ae 'a'"_s;
        QTest::newRow("no-break space") << u" select\u00A0* from data where Mum1 like 'a'"_s;
        QTest::newRow("newline") << u" select *\nfrom data where Mum1 like 'a'"_s;
    }

    void rejected() {
        QFETCH(QString, text);
        QString why;
        QVERIFY(!parseRecordSourceText(text, &why));
        QVERIFY(!why.isEmpty());
    }

    // A pasted 100,000-character term must go through in one pass.
    void longTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qsizetype>("patternLength");
        const qsizetype n = 100000;
        QTest::newRow("arabic paste") << searchQuery(QString(n, QChar(0x0628))) << true << n + 1;
        QTest::newRow("doubled apostrophes") << searchQuery(QString(2 * n, u'\'')) << true << n + 1;
        QTest::newRow("unclosed") << QString(u" select * from data where Mum1 like '"_s +
                                             QString(n, u'x'))
                                  << false << qsizetype(0);
        QTest::newRow("blanks") << QString(n, u' ') << false << qsizetype(0);
    }

    void longTexts() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(qsizetype, patternLength);
        const std::optional<RecordSourceText> parsed = parseRecordSourceText(text);
        QCOMPARE(parsed.has_value(), accepted);
        if (parsed)
            QCOMPARE(parsed->pattern.size(), patternLength);
    }

    // The shape is accepted but the pattern it carries may still be refused by the matcher.
    void unbalancedBracketParsesButDoesNotCompile() {
        const std::optional<RecordSourceText> parsed = parseRecordSourceText(searchQuery(u"ب["_s));
        QVERIFY(parsed);
        QVERIFY(!LikePattern::compile(parsed->pattern));
    }
};

QTEST_GUILESS_MAIN(TestQueryText)
#include "test_query_text.moc"
