#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "FactorySettings.h"
#include "SqliteDatabase.h"
#include "SurahCatalogue.h"
#include "VerseLists.h"
#include "Windows1256.h"

namespace {

const QString kRunDir = QStringLiteral(ZEPHYRANE_RUN_DIR);
const QString kSourcesDir = QStringLiteral(ZEPHYRANE_SOURCES_DIR);
const QStringList kSourceNames = {QStringLiteral("quran-simple.txt"),
                                  QStringLiteral("quran-simple-clean.txt"),
                                  QStringLiteral("ar.muyassar.txt"), QStringLiteral("ku.asan.txt"),
                                  QStringLiteral("en.hilali.txt")};
const QStringList kOutputs = {QStringLiteral("Data/6.HTA"), QStringLiteral("Data/Quran.MDB"),
                              QStringLiteral("Data/AWAR.MDB"), QStringLiteral("Wave.Wav")};

struct SourceVerse {
    int sura = 0;
    int aya = 0;
    QString text;
};

// An independent reading of a source file: its verse lines, C1 controls mapped.
std::vector<SourceVerse> sourceVerses(const QString& name) {
    QFile file(kSourcesDir + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read a source");
    std::vector<SourceVerse> verses;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(u'|');
        QString text = line.section(u'|', 2);
        for (QChar& c : text) {
            if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
                c = QChar(windows1256::toUnicode(static_cast<unsigned char>(c.unicode())));
        }
        verses.push_back({parts[0].toInt(), parts[1].toInt(), text});
    }
    return verses;
}

// Every row of a query, each as its columns' text.
QList<QStringList> queryRows(const QString& databasePath, const char* sql) {
    sqlite3* db = nullptr;
    QList<QStringList> rows;
    if (sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                QStringList row;
                for (int c = 0; c < sqlite3_column_count(statement); ++c)
                    row.append(QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, c))));
                rows.append(row);
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

bool setKalima(const QString& databasePath, const QString& value) {
    sqlite3* db = nullptr;
    bool done = false;
    if (sqlite3_open(QFile::encodeName(databasePath).constData(), &db) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray utf8 = value.toUtf8();
        done = sqlite3_prepare_v2(db, "UPDATE Lang SET Kalima = ?", -1, &statement, nullptr) ==
                   SQLITE_OK &&
               sqlite3_bind_text(statement, 1, utf8.constData(), int(utf8.size()),
                                 SQLITE_TRANSIENT) == SQLITE_OK &&
               sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return done;
}

struct ToolRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

ToolRun runTool(const QString& sources, const QString& out) {
    QProcess process;
    process.start(QStringLiteral(ZEPHYRANE_BUILD_DATA_TOOL),
                  {QStringLiteral("--sources"), sources, QStringLiteral("--out"), out});
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

QStringList factoryRow() {
    return {QStringLiteral("بسم الله"), QStringLiteral("Traditional Arabic-Q"),
            QStringLiteral("20"),       QStringLiteral("Traditional Arabic"),
            QStringLiteral("14"),       QStringLiteral("Tahoma-Quvel"),
            QStringLiteral("11"),       QStringLiteral("Tahoma"),
            QStringLiteral("10"),       QStringLiteral("1"),
            QStringLiteral("1"),        QStringLiteral("0"),
            QStringLiteral("0"),        QStringLiteral("English"),
            QStringLiteral("0")};
}

}  // namespace

class TestBuildData : public QObject {
    Q_OBJECT

  private slots:
    void shippedCorpusEqualsTheSources() {
        VerseLists lists;
        const auto error = loadVerseLists(corpusPath(kRunDir), lists);
        QVERIFY2(!error, qPrintable(error ? error->message() : QString()));
        const auto quran = sourceVerses(kSourceNames[0]);
        const auto arabic = sourceVerses(kSourceNames[2]);
        const auto kurdish = sourceVerses(kSourceNames[3]);
        const auto english = sourceVerses(kSourceNames[4]);
        QCOMPARE(int(quran.size()), VerseLists::kCount);
        const SurahCatalogue& catalogue = SurahCatalogue::instance();
        for (int i = 0; i < VerseLists::kCount; ++i) {
            const auto at = std::size_t(i);
            QCOMPARE(lists.List1[i], quran[at].text);
            QCOMPARE(lists.List2[i], english[at].text);
            QCOMPARE(lists.List3[i], arabic[at].text);
            QCOMPARE(lists.List4[i], kurdish[at].text);
            QCOMPARE(lists.List5[i], QString::number(quran[at].aya));
            QCOMPARE(lists.List6[i], catalogue.rows()[std::size_t(quran[at].sura - 1)].arabicName);
        }
        QVERIFY(lists.List1[0].startsWith(QStringLiteral("بِسْمِ")));
        QCOMPARE(lists.List5[0], QStringLiteral("1"));
        QVERIFY(lists.List2.join(QString()).contains(QChar(0x2026)));
    }

    void searchTableHoldsEveryWordInOrder() {
        const auto rows = queryRows(kRunDir + QStringLiteral("/Data/AWAR.MDB"),
                                    "SELECT No1, Num1, Num3, Mum1, No FROM Data ORDER BY rowid");
        const auto clean = sourceVerses(kSourceNames[1]);
        const SurahCatalogue& catalogue = SurahCatalogue::instance();
        qsizetype row = 0;
        for (std::size_t i = 0; i < clean.size(); ++i) {
            const QString label = catalogue.rows()[std::size_t(clean[i].sura - 1)].arabicName +
                                  u' ' + QString::number(clean[i].aya);
            const QStringList words = clean[i].text.split(u' ');
            for (qsizetype w = 0; w < words.size(); ++w, ++row) {
                QVERIFY(row < rows.size());
                const QStringList expected = {QString::number(i + 1), words[w], label,
                                              words.sliced(w).join(u' '),
                                              QString::number(clean[i].aya)};
                QCOMPARE(rows[row], expected);
            }
        }
        QCOMPARE(rows.size(), row);
        QCOMPARE(queryRows(kRunDir + QStringLiteral("/Data/AWAR.MDB"),
                           "SELECT tbl_name FROM sqlite_master WHERE name = 'DataMum1'"),
                 QList<QStringList>{{QStringLiteral("Data")}});
    }

    void verseTableHoldsEveryVerseInOrder() {
        const QString path = kRunDir + QStringLiteral("/Data/Quran.MDB");
        const auto rows =
            queryRows(path, "SELECT No1, Num3, Mum1, Num1, No FROM Data ORDER BY rowid");
        const auto clean = sourceVerses(kSourceNames[1]);
        QCOMPARE(rows.size(), VerseLists::kCount);
        for (std::size_t i = 0; i < clean.size(); ++i) {
            const Surah& surah = SurahCatalogue::instance().rows()[std::size_t(clean[i].sura - 1)];
            const QString aya = QString::number(clean[i].aya);
            const QStringList expected = {QString::number(i + 1), surah.itemText + u' ' + aya,
                                          surah.arabicName + u' ' + aya, clean[i].text, aya};
            QCOMPARE(rows[qsizetype(i)], expected);
        }
        QCOMPARE(queryRows(path, "SELECT count(*) FROM Lang"),
                 QList<QStringList>{{QStringLiteral("1")}});
        QStringList langColumns;
        for (const QStringList& row :
             queryRows(path, "SELECT name FROM pragma_table_info('Lang') ORDER BY cid"))
            langColumns += row;
        QCOMPARE(langColumns, FactorySettings::columns());
        QCOMPARE(queryRows(path, "SELECT tbl_name FROM sqlite_master WHERE name = 'DataNum3'"),
                 QList<QStringList>{{QStringLiteral("Data")}});
    }

    void buildsAreIdenticalAndKeepSettings() {
        QTemporaryDir first, second;
        const ToolRun run = runTool(kSourcesDir, first.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(run.output.contains(QStringLiteral("en.hilali.txt: 11 ")));
        QVERIFY(run.output.contains(QStringLiteral("ku.asan.txt: 3 ")));
        QCOMPARE(runTool(kSourcesDir, second.path()).exitCode, 0);
        for (const QString& output : kOutputs) {
            QVERIFY2(!fileHash(first.filePath(output)).isEmpty(), qPrintable(output));
            QVERIFY2(fileHash(first.filePath(output)) == fileHash(second.filePath(output)),
                     qPrintable(output));
        }
        const QString quranDb = first.filePath(QStringLiteral("Data/Quran.MDB"));
        QCOMPARE(queryRows(quranDb, "SELECT * FROM Lang"), QList<QStringList>{factoryRow()});
        // The program resets to the same row the build writes.
        QCOMPARE(FactorySettings::values(), factoryRow());

        QVERIFY(setKalima(quranDb, QStringLiteral("الحمد")));
        QCOMPARE(runTool(kSourcesDir, first.path()).exitCode, 0);
        QStringList kept = factoryRow();
        kept[0] = QStringLiteral("الحمد");
        QCOMPARE(queryRows(quranDb, "SELECT * FROM Lang"), QList<QStringList>{kept});
        QCOMPARE(queryRows(quranDb, "SELECT count(*) FROM Data"),
                 QList<QStringList>{{QStringLiteral("6236")}});
    }

    // A run of an older program killed while its settings sat in a write-ahead log: the rebuild
    // keeps them and leaves no old log beside the new file to be replayed into it.
    void settingsOfAKilledRunSurviveARebuild() {
        QTemporaryDir built, killed;
        QCOMPARE(runTool(kSourcesDir, built.path()).exitCode, 0);
        QDir(killed.path()).mkpath(QStringLiteral("Data"));
        const QString db = built.filePath(QStringLiteral("Data/Quran.MDB"));
        const QString left = killed.filePath(QStringLiteral("Data/Quran.MDB"));
        {
            QString why;
            std::unique_ptr<SqliteDatabase> older =
                SqliteDatabase::open(db, SqliteDatabase::Mode::ReadWrite, &why);
            QVERIFY(older->execute(u"PRAGMA journal_mode = WAL"));
            QVERIFY(older->execute(u"UPDATE Lang SET Kalima = 'والله'"));
            QVERIFY(QFileInfo(db + QStringLiteral("-wal")).size() > 0);
            for (const char* suffix : {"", "-wal", "-shm"})
                QVERIFY(
                    QFile::copy(db + QLatin1StringView(suffix), left + QLatin1StringView(suffix)));
        }
        QCOMPARE(runTool(kSourcesDir, killed.path()).exitCode, 0);
        QVERIFY(!QFile::exists(left + QStringLiteral("-wal")));
        QCOMPARE(queryRows(left, "SELECT Kalima FROM Lang"),
                 QList<QStringList>{{QStringLiteral("والله")}});
        QCOMPARE(queryRows(left, "PRAGMA integrity_check"),
                 QList<QStringList>{{QStringLiteral("ok")}});
    }

    void settingsOfAnOlderLayoutAreKept() {
        QTemporaryDir run;
        QVERIFY(QDir(run.path()).mkpath(QStringLiteral("Data")));
        const QString quranDb = run.filePath(QStringLiteral("Data/Quran.MDB"));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(quranDb).constData(), &db), SQLITE_OK);
        const int created = sqlite3_exec(db,
                                         "CREATE TABLE lang (SURA TEXT, Old TEXT, kalima TEXT);"
                                         "INSERT INTO lang VALUES ('2', 'x', 'الحمد');",
                                         nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QCOMPARE(created, SQLITE_OK);

        const ToolRun result = runTool(kSourcesDir, run.path());
        QVERIFY2(result.exitCode == 0, qPrintable(result.errors));
        QVERIFY(result.output.contains(QStringLiteral("kept from the existing file")));
        QStringList kept = factoryRow();
        kept[0] = QStringLiteral("الحمد");
        kept[14] = QStringLiteral("2");
        QCOMPARE(queryRows(quranDb, "SELECT * FROM Lang"), QList<QStringList>{kept});
    }

    void unreadableSettingsFileIsMovedAside() {
        QTemporaryDir run;
        QVERIFY(QDir(run.path()).mkpath(QStringLiteral("Data")));
        const QString quranDb = run.filePath(QStringLiteral("Data/Quran.MDB"));
        QFile garbage(quranDb);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a database, but someone's file");
        garbage.close();

        const ToolRun result = runTool(kSourcesDir, run.path());
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.errors.contains(QStringLiteral("warning")));
        QFile aside(quranDb + QStringLiteral(".unreadable"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), QByteArray("not a database, but someone's file"));
        QCOMPARE(queryRows(quranDb, "SELECT * FROM Lang"), QList<QStringList>{factoryRow()});
    }

    void faultySourcesFailTheBuild_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("line");  // 1-based line of the source the message must name
        QTest::newRow("verse missing") << kSourceNames[4] << QStringLiteral("drop") << 12;
        QTest::newRow("out of order") << kSourceNames[2] << QStringLiteral("swap") << 20;
        QTest::newRow("surah too long") << kSourceNames[0] << QStringLiteral("extra") << 8;
        QTest::newRow("delimiter in text") << kSourceNames[3] << QStringLiteral("delimiter") << 30;
        QTest::newRow("carriage return in text") << kSourceNames[3] << QStringLiteral("cr") << 31;
        QTest::newRow("malformed") << kSourceNames[1] << QStringLiteral("malformed") << 40;
        QTest::newRow("invalid utf-8") << kSourceNames[2] << QStringLiteral("utf8") << 50;
        QTest::newRow("outside the BMP") << kSourceNames[4] << QStringLiteral("astral") << 60;
        QTest::newRow("last verse missing")
            << kSourceNames[0] << QStringLiteral("truncate") << 6236;
    }
    void faultySourcesFailTheBuild() {
        QFETCH(QString, file);
        QFETCH(QString, fault);
        QFETCH(int, line);
        QTemporaryDir sources, run;
        for (const QString& name : kSourceNames)
            QVERIFY(QFile::copy(kSourcesDir + u'/' + name, sources.filePath(name)));
        QFile source(sources.filePath(file));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = source.readAll().split('\n');
        source.close();
        const auto at = qsizetype(line - 1);
        if (fault == u"drop")
            lines.removeAt(at);
        if (fault == u"swap")
            lines.swapItemsAt(at, at + 1);
        if (fault == u"extra")
            lines.insert(at, "1|8|" + lines[at - 1].split('|')[2]);
        if (fault == u"delimiter")
            lines[at] += "\xE2\x80\x8D\xE2\x80\x8D";
        if (fault == u"cr")
            lines[at].insert(5, '\r');
        if (fault == u"malformed")
            lines[at] = "3-1 text";
        if (fault == u"utf8")
            lines[at] += "\xC3(";
        if (fault == u"astral")
            lines[at] += "\xF0\x9F\x93\x96";
        if (fault == u"truncate")
            lines = lines.first(at);
        QVERIFY(source.open(QIODevice::WriteOnly | QIODevice::Truncate));
        source.write(lines.join('\n'));
        source.close();

        const ToolRun result = runTool(sources.path(), run.path());
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.errors.contains(QStringLiteral("%1, line %2:").arg(file).arg(line)),
                 qPrintable(result.errors));
        for (const QString& output : kOutputs)
            QVERIFY(!QFile::exists(run.filePath(output)));
    }
};

QTEST_GUILESS_MAIN(TestBuildData)
#include "test_build_data.moc"
