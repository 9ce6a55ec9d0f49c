#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class SqliteDatabase;

// Every output appears whole or not at all: it is built beside its place and renamed over.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Builds a new database with `fill` inside one transaction, then replaces `path` with it.
void replaceDatabase(const QString& path, const std::function<void(SqliteDatabase&)>& fill);

// Moves `path` to `target`, replacing any file there.
void renameOver(const QString& path, const QString& target);
