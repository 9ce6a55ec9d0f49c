// Hostile database files opened the way the program opens Data/Quran.MDB and Data/AWAR.MDB:
// the open names one of the two files, or it gives record sources that read whatever the
// tables hold and a settings row whose accepted writes read back from the file.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "FuzzInput.h"
#include "MainWindowSources.h"
#include "RecordSource.h"
#include "SettingsRow.h"
#include "VerseLists.h"

using namespace Qt::StringLiterals;

namespace {

const QTemporaryDir& runtimeFolder() {
    static const QTemporaryDir folder;
    return folder;
}

// Each input is a fresh file: no journal or log of an earlier input may be replayed into it.
void replaceFile(const QString& path, const uint8_t* data, size_t size) {
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1StringView(suffix));
    QFile file(path);
    fuzzinput::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       file.write(reinterpret_cast<const char*>(data), qint64(size)) ==
                           qint64(size));
}

void readSome(RecordSource& source, const QString& recordSource) {
    source.setRecordSource(recordSource);
    if (!source.refresh())
        return;
    for (int row = 0; row < std::min(source.recordCount(), 16); ++row) {
        for (int column = 0; column < source.fieldNames().size(); ++column)
            source.value(row, column);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    fuzzinput::require(QDir(runtimeFolder().path()).mkpath(u"Data"_s));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QDir folder(runtimeFolder().path());
    const QString quran = folder.filePath(u"Data/Quran.MDB"_s);
    const QString search = folder.filePath(u"Data/AWAR.MDB"_s);
    // Both files need a table Data with the verse fields, so one input serves as both.
    replaceFile(quran, data, size);
    replaceFile(search, data, size);

    QObject owner;
    Quran1Sources sources;
    const VerseLists noVerses;
    if (const std::optional<QString> failure =
            openQuran1Sources(folder.path(), noVerses, &owner, sources)) {
        fuzzinput::require(failure->startsWith(quran) || failure->startsWith(search));
        return 0;
    }
    readSome(*sources.Data1, u" select * from data where Mum1 like 'ب*'"_s);
    readSome(*sources.Data3, u" select * from data where Num3 like '[a-z]?*'"_s);

    const QString word = u"بسم الله"_s;
    if (sources.Data2->write(u"Kalima"_s, word)) {
        QString why;
        SettingsRow stored(SqliteDatabase::open(quran, SqliteDatabase::Mode::ReadOnly, &why));
        fuzzinput::require(stored.load(&why) && stored.value(u"Kalima"_s) == word);
    }
    return 0;
}
