// The maintainers' query tool answers both shipped databases exactly as the program refreshes.
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Answer {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

Answer query(const QString& database, const QString& text) {
    QProcess tool;
    tool.start(QStringLiteral(ZEPHYRANE_QUERY_TOOL),
               {QStringLiteral(ZEPHYRANE_RUN_DIR "/Data/") + database, text});
    tool.waitForFinished(60000);
    return {tool.exitCode(),
            QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(tool.readAllStandardError())};
}

}  // namespace

class TestQueryTool : public QObject {
    Q_OBJECT

  private slots:
    void answersBothDatabases() {
        const Answer words =
            query(u"AWAR.MDB"_s, u" select * from data where Mum1 like 'الحمد لله رب*'"_s);
        QCOMPARE(words.exitCode, 0);
        QCOMPARE(words.lines.first(), u"No1\tNum1\tNum3\tMum1\tNo"_s);
        QVERIFY(words.lines.size() > 2);
        QCOMPARE(words.lines[1], u"2\tالحمد\tالفاتحة 2\tالحمد لله رب العالمين\t2"_s);

        const Answer verses =
            query(u"Quran.MDB"_s, u" select * from data where Num3 like 'الناس     An-Nas*'"_s);
        QCOMPARE(verses.exitCode, 0);
        QCOMPARE(verses.lines.size(), 1 + 6);
        QVERIFY(verses.lines[1].startsWith(u"6231\tالناس     An-Nas 1\t"_s));
    }

    void rejectedTextsSayWhy() {
        const Answer answer =
            query(u"AWAR.MDB"_s, u" select * from data where Mum1 like 'x' or 'a'='a*'"_s);
        QCOMPARE(answer.exitCode, 2);
        QVERIFY(answer.lines.isEmpty());
        QVERIFY(answer.errors.startsWith(u"refresh failed: "_s));
        QCOMPARE(query(u"Missing.MDB"_s, u"Data"_s).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestQueryTool)
#include "test_query_tool.moc"
