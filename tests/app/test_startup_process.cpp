#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "SingleInstanceLock.h"

using namespace Qt::StringLiterals;

namespace {

// A private copy of the runtime folder (without the sound, so tests stay silent) and a
// private runtime folder for the instance lock.
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

    bool isValid() const { return folder_.isValid() && runtime_.isValid() && copied_; }
    QString corpusFile() const { return folder_.filePath(u"Data/6.HTA"_s); }
    QString dataFile(const QString& name) const { return folder_.filePath(u"Data/"_s + name); }
    QString runtimeFolder() const { return runtime_.path(); }

    void start(QProcess& process) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime_.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_.path());
        process.start(folder_.filePath(u"zephyrane"_s), {});
    }

  private:
    QTemporaryDir folder_;
    QTemporaryDir runtime_;
    bool copied_ = true;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
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
        QCOMPARE(second.readAllStandardError(), "  The Vire Vozov is Startted .....!!!!! \n");
        QCOMPARE(first.state(), QProcess::Running);

        // A killed instance leaves its lock file behind; it must not block the next start.
        first.kill();
        QVERIFY(first.waitForFinished(15000));
        QVERIFY(QFile::exists(lockFile));
        SingleInstanceLock next(lockFile);
        QVERIFY(next.tryLock());
    }

    void badCorpusEndsTheProgramNamingFileAndLine_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("where");
        QTest::newRow("missing") << u"missing"_s << QString();
        QTest::newRow("6235 lines") << u"short"_s << u", line 6236:"_s;
        QTest::newRow("five fields") << u"five fields"_s << u", line 100:"_s;
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
        QTest::addColumn<QByteArray>("content");  // "-" removes the file
        QTest::newRow("verses missing") << u"Quran.MDB"_s << QByteArray("-");
        QTest::newRow("search missing") << u"AWAR.MDB"_s << QByteArray("-");
        QTest::newRow("verses empty") << u"Quran.MDB"_s << QByteArray();
        QTest::newRow("search random") << u"AWAR.MDB"_s << QByteArray(8192, '\x5a');
    }
    void badDatabaseEndsTheProgramNamingTheFile() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        Installation installation;
        QVERIFY(installation.isValid());
        const QString path = installation.dataFile(file);
        if (content == "-")
            QVERIFY(QFile::remove(path));
        else
            QVERIFY(writeAll(path, content));

        QProcess process;
        installation.start(process);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(errors.contains(u"Data/"_s + file), qPrintable(errors));
    }

    void startsAndKeepsRunning() {
        Installation installation;
        QVERIFY(installation.isValid());
        QProcess process;
        installation.start(process);
        // Past the splash and the hand-over, the program keeps running.
        QVERIFY(!process.waitForFinished(4000));
        process.kill();
        process.waitForFinished();
        QVERIFY2(!process.readAllStandardError().contains("Data/"), "no start-up failure");
    }
};

QTEST_MAIN(TestStartupProcess)
#include "test_startup_process.moc"
