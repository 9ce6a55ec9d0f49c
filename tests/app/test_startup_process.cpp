#include <poll.h>
#include <xcb/xcb.h>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "PrivateXServer.h"
#include "SingleInstanceLock.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

namespace {

// A private copy of the runtime folder (without the sound, so tests stay silent), a private
// runtime folder for the instance lock and a private settings store.
class Installation {
  public:
    Installation() {
        const QDir source = QFileInfo(QStringLiteral(ZEPHYRANE_EXECUTABLE)).absoluteDir();
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString relative = source.relativeFilePath(from);
            if (relative == "Wave.Wav"_L1)
                continue;
            QDir().mkpath(QFileInfo(folder_.filePath(relative)).path());
            copied_ = QFile::copy(from, folder_.filePath(relative)) && copied_;
        }
    }

    bool isValid() const {
        return folder_.isValid() && runtime_.isValid() && config_.isValid() && copied_;
    }
    QString corpusFile() const { return folder_.filePath(u"Data/6.HTA"_s); }
    QString dataFile(const QString& name) const { return folder_.filePath(u"Data/"_s + name); }
    QString runtimeFolder() const { return runtime_.path(); }
    QString filePath(const QString& relative) const { return folder_.filePath(relative); }
    QString settingsStoreFile() const {
        return config_.filePath(u"Vediv 3Azez/Vediv 3Azez.conf"_s);
    }

    // Offscreen, or on the X display `display`.
    void start(QProcess& process, const QString& display = {}) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, display.isEmpty() ? u"offscreen"_s : u"xcb"_s);
        environment.insert(u"DISPLAY"_s, display);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime_.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, config_.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_.path());
        process.start(folder_.filePath(u"zephyrane"_s), {});
    }

  private:
    QTemporaryDir folder_;
    QTemporaryDir runtime_;
    QTemporaryDir config_;
    bool copied_ = true;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The same noise on every run, so a failure can be repeated.
QByteArray randomBytes(qsizetype size) {
    QRandomGenerator generator(8);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

bool runSql(const QString& path, const QString& sql) {
    QString why;
    std::unique_ptr<SqliteDatabase> db =
        SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWrite, &why);
    return db && db->execute(sql);
}

// Rows of table Lang; -1 when they cannot be counted.
qint64 settingsRowCount(const QString& path) {
    QString why;
    std::unique_ptr<SqliteDatabase> db =
        SqliteDatabase::open(path, SqliteDatabase::Mode::ReadOnly, &why);
    if (!db)
        return -1;
    SqliteStatement count = db->prepare(u"SELECT count(*) FROM Lang");
    return count.isValid() && count.step() ? count.columnInt64(0) : -1;
}

// The corpus without its last verse line.
QByteArray withoutLastVerse(const QByteArray& corpus) {
    QList<QByteArray> lines = corpus.split('\n');
    return lines.mid(0, 6235).join('\n') + '\n';
}

// The corpus with the given 1-based line cut after its fifth field.
QByteArray withFiveFields(const QByteArray& corpus, int line) {
    const QByteArray delimiter = corpus.startsWith("\xEF\xBB\xBF")
                                     ? QByteArray("\xE2\x80\x8D\xE2\x80\x8D")
                                     : QByteArray("\x9E\x9E");
    QList<QByteArray> lines = corpus.split('\n');
    QByteArray& cut = lines[line - 1];
    qsizetype at = -delimiter.size();
    for (int field = 0; field < 5; ++field)
        at = cut.indexOf(delimiter, at + delimiter.size());
    cut = cut.first(at) + '\r';
    return lines.join('\n');
}

// One change of a window's opacity as the X server saw it: when the server made it, and the
// alpha the window had when the watcher asked right after.
struct OpacityChange {
    xcb_timestamp_t serverTime;
    int alpha;
};

// A client of the X server that records every change of the opacity of every top-level
// window from the moment the window is created.
class OpacityWatcher {
  public:
    explicit OpacityWatcher(const QString& display)
        : connection_(xcb_connect(display.toLatin1().constData(), nullptr)) {
        if (xcb_connection_has_error(connection_))
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_WINDOW_OPACITY";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
        if (reply)
            opacity_ = reply->atom;
        std::free(reply);
    }
    ~OpacityWatcher() { xcb_disconnect(connection_); }
    OpacityWatcher(const OpacityWatcher&) = delete;
    OpacityWatcher& operator=(const OpacityWatcher&) = delete;

    bool isValid() const { return !xcb_connection_has_error(connection_) && opacity_ != 0; }

    // Records until `done` holds for a window's changes; false when the server goes away or
    // nothing happens for half a minute.
    bool watchUntil(const std::function<bool(const std::vector<OpacityChange>&)>& done) {
        for (;;) {
            pollfd connection{xcb_get_file_descriptor(connection_), POLLIN, 0};
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                if (xcb_connection_has_error(connection_) || poll(&connection, 1, 30000) <= 0)
                    return false;
                continue;
            }
            const std::optional<xcb_window_t> changed = take(event);
            std::free(event);
            if (changed && done(changes_[*changed]))
                return true;
        }
    }

    const std::map<xcb_window_t, std::vector<OpacityChange>>& changes() const { return changes_; }

  private:
    // Follows a new window; returns the window whose opacity `event` reports changed.
    std::optional<xcb_window_t> take(const xcb_generic_event_t* event) {
        switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event);
                const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(connection_, created->window, XCB_CW_EVENT_MASK,
                                             &mask);
                xcb_flush(connection_);
                return std::nullopt;
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                if (property->atom != opacity_ || property->state != XCB_PROPERTY_NEW_VALUE)
                    return std::nullopt;
                changes_[property->window].push_back({property->time, alpha(property->window)});
                return property->window;
            }
            default:
                return std::nullopt;
        }
    }

    int alpha(xcb_window_t window) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, opacity_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        int value = -1;
        if (reply && xcb_get_property_value_length(reply) == 4) {
            std::uint32_t opacity = 0;
            std::memcpy(&opacity, xcb_get_property_value(reply), 4);
            value = int(qRound64(double(opacity) * 255 / 0xffffffffu));
        }
        std::free(reply);
        return value;
    }

    xcb_connection_t* connection_;
    xcb_atom_t opacity_ = 0;
    std::map<xcb_window_t, std::vector<OpacityChange>> changes_;
};

// The most changes of `fade` that the server made in one and the same millisecond.
qsizetype mostInOneMillisecond(const std::vector<OpacityChange>& fade) {
    std::map<xcb_timestamp_t, qsizetype> perMillisecond;
    qsizetype most = 0;
    for (const OpacityChange& change : fade)
        most = std::max(most, ++perMillisecond[change.serverTime]);
    return most;
}

}  // namespace

class TestStartupProcess : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void secondInstanceEndsAtOnceWithTheMessage() {
        Installation installation;
        QVERIFY(installation.isValid());
        qputenv("XDG_RUNTIME_DIR", installation.runtimeFolder().toLocal8Bit());
        const QString lockFile = SingleInstanceLock::defaultPath();
        QCOMPARE(QFileInfo(lockFile).absolutePath(), installation.runtimeFolder());

        QProcess first;
        installation.start(first);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile), 15000);

        QProcess second;
        installation.start(second);
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardError(),
                 u"\u200F  The Vire Vozov is Startted .....!!!!! \n"_s.toUtf8());
        QCOMPARE(first.state(), QProcess::Running);

        // A killed instance leaves its lock file behind; it must not block the next start.
        first.kill();
        QVERIFY(first.waitForFinished(15000));
        QVERIFY(QFile::exists(lockFile));
        SingleInstanceLock next(lockFile);
        QVERIFY(next.tryLock());
    }

    // On a real display every step of the two fades reaches the X server on its own tick.
    void splashFadesStepByStepOnTheDisplay() {
        PrivateXServer server;
        QVERIFY2(!server.display().isEmpty(), "Xvfb starts");
        OpacityWatcher watcher(server.display());
        QVERIFY(watcher.isValid());
        Installation installation;
        QVERIFY(installation.isValid());
        QProcess program;
        installation.start(program, server.display());

        // Done once a window has come down to alpha 0 after it was fully opaque.
        const bool faded = watcher.watchUntil([](const std::vector<OpacityChange>& changes) {
            const auto opaque = std::find_if(changes.begin(), changes.end(),
                                             [](const OpacityChange& c) { return c.alpha == 255; });
            return opaque != changes.end() && changes.back().alpha == 0;
        });
        program.kill();
        program.waitForFinished();
        QVERIFY2(faded, "the splash fades in and out");

        const auto splash = std::find_if(
            watcher.changes().begin(), watcher.changes().end(), [](const auto& window) {
                return !window.second.empty() && window.second.back().alpha == 0;
            });
        std::vector<OpacityChange> changes = splash->second;
        // The window may be created transparent while the watcher already follows it.
        if (changes.size() == 31)
            changes.erase(changes.begin());
        QString seen;
        for (const OpacityChange& change : changes)
            seen += u"%1@%2 "_s.arg(change.alpha).arg(change.serverTime);
        QVERIFY2(changes.size() == 30, qPrintable(seen));
        const std::vector<OpacityChange> in(changes.begin(), changes.begin() + 15);
        const std::vector<OpacityChange> out(changes.begin() + 15, changes.end());
        // Each answer is the alpha of that step or of a later one.
        const auto alphaOf = [](const OpacityChange& change) { return change.alpha; };
        QVERIFY2(std::ranges::is_sorted(in, std::less{}, alphaOf), qPrintable(seen));
        QVERIFY2(std::ranges::is_sorted(out, std::greater{}, alphaOf), qPrintable(seen));
        // The corpus loads while the splash is opaque, long enough to be asked.
        QVERIFY2(in.back().alpha == 255 && out.back().alpha == 0, qPrintable(seen));
        // Steps held back in the connection reach the server together, in one millisecond.
        QVERIFY2(mostInOneMillisecond(in) <= 5, qPrintable(seen));
        QVERIFY2(mostInOneMillisecond(out) <= 5, qPrintable(seen));
    }

    // Only a live instance's lock refuses the start; a lock file that names no process, or a
    // lock that cannot be made at all, does not.
    void lockNoInstanceHoldsLetsTheProgramStart_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("lock file of garbage") << false;
        QTest::newRow("lock path is a folder") << true;
    }
    void lockNoInstanceHoldsLetsTheProgramStart() {
        QFETCH(bool, folder);
        Installation installation;
        QVERIFY(installation.isValid());
        const QString lockFile = installation.runtimeFolder() + u"/zephyrane.lock"_s;
        if (folder)
            QVERIFY(QDir().mkpath(lockFile));
        else
            QVERIFY(writeAll(lockFile, "\x01\x02 cut short by a full disk"));

        QProcess process;
        installation.start(process);
        const bool ended = process.waitForFinished(4000);
        process.kill();
        process.waitForFinished();
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(!ended, qPrintable(u"exit code %1: %2"_s.arg(process.exitCode()).arg(errors)));
        QVERIFY2(!errors.contains(u"Startted"_s), qPrintable(errors));
        if (folder)
            QVERIFY2(errors.contains(lockFile), qPrintable(errors));
    }

    void badCorpusEndsTheProgramNamingFileAndLine_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("where");
        QTest::newRow("missing") << u"missing"_s << QString();
        QTest::newRow("empty") << u"empty"_s << u", line 1:"_s;
        QTest::newRow("6235 lines") << u"short"_s << u", line 6236:"_s;
        QTest::newRow("five fields") << u"five fields"_s << u", line 100:"_s;
        QTest::newRow("random bytes") << u"random"_s << u", line "_s;
    }
    void badCorpusEndsTheProgramNamingFileAndLine() {
        QFETCH(QString, fault);
        QFETCH(QString, where);
        Installation installation;
        QVERIFY(installation.isValid());
        const QString corpus = installation.corpusFile();
        const QString named = QFileInfo(corpus).canonicalFilePath() + where;
        const QByteArray bytes = readAll(corpus);
        QCOMPARE(bytes.count('\n'), qsizetype(6236));
        if (fault == "missing"_L1)
            QVERIFY(QFile::remove(corpus));
        if (fault == "empty"_L1)
            QVERIFY(writeAll(corpus, QByteArray()));
        if (fault == "random"_L1)
            QVERIFY(writeAll(corpus, randomBytes(1 << 16)));
        if (fault == "short"_L1)
            QVERIFY(writeAll(corpus, withoutLastVerse(bytes)));
        if (fault == "five fields"_L1)
            QVERIFY(writeAll(corpus, withFiveFields(bytes, 100)));

        QProcess process;
        installation.start(process);
        QVERIFY(process.waitForFinished(15000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(errors.contains(named), qPrintable(errors));
    }

    // A database that cannot serve ends the program at the hand-over, naming the file.
    void badDatabaseEndsTheProgramNamingTheFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");  // "-" removes the file, "sql" runs `sql`
        QTest::addColumn<QString>("sql");
        const QByteArray sql("sql");
        QTest::newRow("verses missing") << u"Quran.MDB"_s << QByteArray("-") << QString();
        QTest::newRow("search missing") << u"AWAR.MDB"_s << QByteArray("-") << QString();
        QTest::newRow("verses empty") << u"Quran.MDB"_s << QByteArray() << QString();
        QTest::newRow("search empty") << u"AWAR.MDB"_s << QByteArray() << QString();
        QTest::newRow("verses random") << u"Quran.MDB"_s << randomBytes(8192) << QString();
        QTest::newRow("search random") << u"AWAR.MDB"_s << QByteArray(8192, '\x5a') << QString();
        QTest::newRow("verses table renamed")
            << u"Quran.MDB"_s << sql << u"ALTER TABLE Data RENAME TO Verses"_s;
        QTest::newRow("search field renamed")
            << u"AWAR.MDB"_s << sql << u"ALTER TABLE Data RENAME COLUMN Mum1 TO Other"_s;
        QTest::newRow("settings table dropped") << u"Quran.MDB"_s << sql << u"DROP TABLE Lang"_s;
        QTest::newRow("settings field renamed")
            << u"Quran.MDB"_s << sql << u"ALTER TABLE Lang RENAME COLUMN AiaNo TO Size"_s;
        // The last pages of each file hold a table: settings Lang, the search table's index.
        QTest::newRow("verses cut short") << u"Quran.MDB"_s << QByteArray("cut") << QString();
        QTest::newRow("search cut short") << u"AWAR.MDB"_s << QByteArray("cut") << QString();
    }
    void badDatabaseEndsTheProgramNamingTheFile() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, sql);
        Installation installation;
        QVERIFY(installation.isValid());
        const QString path = installation.dataFile(file);
        if (content == "-")
            QVERIFY(QFile::remove(path));
        else if (content == "cut")
            QVERIFY(QFile::resize(path, QFileInfo(path).size() - 256));
        else if (!sql.isEmpty())
            QVERIFY(runSql(path, sql));
        else
            QVERIFY(writeAll(path, content));

        QProcess process;
        installation.start(process);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(errors.contains(u"Data/"_s + file), qPrintable(errors));
    }

    // Faults the program rides over: it starts and keeps running, and the settings row is
    // there afterwards.
    void startsAndKeepsRunning_data() {
        QTest::addColumn<QString>("file");  // relative to the runtime folder
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("sql");
        QTest::newRow("no sound") << QString() << QByteArray() << QString();
        QTest::newRow("sound not audio")
            << u"Wave.Wav"_s << QByteArray("RIFF not a sound at all") << QString();
        QTest::newRow("sound random bytes") << u"Wave.Wav"_s << randomBytes(4096) << QString();
        QTest::newRow("settings row missing")
            << u"Data/Quran.MDB"_s << QByteArray() << u"DELETE FROM Lang"_s;
        QTest::newRow("two settings rows")
            << u"Data/Quran.MDB"_s << QByteArray() << u"INSERT INTO Lang SELECT * FROM Lang"_s;
    }
    void startsAndKeepsRunning() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, sql);
        Installation installation;
        QVERIFY(installation.isValid());
        if (!sql.isEmpty())
            QVERIFY(runSql(installation.filePath(file), sql));
        else if (!file.isEmpty())
            QVERIFY(writeAll(installation.filePath(file), content));
        const QString settings = installation.dataFile(u"Quran.MDB"_s);
        const qint64 rowsBefore = settingsRowCount(settings);

        QProcess process;
        installation.start(process);
        // Past the splash and the hand-over, the program keeps running.
        QVERIFY2(
            !process.waitForFinished(4000),
            qPrintable(u"ended with %1 %2: "_s.arg(process.exitStatus()).arg(process.exitCode()) +
                       QString::fromLocal8Bit(process.readAllStandardError())));
        process.kill();
        process.waitForFinished();
        QVERIFY2(!process.readAllStandardError().contains("Data/"), "no start-up failure");
        QCOMPARE(settingsRowCount(settings), std::max<qint64>(rowsBefore, 1));
    }
};

QTEST_MAIN(TestStartupProcess)
#include "test_startup_process.moc"
