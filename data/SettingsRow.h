#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

#include "SqliteDatabase.h"
#include "StorageHealth.h"

// The single row of table Lang: the stored search word, pane styles, language and surah.
// Every write that returns true is in the file itself (a rollback journal, kept
// between writes, with full synchronisation),
// so a kill right after, or a copy of the file alone, loses nothing. A write the file refuses
// (read-only, locked by another program) is kept and retried every second and by flush(),
// never waiting on the lock, until it succeeds; nothing is silently dropped.
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
    // value is kept (value() returns it) and stored by the retry or flush(). While writes fail
    // a write only joins the pending values, so a locked file costs nothing per change.
    bool write(const QString& field, const QString& value);
    // Sets the field at once and stores it soon (see StorageHealth), together with whatever
    // else changed meanwhile: for a value that changes with every keystroke, whose disk sync
    // would otherwise hold up each one. flush() stores it too.
    void writeSoon(const QString& field, const QString& value);
    bool hasWriteScheduled() const { return health_.hasStoreScheduled(); }
    bool flush();
    bool hasPendingWrites() const { return !pending_.empty(); }
    // Tells when writes start failing and when they succeed again.
    StorageHealth& health() { return health_; }

  private:
    QString storedFieldName(const QString& field) const;
    // Sets the field and adds it to the pending values; false for an unknown field.
    bool hold(const QString& field, const QString& value);
    bool insertFactoryRow(QString* why);
    bool prepareForWriting(QString* why);
    bool storePending(QString* why);
    bool abandon(QString* why);

    std::shared_ptr<SqliteDatabase> database_;
    QString table_;
    QStringList fieldNames_;
    qint64 rowId_ = -1;
    std::map<QString, QString> values_;
    std::map<QString, QString> pending_;
    bool journalReady_ = false;
    StorageHealth health_{[this] { flush(); }};
};
