#include "SettingsRow.h"

#include "FactorySettings.h"

namespace {
const QString kTable = QStringLiteral("Lang");
constexpr int kRetryMs = 3000;
}  // namespace

SettingsRow::SettingsRow(std::shared_ptr<SqliteDatabase> database, QObject* parent)
    : QObject(parent), database_(std::move(database)) {
    // The write-ahead log makes each commit a plain append: safe against a killed process
    // without a disk flush per keystroke. A folder we cannot write keeps the rollback journal.
    database_->execute(u"PRAGMA journal_mode = WAL");
    database_->execute(u"PRAGMA synchronous = NORMAL");
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &SettingsRow::flush);
}

bool SettingsRow::load(QString* why) {
    auto fail = [&](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    const QString table = database_->tableName(kTable);
    if (table.isEmpty())
        return fail(QStringLiteral("the table Lang is missing"));
    table_ = table;
    fieldNames_ = database_->columnNames(table);

    const QString selectFirst = QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1")
                                    .arg(quotedIdentifier(table));
    SqliteStatement select = database_->prepare(selectFirst);
    if (!select.isValid())
        return fail(database_->lastError());
    if (!select.step()) {
        if (select.failed())
            return fail(database_->lastError());
        // A lost row means factory settings, as on a first start, not a program that cannot
        // start. Only the first row is ever read or written.
        QString reason;
        if (!insertFactoryRow(&reason))
            return fail(
                QStringLiteral("the table Lang has no row and none can be added (%1)").arg(reason));
        select = database_->prepare(selectFirst);
        if (!select.step())
            return fail(database_->lastError());
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

bool SettingsRow::write(const QString& field, const QString& value) {
    const QString name = storedFieldName(field);
    if (name.isEmpty())
        return false;
    values_[name] = value;
    pending_[name] = value;
    return flush();
}

bool SettingsRow::flush() {
    if (pending_.empty())
        return true;
    QString reason;
    if (!storePending(&reason)) {
        if (!failing_) {
            failing_ = true;
            retry_.start();
            emit storageFailed(reason);
        }
        return false;
    }
    pending_.clear();
    if (failing_) {
        failing_ = false;
        retry_.stop();
        emit storageRecovered();
    }
    return true;
}

bool SettingsRow::storePending(QString* why) {
    if (rowId_ < 0) {
        *why = QStringLiteral("the settings row was never read");
        return false;
    }
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
            database_->execute(u"ROLLBACK");
            return false;
        }
    }
    if (!database_->execute(u"COMMIT")) {
        *why = database_->lastError();
        database_->execute(u"ROLLBACK");
        return false;
    }
    return true;
}
