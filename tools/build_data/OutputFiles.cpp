#include "OutputFiles.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include "CheckedSqlite.h"
#include "FileError.h"

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError{path, 0, QStringLiteral("cannot be written (%1)").arg(file.errorString())};
}

void replaceDatabase(const QString& path, const std::function<void(SqliteDatabase&)>& fill) {
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);  // left by an interrupted build
    try {
        {
            const std::unique_ptr<SqliteDatabase> db =
                checked::open(temporary, SqliteDatabase::Mode::Create);
            checked::execute(*db, u"BEGIN");
            fill(*db);
            checked::execute(*db, u"COMMIT");
        }
        renameOver(temporary, path);
        // A log or journal left beside the old file would be replayed into the new one.
        for (const char* suffix : {"-wal", "-shm", "-journal"})
            QFile::remove(path + QLatin1StringView(suffix));
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}

void renameOver(const QString& path, const QString& target) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(path.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (error)
        throw FileError{
            target, 0,
            QStringLiteral("cannot be replaced (%1)").arg(QString::fromStdString(error.message()))};
}
