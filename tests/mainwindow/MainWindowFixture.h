#pragma once

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

#include "CaptionWriter.h"
#include "MainWindowSources.h"
#include "Quran1.h"
#include "RecordSource.h"
#include "SettingsRow.h"
#include "SettingsStore.h"
#include "SqliteDatabase.h"
#include "VerseLists.h"

using Stored = std::map<QString, QString>;

// The control of object name `name` in `window`; the test cannot go on without it.
template <typename Control>
Control* control(const QObject& window, const QString& name) {
    auto* found = qobject_cast<Control*>(findControl(window, name));
    if (!found)
        qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name));
    return found;
}

// A main window over a private copy of the runtime databases, with the shipped verse lists.
class MainWindowFixture {
  public:
    static const VerseLists& lists() {
        static const VerseLists loaded = [] {
            VerseLists verseLists;
            if (auto error =
                    loadVerseLists(QStringLiteral(ZEPHYRANE_RUN_DIR "/Data/6.HTA"), verseLists))
                qFatal("%s", qPrintable(error->message()));
            return verseLists;
        }();
        return loaded;
    }

    // Stored values to put into the settings row before the window is created.
    explicit MainWindowFixture(const Stored& stored = {}, const QString& storedSurahPosition = {}) {
        QStandardPaths::setTestModeEnabled(true);
        const QString data = copyRuntimeData(dir.path());
        if (!stored.empty()) {
            QString why;
            std::shared_ptr<SqliteDatabase> db = SqliteDatabase::open(
                data + QStringLiteral("/Quran.MDB"), SqliteDatabase::Mode::ReadWrite, &why);
            SettingsRow row(db);
            row.load();
            for (const auto& [field, value] : stored)
                row.write(field, value);
        }
        if (auto failure = openQuran1Sources(dir.path(), lists(), &owner, sources))
            qFatal("%s", qPrintable(*failure));
        sources.store->write(SettingsStore::kSurahPositionKey, storedSurahPosition);
        // The search's own choices start as a new user's, whatever an earlier test chose.
        sources.store->write(SettingsStore::kTolerantSearchKey, QString());
        sources.store->write(SettingsStore::kSearchInKey, QString());
        window = std::make_unique<Quran1>(sources);
        window->show();
    }

    // Gives `folder` its own copy of the runtime databases; returns its Data folder.
    static QString copyRuntimeData(const QString& folder) {
        const QString data = folder + QStringLiteral("/Data");
        QDir().mkpath(data);
        const QString run = QStringLiteral(ZEPHYRANE_RUN_DIR "/Data/");
        QFile::copy(run + QStringLiteral("Quran.MDB"), data + QStringLiteral("/Quran.MDB"));
        QFile::setPermissions(data + QStringLiteral("/Quran.MDB"),
                              QFile::ReadOwner | QFile::WriteOwner);
        // The search database is only read.
        QFile::link(run + QStringLiteral("AWAR.MDB"), data + QStringLiteral("/AWAR.MDB"));
        return data;
    }

    // Runs the event loop until every display step armed so far has run.
    bool settle() { return settle(*window); }
    static bool settle(Quran1& w) {
        return QTest::qWaitFor([&] {
            return !control<QTimer>(w, QStringLiteral("Timer1"))->isActive() &&
                   !control<QTimer>(w, QStringLiteral("Timer6"))->isActive() &&
                   !control<QTimer>(w, QStringLiteral("Timer3"))->isActive() &&
                   !control<QTimer>(w, QStringLiteral("Timer11"))->isActive();
        });
    }

    // Types `text` key by key, as a keyboard would (any script).
    static void type(QWidget* widget, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // The stored value of a settings-row field, read back from the file once a scheduled
    // write has run.
    QString storedValue(const QString& field) {
        if (!QTest::qWaitFor([&] { return !sources.Data2->hasWriteScheduled(); }))
            return QStringLiteral("(the scheduled write never ran)");
        QString why;
        SettingsRow row(SqliteDatabase::open(dir.filePath(QStringLiteral("Data/Quran.MDB")),
                                             SqliteDatabase::Mode::ReadOnly, &why));
        row.load();
        return row.value(field);
    }

    QTemporaryDir dir;
    QObject owner;
    Quran1Sources sources;
    std::unique_ptr<Quran1> window;
};
