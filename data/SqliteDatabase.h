#pragma once

#include <QString>
#include <QStringView>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement; finalized with the object.
class SqliteStatement {
  public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    bool isValid() const { return stmt_ != nullptr; }

    // A bind that fails makes the next step fail without running the statement: a value that
    // could not be bound must not be written as NULL.
    void bindText(int index, QStringView text);
    void bindInt64(int index, qint64 value);
    // Binds `values` to the parameters 1, 2, … in order.
    void bindTexts(const QStringList& values);

    // True for a row; false when done or on error (then `failed()` tells which).
    bool step();
    bool failed() const { return failed_; }
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnText(int column) const;  // empty text for NULL
    bool columnIsNull(int column) const;
    qint64 columnInt64(int column) const;

  private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
    bool bindFailed_ = false;
};

// An open SQLite file. Only Create makes a file, and only where none is: for the other modes
// a missing database is an error. A lock held by another program makes a statement fail after
// a few milliseconds instead of holding up the caller.
class SqliteDatabase {
  public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    // Empty when the file cannot be opened or is not a database; *why says why.
    static std::unique_ptr<SqliteDatabase> open(const QString& path, Mode mode, QString* why);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    const QString& path() const { return path_; }
    sqlite3* handle() const { return db_; }
    QString lastError() const;

    // Invalid statement on error; see lastError().
    SqliteStatement prepare(QStringView sql) const;
    bool execute(QStringView sql);
    // The first column of the first row `sql` gives; empty on error, with *why set.
    QString firstText(QStringView sql, QString* why) const;

    // False, with *why naming the first fault, when SQLite's quick check finds damage.
    bool passesQuickCheck(QString* why) const;
    // True when the connection cannot write, as for a file that was write-protected at open.
    bool isReadOnly() const;
    // True while a transaction is open on this connection.
    bool inTransaction() const;

    // The stored spelling of a table, or empty when there is none of that name (any case) or
    // the schema cannot be read; only then is *why set.
    QString tableName(QStringView name, QString* why = nullptr) const;
    // The table's column names in declared order.
    QStringList columnNames(const QString& table) const;

  private:
    SqliteDatabase(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}
    sqlite3* db_;
    QString path_;
};

// Position of a field in a column list; SQL names compare without regard to case. -1 if absent.
qsizetype fieldIndex(const QStringList& fields, QStringView name);

// Quotes a name that came from the database's own schema for use as an SQL identifier.
QString quotedIdentifier(const QString& name);
