#include <QTemporaryDir>
#include <QTest>

#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

class TestSqliteDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    std::unique_ptr<SqliteDatabase> open(const QString& name, SqliteDatabase::Mode mode) {
        QString why;
        std::unique_ptr<SqliteDatabase> db = SqliteDatabase::open(dir_.filePath(name), mode, &why);
        if (!db)
            qWarning() << why;
        return db;
    }

  private slots:
    void openRefusesWhatIsNotADatabase() {
        QString why;
        QVERIFY(!SqliteDatabase::open(dir_.filePath(u"absent.MDB"_s),
                                      SqliteDatabase::Mode::ReadOnly, &why));
        QVERIFY(!QFile::exists(dir_.filePath(u"absent.MDB"_s)));
        QVERIFY(!SqliteDatabase::open(dir_.filePath(u"absent.MDB"_s),
                                      SqliteDatabase::Mode::ReadWrite, &why));
        QVERIFY(!QFile::exists(dir_.filePath(u"absent.MDB"_s)));
        QFile garbage(dir_.filePath(u"garbage.MDB"_s));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x5a'));
        garbage.close();
        QVERIFY(!SqliteDatabase::open(garbage.fileName(), SqliteDatabase::Mode::ReadOnly, &why));
        QVERIFY(!why.isEmpty());
    }

    void createMakesOnlyANewFile() {
        {
            std::unique_ptr<SqliteDatabase> db = open(u"new.MDB"_s, SqliteDatabase::Mode::Create);
            QVERIFY(db);
            QVERIFY(db->execute(u"CREATE TABLE Lang (Kalima TEXT)"));
        }
        QString why;
        QVERIFY(
            !SqliteDatabase::open(dir_.filePath(u"new.MDB"_s), SqliteDatabase::Mode::Create, &why));
        QVERIFY(why.contains(u"exists"_s));
        std::unique_ptr<SqliteDatabase> kept = open(u"new.MDB"_s, SqliteDatabase::Mode::ReadOnly);
        QVERIFY(kept);
        QCOMPARE(kept->tableName(u"lang"), u"Lang"_s);
    }

    void statementBindsInOrderAndNamesItsColumns() {
        std::unique_ptr<SqliteDatabase> db = open(u"columns.MDB"_s, SqliteDatabase::Mode::Create);
        QVERIFY(db);
        SqliteStatement select = db->prepare(u"SELECT ?1 AS Kalima, ?2 AS \"Sura No\", ?3");
        QVERIFY(select.isValid());
        select.bindTexts({u"بسم الله'"_s, u"113"_s, QString()});
        QVERIFY(select.step());
        QCOMPARE(select.columnCount(), 3);
        QCOMPARE(select.columnName(0), u"Kalima"_s);
        QCOMPARE(select.columnName(1), u"Sura No"_s);
        QCOMPARE(select.columnText(0), u"بسم الله'"_s);
        QCOMPARE(select.columnText(1), u"113"_s);
        QCOMPARE(select.columnText(2), QString());
    }

    // A schema that cannot be read is not mistaken for a missing table.
    void tableNameTellsAnErrorFromAbsence() {
        std::unique_ptr<SqliteDatabase> reader =
            open(u"locked.MDB"_s, SqliteDatabase::Mode::Create);
        QVERIFY(reader);
        QVERIFY(reader->execute(u"CREATE TABLE Data (No TEXT)"));
        QString why;
        QCOMPARE(reader->tableName(u"Lang", &why), QString());
        QVERIFY(why.isEmpty());

        std::unique_ptr<SqliteDatabase> writer =
            open(u"locked.MDB"_s, SqliteDatabase::Mode::ReadWrite);
        QVERIFY(writer);
        QVERIFY(writer->execute(u"BEGIN EXCLUSIVE"));
        QCOMPARE(reader->tableName(u"Data", &why), QString());
        QVERIFY(!why.isEmpty());
        QVERIFY(writer->execute(u"ROLLBACK"));
        QCOMPARE(reader->tableName(u"data"), u"Data"_s);
    }
};

QTEST_GUILESS_MAIN(TestSqliteDatabase)
#include "test_sqlite_database.moc"
