#include "SqliteFile.h"

#include <sqlite3.h>

#include <QFile>

#include "BuildError.h"

namespace {

[[noreturn]] void fail(sqlite3* db, const QString& file) {
    throw BuildError{file, 0,
                     QStringLiteral("SQLite: %1").arg(QString::fromUtf8(sqlite3_errmsg(db)))};
}

}  // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql, const QString& file)
    : db_(db), file_(file) {
    check(sqlite3_prepare_v2(db_, sql, -1, &statement_, nullptr));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

void SqliteStatement::check(int code) const {
    if (code != SQLITE_OK)
        fail(db_, file_);
}

void SqliteStatement::bind(int index, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    check(
        sqlite3_bind_text(statement_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
}

void SqliteStatement::run(const QStringList& values) {
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values[i]);
    while (step()) {
    }
    check(sqlite3_reset(statement_));
}

bool SqliteStatement::step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        fail(db_, file_);
    return false;
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(statement_);
}

QString SqliteStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

QString SqliteStatement::columnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement_, column));
}

SqliteFile::SqliteFile(const QString& path, Mode mode) : path_(path) {
    const int flags =
        mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = QString::fromUtf8(sqlite3_errstr(code));
        sqlite3_close(db_);
        throw BuildError{path, 0, QStringLiteral("SQLite: %1").arg(reason)};
    }
    // A running program may hold a brief write lock on the settings row.
    sqlite3_busy_timeout(db_, 5000);
}

SqliteFile::~SqliteFile() {
    sqlite3_close(db_);
}

void SqliteFile::exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db_, path_);
}
