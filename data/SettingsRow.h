#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <memory>

#include "SqliteDatabase.h"

// The single row of table Lang: the stored search word, pane styles, language and surah.
// Every write reaches the file before it returns, so a kill right after loses nothing.
// A write the file refuses (read-only, locked) is kept and retried with the next write, by
// flush() and every few seconds until it succeeds; nothing is silently dropped.
class SettingsRow : public QObject {
    Q_OBJECT

  public:
    explicit SettingsRow(std::shared_ptr<SqliteDatabase> database, QObject* parent = nullptr);

    // Reads the first row; a table without one gets the factory row. False (with *why) when
    // the table is missing or no row can be read or added.
    bool load(QString* why = nullptr);

    const QStringList& fieldNames() const { return fieldNames_; }
    // The field's value; empty for NULL or an unknown field.
    QString value(const QString& field) const;
    // Sets the field and stores every pending value. False when the file refused it; the
    // value is kept (value() returns it) and stored by a later write or flush().
    bool write(const QString& field, const QString& value);
    bool flush();
    bool hasPendingWrites() const { return !pending_.empty(); }

  signals:
    // Once when writes start failing, and once when they succeed again.
    void storageFailed(const QString& reason);
    void storageRecovered();

  private:
    QString storedFieldName(const QString& field) const;
    bool insertFactoryRow(QString* why);
    bool storePending(QString* why);

    std::shared_ptr<SqliteDatabase> database_;
    QString table_;
    QStringList fieldNames_;
    qint64 rowId_ = -1;
    std::map<QString, QString> values_;
    std::map<QString, QString> pending_;
    bool failing_ = false;
    QTimer retry_;
};
