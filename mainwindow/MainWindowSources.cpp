#include "MainWindowSources.h"

#include <QDir>

#include "RecordSource.h"
#include "SettingsRow.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

std::optional<QString> openQuran1Sources(const QString& folder, const VerseLists& verseLists,
                                         QObject* owner, Quran1Sources& sources) {
    const QDir base(folder);
    const QString quranPath = base.filePath(u"Data/Quran.MDB"_s);
    const QString searchPath = base.filePath(u"Data/AWAR.MDB"_s);
    QString why;
    std::shared_ptr<SqliteDatabase> quran =
        SqliteDatabase::open(quranPath, SqliteDatabase::Mode::ReadWrite, &why);
    if (!quran)
        return u"%1: %2"_s.arg(quranPath, why);
    std::shared_ptr<SqliteDatabase> search =
        SqliteDatabase::open(searchPath, SqliteDatabase::Mode::ReadOnly, &why);
    if (!search)
        return u"%1: %2"_s.arg(searchPath, why);

    auto* data1 = new RecordSource(search, u"Data"_s, owner);
    if (!data1->refresh(&why))
        return u"%1, table Data: %2"_s.arg(searchPath, why);
    auto* data3 = new RecordSource(quran, u"Data"_s, owner);
    if (!data3->refresh(&why))
        return u"%1, table Data: %2"_s.arg(quranPath, why);
    auto* data2 = new SettingsRow(quran, owner);
    if (!data2->load(&why))
        return u"%1: %2"_s.arg(quranPath, why);

    sources.verseLists = &verseLists;
    sources.Data1 = data1;
    sources.Data2 = data2;
    sources.Data3 = data3;
    return std::nullopt;
}
