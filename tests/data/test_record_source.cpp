#include <sqlite3.h>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "LikePattern.h"
#include "RecordSetModel.h"
#include "RecordSource.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

namespace {

const QString kQuery = QStringLiteral(" select * from data where Mum1 like '");

QString query(const QString& term) {
    return kQuery + term + QStringLiteral("*'");
}

std::shared_ptr<SqliteDatabase> openShipped(const char* name) {
    QString why;
    std::shared_ptr<SqliteDatabase> db =
        SqliteDatabase::open(QStringLiteral(ZEPHYRANE_RUN_DIR "/Data/") + QLatin1String(name),
                             SqliteDatabase::Mode::ReadOnly, &why);
    if (!db)
        qWarning() << name << why;
    return db;
}

// Ordinal and field of every row whose field the general matcher accepts, in table order.
QStringList bruteForce(const QStringList& ordinals, const QStringList& values,
                       const LikePattern& pattern) {
    QStringList rows;
    for (qsizetype row = 0; row < values.size(); ++row) {
        if (!values[row].isNull() && pattern.matches(values[row]))
            rows.append(ordinals[row] + u'|' + values[row]);
    }
    return rows;
}

}  // namespace

class TestRecordSource : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::shared_ptr<SqliteDatabase> db_;

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        const QByteArray path = QFile::encodeName(dir_.filePath(QStringLiteral("t.db")));
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(path.constData(), &raw), SQLITE_OK);
        const char* schema =
            "CREATE TABLE Data (No1 TEXT, Num3 TEXT, Mum1 TEXT);"
            "CREATE INDEX DataMum1 ON Data(Mum1);"
            "INSERT INTO Data VALUES ('1', 'a 1', 'بسم الله');"
            "INSERT INTO Data VALUES ('2', 'a 2', 'Alpha beta');"
            "INSERT INTO Data VALUES ('3', 'b 1', NULL);"
            "INSERT INTO Data VALUES ('4', 'b 2', 'alpine');"
            "INSERT INTO Data VALUES ('5', 'c 1', 'بسط');"
            "INSERT INTO Data VALUES ('6', 'c 2', 'it''s');"
            "INSERT INTO Data VALUES ('7', 'c 3', 'بسم');"
            // UTF-8 order and code-unit order disagree on these two.
            "INSERT INTO Data VALUES ('8', 'd 1', 'ب𝔸');"
            "INSERT INTO Data VALUES ('9', 'd 2', 'ب\xEE\x80\x80');"
            // Same rowids, other fields and values.
            "CREATE TABLE Notes (Mum1 TEXT, Note TEXT);"
            "INSERT INTO Notes VALUES ('بسم', 'first');"
            "INSERT INTO Notes VALUES ('alpha', 'second');";
        QCOMPARE(sqlite3_exec(raw, schema, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(raw);
        QString why;
        db_ = SqliteDatabase::open(QString::fromLocal8Bit(path), SqliteDatabase::Mode::ReadOnly,
                                   &why);
        QVERIFY2(db_, qPrintable(why));
    }

    void queriesAndRejections_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("ordinals");  // empty list + "x" marks a failed refresh
        QTest::newRow("table") << QStringLiteral("Data")
                               << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s,
                                              u"6"_s, u"7"_s, u"8"_s, u"9"_s};
        QTest::newRow("table any case") << QStringLiteral(" data ") << QStringList{};
        QTest::newRow("arabic prefix")
            << query(QStringLiteral("بسم")) << QStringList{u"1"_s, u"7"_s};
        QTest::newRow("case-insensitive")
            << query(QStringLiteral("ALP")) << QStringList{u"2"_s, u"4"_s};
        QTest::newRow("question mark")
            << query(QStringLiteral("بس?")) << QStringList{u"1"_s, u"5"_s, u"7"_s};
        QTest::newRow("null never matches")
            << query(QString())
            << QStringList{u"1"_s, u"2"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s};
        QTest::newRow("beyond the basic plane") << query(u"ب𝔸"_s) << QStringList{u"8"_s};
        QTest::newRow("private use") << query(u"ب\uE000"_s) << QStringList{u"9"_s};
        QTest::newRow("one letter")
            << query(u"ب"_s) << QStringList{u"1"_s, u"5"_s, u"7"_s, u"8"_s, u"9"_s};
        QTest::newRow("doubled apostrophe") << query(QStringLiteral("it''")) << QStringList{u"6"_s};
        QTest::newRow("no match") << query(QStringLiteral("zzz")) << QStringList{};
        QTest::newRow("other field") << QStringLiteral(" select * from data where Num3 like 'b*'")
                                     << QStringList{u"3"_s, u"4"_s};
        QTest::newRow("apostrophe") << query(QStringLiteral("it's")) << QStringList{u"x"_s};
        QTest::newRow("injection or")
            << query(QStringLiteral("x' or 'a'='a")) << QStringList{u"x"_s};
        QTest::newRow("injection delete")
            << query(QStringLiteral("x'; delete from data; --")) << QStringList{u"x"_s};
        QTest::newRow("unclosed bracket") << query(QStringLiteral("[ab")) << QStringList{u"x"_s};
        QTest::newRow("missing table") << QStringLiteral("Nothing") << QStringList{u"x"_s};
        QTest::newRow("other statement")
            << QStringLiteral("drop table Data") << QStringList{u"x"_s};
    }
    void queriesAndRejections() {
        QFETCH(QString, text);
        QFETCH(QStringList, ordinals);
        RecordSource source(db_, QStringLiteral("Data"));
        QVERIFY(source.refresh());
        QVERIFY(source.moveTo(2));
        source.setRecordSource(text);
        QString why;
        const bool ok = source.refresh(&why);
        if (ordinals == QStringList{u"x"_s}) {
            QVERIFY(!ok);
            QVERIFY(!why.isEmpty());
            // A failed refresh keeps the last good record set and current record.
            QCOMPARE(source.recordCount(), 9);
            QCOMPARE(source.absolutePosition(), 2);
            QCOMPARE(source.field(u"No1"_s), u"3"_s);
            return;
        }
        QVERIFY2(ok, qPrintable(why));
        if (QTest::currentDataTag() == QByteArray("table any case"))
            return;
        QStringList found;
        for (int row = 0; row < source.recordCount(); ++row)
            found.append(source.value(row, 0));
        QCOMPARE(found, ordinals);
        QCOMPARE(source.absolutePosition(), ordinals.isEmpty() ? -1 : 0);
    }

    void navigation() {
        RecordSource source(db_, query(QStringLiteral("بس")));
        QVERIFY(source.refresh());
        QCOMPARE(source.recordCount(), 3);
        QVERIFY(!source.bof() && !source.eof());
        QCOMPARE(source.field(u"no1"_s), u"1"_s);

        QVERIFY(source.movePrevious());  // before the first: no current record
        QVERIFY(source.bof());
        QCOMPARE(source.absolutePosition(), -1);
        QCOMPARE(source.field(u"No1"_s), QString());
        QVERIFY(!source.movePrevious());
        QVERIFY(source.moveNext());
        QCOMPARE(source.field(u"No1"_s), u"1"_s);

        QVERIFY(source.moveLast());
        QCOMPARE(source.absolutePosition(), 2);
        QVERIFY(source.moveNext());  // past the last
        QVERIFY(source.eof());
        QCOMPARE(source.absolutePosition(), -1);
        QVERIFY(!source.moveNext());
        QVERIFY(source.movePrevious());
        QCOMPARE(source.field(u"No1"_s), u"7"_s);
        QVERIFY(source.moveFirst());
        QCOMPARE(source.field(u"Mum1"_s), u"بسم الله"_s);
        QCOMPARE(source.field(u"NoSuchField"_s), QString());
        QVERIFY(!source.moveTo(3));
        QVERIFY(!source.moveTo(-1));
    }

    void emptyRecordSet() {
        RecordSource source(db_, query(QStringLiteral("nothing")));
        QVERIFY(source.refresh());
        QCOMPARE(source.recordCount(), 0);
        QVERIFY(source.bof() && source.eof());
        QCOMPARE(source.absolutePosition(), -1);
        QCOMPARE(source.field(u"No1"_s), QString());
        QVERIFY(!source.moveFirst());
        QVERIFY(!source.moveLast());
        QVERIFY(!source.moveNext());
        QVERIFY(!source.movePrevious());
        QCOMPARE(source.value(0, 0), QString());
    }

    void modelFollowsRefresh() {
        RecordSource source(db_, QStringLiteral("Data"));
        QVERIFY(source.refresh());
        RecordSetModel model(&source, {u"Mum1"_s, u"No1"_s});
        QCOMPARE(model.rowCount(), 9);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"Mum1"_s);
        QCOMPARE(model.index(1, 0).data().toString(), u"Alpha beta"_s);
        QCOMPARE(model.index(2, 0).data().toString(), QString());
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        source.setRecordSource(query(QStringLiteral("al")));
        QVERIFY(source.refresh());
        QCOMPARE(reset.size(), 1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(1, 1).data().toString(), u"4"_s);
    }

    // Rows and fields read for one table must not show through after a refresh on another.
    void switchingTables() {
        RecordSource source(db_, query(QStringLiteral("بسم")));
        QVERIFY(source.refresh());
        QCOMPARE(source.field(u"No1"_s), u"1"_s);
        source.setRecordSource(u"Notes"_s);
        QVERIFY(source.refresh());
        QCOMPARE(source.fieldNames(), (QStringList{u"Mum1"_s, u"Note"_s}));
        QCOMPARE(source.recordCount(), 2);
        QCOMPARE(source.field(u"Note"_s), u"first"_s);
        QCOMPARE(source.field(u"No1"_s), QString());
        QCOMPARE(source.value(1, 1), u"second"_s);
        source.setRecordSource(query(QStringLiteral("al")));
        QVERIFY(source.refresh());
        QCOMPARE(source.fieldNames().size(), 3);
        QCOMPARE(source.field(u"No1"_s), u"2"_s);
        QCOMPARE(source.field(u"Mum1"_s), u"Alpha beta"_s);
    }

    // The index path must give exactly what a scan with the general matcher gives.
    void indexAgreesWithScan_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("field");
        QTest::newRow("search") << u"AWAR.MDB"_s << u"Mum1"_s;
        QTest::newRow("verses") << u"Quran.MDB"_s << u"Num3"_s;
    }
    void indexAgreesWithScan() {
        QFETCH(QString, database);
        QFETCH(QString, field);
        std::shared_ptr<SqliteDatabase> db = openShipped(database.toLatin1().constData());
        QVERIFY(db);
        RecordSource all(db, QStringLiteral("Data"));
        QVERIFY(all.refresh());
        const int column = int(fieldIndex(all.fieldNames(), field));
        QVERIFY(column >= 0);
        QStringList ordinals, values;
        for (int row = 0; row < all.recordCount(); ++row) {
            ordinals.append(all.value(row, 0));
            values.append(all.value(row, column));
        }

        QRandomGenerator random(20261209);
        const QString extras = QStringLiteral("*?#[]!-' aAlL0");
        int checked = 0;
        for (int i = 0; i < 160; ++i) {
            // Start from a real value so most patterns match something; every other term runs
            // on into the value's Latin part, where the index can only narrow the rows.
            const QString value = values[random.bounded(values.size())];
            const int longest = i % 2 ? 6 : int(value.size());
            QString term = value.left(1 + int(random.bounded(longest)));
            const int edits = int(random.bounded(3));
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = random.bounded(term.size() + 1);
                term.insert(at, extras[random.bounded(extras.size())]);
            }
            const QString text =
                QStringLiteral(" select * from data where %1 like '%2*'").arg(field, term);
            RecordSource source(db, text);
            const std::optional<LikePattern> pattern = LikePattern::compile(term + u'*');
            if (!source.refresh())
                continue;  // apostrophes or broken brackets
            QVERIFY(pattern);
            QStringList found;
            for (int row = 0; row < source.recordCount(); ++row)
                found.append(source.value(row, 0) + u'|' + source.value(row, column));
            QVERIFY2(found == bruteForce(ordinals, values, *pattern), qPrintable(term));
            ++checked;
        }
        QVERIFY(checked > 80);
    }
};

QTEST_GUILESS_MAIN(TestRecordSource)
#include "test_record_source.moc"
