#include "SettingsRow.h"

#include "FactorySettings.h"
#include "Schema.h"
#include "WhyFailed.h"

SettingsRow::SettingsRow(std::shared_ptr<SqliteDatabase> database, QObject* parent)
    : QObject(parent), database_(std::move(database)) {}

bool SettingsRow::load(QString* why) {
    const QString table = database_->tableName(schema::kSettingsTable);
    if (table.isEmpty())
        return fail(why, QStringLiteral("the table %1 is missing").arg(schema::kSettingsTable));
    table_ = table;
    fieldNames_ = database_->columnNames(table);

    const QString selectFirst = QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1")
                                    .arg(quotedIdentifier(table));
    SqliteStatement select = database_->prepare(selectFirst);
    if (!select.isValid())
        return fail(why, database_->lastError());
    if (!select.step()) {
        if (select.failed())
            return fail(why, database_->lastError());
        // A lost row means factory settings, as on a first start, not a program that cannot
        // start. Only the first row is ever read or written.
        QString reason;
        if (!insertFactoryRow(&reason))
            return fail(why, QStringLiteral("the table %1 has no row and none can be added (%2)")
                                 .arg(schema::kSettingsTable, reason));
        select = database_->prepare(selectFirst);
        if (!select.step())
            return fail(why, database_->lastError());
    }
    rowId_ = select.columnInt64(0);
    values_.clear();
    for (int column = 0; column < fieldNames_.size(); ++column)
        values_[fieldNames_[column]] = select.columnText(column + 1);
    return true;
}

bool SettingsRow::insertFactoryRow(QString* why) {
    QStringList names;
    QStringList parameters;
    QStringList values;
    for (const QString& field : fieldNames_) {
        names.append(quotedIdentifier(field));
        parameters.append(QStringLiteral("?%1").arg(parameters.size() + 1));
        values.append(FactorySettings::value(field));  // null, stored as NULL, when unknown
    }
    // Column names come from the table's own schema; values are bound.
    SqliteStatement insert = database_->prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(quotedIdentifier(table_), names.join(u", "), parameters.join(u", ")));
    if (insert.isValid()) {
        insert.bindTexts(values);
        insert.step();
    }
    if (!insert.isValid() || insert.failed()) {
        *why = database_->lastError();
        return false;
    }
    return true;
}

QString SettingsRow::storedFieldName(const QString& field) const {
    const qsizetype index = fieldIndex(fieldNames_, field);
    return index < 0 ? QString() : fieldNames_[index];
}

QString SettingsRow::value(const QString& field) const {
    const auto found = values_.find(storedFieldName(field));
    return found == values_.end() ? QString() : found->second;
}

bool SettingsRow::hold(const QString& field, const QString& value) {
    const QString name = storedFieldName(field);
    if (name.isEmpty())
        return false;
    values_[name] = value;
    pending_[name] = value;
    return true;
}

bool SettingsRow::write(const QString& field, const QString& value) {
    return hold(field, value) && !health_.isFailing() && flush();
}

void SettingsRow::writeSoon(const QString& field, const QString& value) {
    if (hold(field, value))
        health_.storeSoon();
}

bool SettingsRow::flush() {
    if (pending_.empty())
        return true;
    QString reason;
    const bool stored = storePending(&reason);
    if (stored)
        pending_.clear();
    health_.report(stored, reason);
    return stored;
}

// A connection opened while the file was write-protected stays read-only; once the file can be
// written again a new connection takes over. Writes go through a rollback journal, so that what
// is written lands in the file itself, with full synchronisation; the journal is kept between
// writes and only its header cleared, which spares each keystroke creating and deleting a file
// and syncing its folder. A write-ahead log an older run left is folded back into the file.
bool SettingsRow::prepareForWriting(QString* why) {
    if (database_->isReadOnly()) {
        std::shared_ptr<SqliteDatabase> reopened =
            SqliteDatabase::open(database_->path(), SqliteDatabase::Mode::ReadWrite, why);
        if (!reopened)
            return false;
        if (reopened->isReadOnly()) {
            *why = QStringLiteral("the file or its folder is read-only");
            return false;
        }
        database_ = std::move(reopened);
        journalReady_ = false;
    }
    if (journalReady_)
        return true;
    const QString mode = database_->firstText(u"PRAGMA journal_mode = PERSIST", why);
    if (mode.compare(u"persist", Qt::CaseInsensitive) != 0) {
        if (!mode.isEmpty())
            *why = QStringLiteral("the file stays in journal mode %1 (%2)")
                       .arg(mode, database_->lastError());
        return false;
    }
    if (!database_->execute(u"PRAGMA synchronous = FULL")) {
        *why = database_->lastError();
        return false;
    }
    journalReady_ = true;
    return true;
}

bool SettingsRow::storePending(QString* why) {
    if (rowId_ < 0) {
        *why = QStringLiteral("the settings row was never read");
        return false;
    }
    // A transaction a failed rollback left open would swallow this one.
    if (database_->inTransaction()) {
        *why = QStringLiteral("an earlier write left its transaction open");
        if (!abandon(why))
            return false;
    }
    if (!prepareForWriting(why))
        return false;
    if (!database_->execute(u"BEGIN IMMEDIATE")) {
        *why = database_->lastError();
        return false;
    }
    for (const auto& [name, text] : pending_) {
        // Field names come from the table's own schema; values are bound.
        SqliteStatement update =
            database_->prepare(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE rowid = ?2")
                                   .arg(quotedIdentifier(table_), quotedIdentifier(name)));
        if (update.isValid()) {
            update.bindText(1, text);
            update.bindInt64(2, rowId_);
            update.step();
        }
        if (!update.isValid() || update.failed()) {
            *why = database_->lastError();
            abandon(why);
            return false;
        }
    }
    if (!database_->execute(u"COMMIT")) {
        *why = database_->lastError();
        abandon(why);
        return false;
    }
    return true;
}

// Rolls back the open transaction; *why gains the reason when even that fails.
bool SettingsRow::abandon(QString* why) {
    if (database_->execute(u"ROLLBACK") || !database_->inTransaction())
        return true;
    *why += QStringLiteral("; the rollback failed too (%1)").arg(database_->lastError());
    return false;
}
