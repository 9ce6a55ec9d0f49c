#include <sqlite3.h>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "FactorySettings.h"
#include "SettingsRow.h"
#include "SettingsStore.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

class TestSettingsRow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

    std::shared_ptr<SqliteDatabase> open() {
        QString why;
        std::shared_ptr<SqliteDatabase> db =
            SqliteDatabase::open(path_, SqliteDatabase::Mode::ReadWrite, &why);
        if (!db)
            qWarning() << why;
        return db;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        path_ = dir_.filePath(u"Quran.MDB"_s);
        QFile::remove(path_);
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path_).constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw,
                              "CREATE TABLE Lang (Kalima TEXT, AiaNo TEXT, NO4 TEXT, Sura TEXT);"
                              "INSERT INTO Lang VALUES ('بسم الله', '20', NULL, '0');",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(raw);
    }

    void readsTheRow() {
        SettingsRow row(open());
        QVERIFY(row.load());
        QCOMPARE(row.value(u"Kalima"_s), u"بسم الله"_s);
        QCOMPARE(row.value(u"aiano"_s), u"20"_s);
        QCOMPARE(row.value(u"NO4"_s), QString());
        QCOMPARE(row.value(u"Missing"_s), QString());
        QVERIFY(!row.write(u"Missing"_s, u"x"_s));
    }

    void writesReachTheFileAtOnce() {
        {
            SettingsRow row(open());
            QVERIFY(row.load());
            const QString word = u"ٱلرَّحْمَٰنِ' \u200c\u200f*[?"_s;
            QVERIFY(row.write(u"Kalima"_s, word));
            QVERIFY(row.write(u"NO4"_s, u"1"_s));
            QVERIFY(!row.hasPendingWrites());
            // Another connection sees the values while this one is still open.
            SettingsRow other(open());
            QVERIFY(other.load());
            QCOMPARE(other.value(u"Kalima"_s), word);
            QCOMPARE(other.value(u"NO4"_s), u"1"_s);
        }
        SettingsRow reopened(open());
        QVERIFY(reopened.load());
        QCOMPARE(reopened.value(u"NO4"_s), u"1"_s);
        QCOMPARE(reopened.value(u"Sura"_s), u"0"_s);
    }

    void refusedWriteIsKeptAndRetried() {
        SettingsRow row(open());
        QVERIFY(row.load());
        QSignalSpy failed(&row, &SettingsRow::storageFailed);
        QSignalSpy recovered(&row, &SettingsRow::storageRecovered);

        // A second writer holding the lock makes our writes fail.
        std::shared_ptr<SqliteDatabase> blocker = open();
        QVERIFY(blocker->execute(u"BEGIN IMMEDIATE"));
        QVERIFY(!row.write(u"AiaNo"_s, u"30"_s));
        QVERIFY(!row.write(u"Sura"_s, u"113"_s));
        QCOMPARE(failed.size(), 1);
        QVERIFY(row.hasPendingWrites());
        QCOMPARE(row.value(u"AiaNo"_s), u"30"_s);
        QVERIFY(blocker->execute(u"ROLLBACK"));

        QVERIFY(row.flush());
        QCOMPARE(recovered.size(), 1);
        QVERIFY(!row.hasPendingWrites());
        SettingsRow reopened(open());
        QVERIFY(reopened.load());
        QCOMPARE(reopened.value(u"AiaNo"_s), u"30"_s);
        QCOMPARE(reopened.value(u"Sura"_s), u"113"_s);
    }

    void missingRowOrTable() {
        std::shared_ptr<SqliteDatabase> db = open();
        QVERIFY(db->execute(u"DELETE FROM Lang"));
        QString why;
        QVERIFY(!SettingsRow(db).load(&why));
        QVERIFY(why.contains(u"no row"_s));
        QVERIFY(db->execute(u"DROP TABLE Lang"));
        QVERIFY(!SettingsRow(db).load(&why));
        QVERIFY(why.contains(u"missing"_s));
    }

    void factoryValuesByColumnName() {
        QCOMPARE(FactorySettings::values().size(), FactorySettings::columns().size());
        QCOMPARE(FactorySettings::value(u"kalima"), u"بسم الله"_s);
        QCOMPARE(FactorySettings::value(u"NO4"), u"0"_s);
        QVERIFY(FactorySettings::value(u"Missing").isNull());
    }

    void settingsStore() {
        const QString key = u"TestKey"_s;
        QCOMPARE(SettingsStore::read(key), QString());
        SettingsStore::write(key, u"-1"_s);
        QCOMPARE(SettingsStore::read(key), u"-1"_s);
        SettingsStore::write(key, QString());
    }
};

QTEST_GUILESS_MAIN(TestSettingsRow)
#include "test_settings_row.moc"
