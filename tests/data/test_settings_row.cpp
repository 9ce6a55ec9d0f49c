#include <sqlite3.h>
#include <QProcess>
#include <QSettings>
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
        QSignalSpy failed(&row.health(), &StorageHealth::storageFailed);
        QSignalSpy recovered(&row.health(), &StorageHealth::storageRecovered);

        // A second writer holding the lock makes our writes fail.
        std::shared_ptr<SqliteDatabase> blocker = open();
        QVERIFY(blocker->execute(u"BEGIN IMMEDIATE"));
        QVERIFY(!row.write(u"AiaNo"_s, u"30"_s));
        QVERIFY(!row.write(u"Sura"_s, u"113"_s));
        QCOMPARE(failed.size(), 1);
        QVERIFY(row.hasPendingWrites());
        QCOMPARE(row.value(u"AiaNo"_s), u"30"_s);
        QVERIFY(blocker->execute(u"ROLLBACK"));

        // Retried by itself, with no further write or flush.
        QTRY_COMPARE_WITH_TIMEOUT(recovered.size(), 1, 10000);
        QCOMPARE(failed.size(), 1);
        QVERIFY(!row.hasPendingWrites());
        SettingsRow reopened(open());
        QVERIFY(reopened.load());
        QCOMPARE(reopened.value(u"AiaNo"_s), u"30"_s);
        QCOMPARE(reopened.value(u"Sura"_s), u"113"_s);
    }

    // What a write returns is in the file itself, also for a file an older run left in a
    // write-ahead log: a copy of the file alone holds it.
    void writesLandInTheFileItself() {
        QString why;
        QCOMPARE(open()->firstText(u"PRAGMA journal_mode = WAL", &why), u"wal"_s);
        SettingsRow row(open());
        QVERIFY(row.load());
        QVERIFY(row.write(u"Kalima"_s, u"الحمد"_s));
        QVERIFY(!QFile::exists(path_ + u"-wal"_s));
        const QString copy = dir_.filePath(u"copy.MDB"_s);
        QFile::remove(copy);
        QVERIFY(QFile::copy(path_, copy));
        SettingsRow copied(SqliteDatabase::open(copy, SqliteDatabase::Mode::ReadOnly, &why));
        QVERIFY(copied.load());
        QCOMPARE(copied.value(u"Kalima"_s), u"الحمد"_s);
    }

    // A file that was write-protected when the program started opened read-only; once it can
    // be written, writes reach it without a restart.
    void readOnlyOpenWritesOnceTheFileIsWritable() {
        QString why;
        SettingsRow row(SqliteDatabase::open(path_, SqliteDatabase::Mode::ReadOnly, &why));
        QVERIFY(row.load());
        QVERIFY(row.write(u"AiaNo"_s, u"30"_s));
        SettingsRow reopened(open());
        QVERIFY(reopened.load());
        QCOMPARE(reopened.value(u"AiaNo"_s), u"30"_s);
    }

    // A value SQLite refuses to bind is a write that did not happen, not a NULL in the row.
    void unboundValueIsNoWrite() {
        std::shared_ptr<SqliteDatabase> db = open();
        SettingsRow row(db);
        QVERIFY(row.load());
        sqlite3_limit(db->handle(), SQLITE_LIMIT_LENGTH, 1000);
        QVERIFY(!row.write(u"Kalima"_s, QString(1000, u'x')));
        QVERIFY(row.hasPendingWrites());
        SettingsRow other(open());
        QVERIFY(other.load());
        QCOMPARE(other.value(u"Kalima"_s), u"بسم الله"_s);
    }

    // A table without its row gets the factory row; without the table nothing can start.
    void missingRowOrTable() {
        std::shared_ptr<SqliteDatabase> db = open();
        QVERIFY(db->execute(u"DELETE FROM Lang"));
        QString why;
        {
            // A file that cannot take the row says so.
            SettingsRow readOnly(SqliteDatabase::open(path_, SqliteDatabase::Mode::ReadOnly, &why));
            QVERIFY(!readOnly.load(&why));
            QVERIFY2(why.contains(u"no row and none can be added"_s), qPrintable(why));
        }
        QVERIFY(SettingsRow(db).load());
        SettingsRow reopened(open());
        QVERIFY(reopened.load());
        for (const QString& field : reopened.fieldNames())
            QCOMPARE(reopened.value(field), FactorySettings::value(field));
        {
            SqliteStatement count = db->prepare(u"SELECT count(*) FROM Lang");
            QVERIFY(count.step());
            QCOMPARE(count.columnInt64(0), 1);
        }

        QVERIFY(db->execute(u"DROP TABLE Lang"));
        QVERIFY(!SettingsRow(db).load(&why));
        QVERIFY(why.contains(u"missing"_s));
    }

    // Of two rows only the first is read and written; the other stays as it was.
    void secondRowIsNeverTouched() {
        std::shared_ptr<SqliteDatabase> db = open();
        QVERIFY(db->execute(u"INSERT INTO Lang VALUES ('second', '99', '1', '7')"));
        SettingsRow row(db);
        QVERIFY(row.load());
        QCOMPARE(row.value(u"Kalima"_s), u"بسم الله"_s);
        QVERIFY(row.write(u"Kalima"_s, u"first"_s));
        QVERIFY(row.write(u"Sura"_s, u"3"_s));
        SqliteStatement rows =
            db->prepare(u"SELECT Kalima, AiaNo, NO4, Sura FROM Lang ORDER BY rowid");
        QVERIFY(rows.step());
        QCOMPARE(rows.columnText(0), u"first"_s);
        QCOMPARE(rows.columnText(3), u"3"_s);
        QVERIFY(rows.step());
        for (int column = 0; column < 4; ++column)
            QCOMPARE(rows.columnText(column),
                     (QStringList{u"second"_s, u"99"_s, u"1"_s, u"7"_s}[column]));
        QVERIFY(!rows.step());
    }

    void factoryValuesByColumnName() {
        QCOMPARE(FactorySettings::values().size(), FactorySettings::columns().size());
        QCOMPARE(FactorySettings::value(u"kalima"), u"بسم الله"_s);
        QCOMPARE(FactorySettings::value(u"NO4"), u"0"_s);
        QVERIFY(FactorySettings::value(u"Missing").isNull());
    }

    // A store file that holds garbage reads as empty; the next write makes it whole again.
    void settingsStoreOverGarbage() {
        const QString path =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            u"/Vediv 3Azez/Vediv 3Azez.conf"_s;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write("\x00\xff[Settings\nQuran1=\xc3(\n\x00=\n[[]]\nQuran1\n");
        garbage.close();

        const QString key = SettingsStore::kSurahPositionKey;
        SettingsStore store;
        QCOMPARE(store.read(u"TestKey"_s), QString());
        store.write(key, u"-1"_s);
        QCOMPARE(store.read(key), u"-1"_s);
        QTRY_COMPARE(QSettings(path, QSettings::IniFormat).value(u"Settings/Quran1"_s).toString(),
                     u"-1"_s);
        QCOMPARE(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);
    }

    // A value written just before the program ends is saved as it ends.
    void settingsStoreSavesAtExit() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--write-and-exit"_s, u"77"_s});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
        const QString path =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            u"/Vediv 3Azez/Vediv 3Azez.conf"_s;
        QCOMPARE(QSettings(path, QSettings::IniFormat).value(u"Settings/Quran1"_s).toString(),
                 u"77"_s);
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 3 && qstrcmp(argv[1], "--write-and-exit") == 0) {
        SettingsStore store;
        store.write(SettingsStore::kSurahPositionKey, QString::fromLatin1(argv[2]));
        return 0;
    }
    TestSettingsRow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_settings_row.moc"
