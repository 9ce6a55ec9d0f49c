#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement; every value goes in through a bound parameter.
class SqliteStatement {
  public:
    SqliteStatement(sqlite3* db, const char* sql, const QString& file);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Binds `values` to the parameters in order, runs the statement once and resets it.
    void run(const QStringList& values);
    void bind(int index, const QString& value);
    // True when a row is ready.
    bool step();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnText(int column) const;  // a null value reads as empty text

  private:
    void check(int code) const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    QString file_;
};

// One SQLite database file. Failures throw BuildError naming the file.
class SqliteFile {
  public:
    enum class Mode { CreateNew, ReadOnly };

    SqliteFile(const QString& path, Mode mode);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    void exec(const char* sql);
    SqliteStatement prepare(const char* sql) { return SqliteStatement(db_, sql, path_); }

  private:
    sqlite3* db_ = nullptr;
    QString path_;
};
