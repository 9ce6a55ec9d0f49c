#include "SqliteDatabase.h"

#include <sqlite3.h>
#include <QFileInfo>
#include <QStringList>

#include "WhyFailed.h"

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_), failed_(other.failed_), bindFailed_(other.bindFailed_) {
    other.stmt_ = nullptr;
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = other.stmt_;
        failed_ = other.failed_;
        bindFailed_ = other.bindFailed_;
        other.stmt_ = nullptr;
    }
    return *this;
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

// After a failed bind no other is tried, so SQLite's last error stays the one that tells why.
void SqliteStatement::bindText(int index, QStringView text) {
    // SQLITE_TRANSIENT: the statement keeps its own copy, so temporaries are safe to pass.
    if (!bindFailed_)
        bindFailed_ = sqlite3_bind_text16(stmt_, index, text.utf16(), int(text.size() * 2),
                                          SQLITE_TRANSIENT) != SQLITE_OK;
}

void SqliteStatement::bindInt64(int index, qint64 value) {
    if (!bindFailed_)
        bindFailed_ = sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK;
}

void SqliteStatement::bindTexts(const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i)
        bindText(int(i + 1), values[i]);
}

bool SqliteStatement::step() {
    if (bindFailed_) {
        failed_ = true;
        return false;
    }
    const int rc = sqlite3_step(stmt_);
    failed_ = rc != SQLITE_ROW && rc != SQLITE_DONE;
    return rc == SQLITE_ROW;
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    failed_ = false;
    bindFailed_ = false;
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString SqliteStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

QString SqliteStatement::columnText(int column) const {
    const void* text = sqlite3_column_text16(stmt_, column);
    if (!text)
        return {};
    const int bytes = sqlite3_column_bytes16(stmt_, column);
    return QString::fromUtf16(static_cast<const char16_t*>(text), bytes / 2);
}

bool SqliteStatement::columnIsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

qint64 SqliteStatement::columnInt64(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

namespace {

int openFlags(SqliteDatabase::Mode mode) {
    switch (mode) {
        case SqliteDatabase::Mode::ReadOnly:
            return SQLITE_OPEN_READONLY;
        case SqliteDatabase::Mode::ReadWrite:
            return SQLITE_OPEN_READWRITE;
        case SqliteDatabase::Mode::Create:
            return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    }
    return SQLITE_OPEN_READONLY;
}

}  // namespace

std::unique_ptr<SqliteDatabase> SqliteDatabase::open(const QString& path, Mode mode, QString* why) {
    auto fail = [&](const QString& reason) -> std::unique_ptr<SqliteDatabase> {
        tellWhy(why, reason);
        return nullptr;
    };
    const QFileInfo file(path);
    if (mode == Mode::Create && file.exists())
        return fail(QStringLiteral("the file already exists"));
    if (mode != Mode::Create && !file.isFile())
        return fail(QStringLiteral("the file does not exist"));

    const int flags = openFlags(mode) | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    std::unique_ptr<SqliteDatabase> database(new SqliteDatabase(db, path));
    if (rc != SQLITE_OK)
        return fail(database->lastError());

    constexpr int kBusyTimeoutMs = 5;
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    // Reading the schema is what tells a database from any other file.
    SqliteStatement probe = database->prepare(u"SELECT count(*) FROM sqlite_master");
    if (!probe.isValid())
        return fail(database->lastError());
    probe.step();
    if (probe.failed())
        return fail(database->lastError());
    return database;
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

QString SqliteDatabase::lastError() const {
    if (!db_)
        return QStringLiteral("out of memory");
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

SqliteStatement SqliteDatabase::prepare(QStringView sql) const {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare16_v2(db_, sql.utf16(), int(sql.size() * 2), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return {};
    }
    return {db_, stmt};
}

bool SqliteDatabase::execute(QStringView sql) {
    SqliteStatement statement = prepare(sql);
    if (!statement.isValid())
        return false;
    while (statement.step()) {
    }
    return !statement.failed();
}

QString SqliteDatabase::firstText(QStringView sql, QString* why) const {
    SqliteStatement statement = prepare(sql);
    if (statement.isValid() && statement.step())
        return statement.columnText(0);
    *why = statement.isValid() && !statement.failed() ? QStringLiteral("no result") : lastError();
    return {};
}

bool SqliteDatabase::passesQuickCheck(QString* why) const {
    QString error;
    const QString verdict = firstText(u"PRAGMA quick_check", &error);
    if (verdict == u"ok")
        return true;
    // The check names the damage over several lines.
    *why = QStringLiteral("the file is damaged (%1)")
               .arg(verdict.isEmpty() ? error : verdict.simplified());
    return false;
}

bool SqliteDatabase::isReadOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

bool SqliteDatabase::inTransaction() const {
    return sqlite3_get_autocommit(db_) == 0;
}

QString SqliteDatabase::tableName(QStringView name, QString* why) const {
    SqliteStatement statement = prepare(
        u"SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    if (statement.isValid()) {
        statement.bindText(1, name);
        if (statement.step())
            return statement.columnText(0);
        if (!statement.failed())
            return {};
    }
    tellWhy(why, lastError());
    return {};
}

QStringList SqliteDatabase::columnNames(const QString& table) const {
    QStringList names;
    SqliteStatement statement = prepare(u"SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    if (!statement.isValid())
        return names;
    statement.bindText(1, table);
    while (statement.step())
        names.append(statement.columnText(0));
    return names;
}

qsizetype fieldIndex(const QStringList& fields, QStringView name) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (QStringView(fields[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString quotedIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
