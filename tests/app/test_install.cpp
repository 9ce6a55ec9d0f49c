// An install into a per-user prefix: the desktop entry starts the program from its own folder,
// and installing again keeps the user's settings.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "SettingsRow.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

namespace {

bool install(const QString& prefix, QString* output) {
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(ZEPHYRANE_CMAKE),
                {u"--install"_s, QStringLiteral(ZEPHYRANE_BUILD_DIR), u"--prefix"_s, prefix});
    const bool finished = cmake.waitForFinished(120000);
    *output = QString::fromLocal8Bit(cmake.readAll());
    return finished && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
}

// The desktop entry's keys (a desktop entry is an INI file with one group).
std::map<QString, QString> desktopEntry(const QString& path) {
    std::map<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == u"[Desktop Entry]"_s;
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys[line.first(equals)] = line.sliced(equals + 1);
    }
    return keys;
}

std::unique_ptr<SettingsRow> settingsOf(const QString& programFolder) {
    QString why;
    auto row = std::make_unique<SettingsRow>(SqliteDatabase::open(
        programFolder + u"/Data/Quran.MDB"_s, SqliteDatabase::Mode::ReadWrite, &why));
    return row->load(&why) ? std::move(row) : nullptr;
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

  private slots:
    void startsFromItsDesktopEntryAndKeepsSettings() {
        QTemporaryDir prefix;
        QString output;
        QVERIFY2(install(prefix.path(), &output), qPrintable(output));

        const std::map<QString, QString> entry =
            desktopEntry(prefix.filePath(u"share/applications/zephyrane.desktop"_s));
        const QString folder = prefix.filePath(u"lib/zephyrane"_s);
        QCOMPARE(entry.at(u"Type"_s), u"Application"_s);
        QCOMPARE(entry.at(u"Path"_s), folder);
        QCOMPARE(entry.at(u"Exec"_s), u"\""_s + folder + u"/zephyrane\""_s);
        QVERIFY(QFileInfo(entry.at(u"Icon"_s)).isFile());
        for (const QString& file : {u"Data/6.HTA"_s, u"Data/Quran.MDB"_s, u"Data/AWAR.MDB"_s,
                                    u"Wave.Wav"_s, u"zephyrane"_s, u"zephyrane.html"_s})
            QVERIFY2(QFileInfo::exists(folder + u'/' + file), qPrintable(file));
        QVERIFY(QFileInfo(prefix.filePath(u"bin/zephyrane"_s)).isExecutable());

        // What the desktop does: run the Exec line in the Path folder.
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, home.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(entry.at(u"Path"_s));
        program.start(QString(entry.at(u"Exec"_s)).remove(u'"'), {});
        QVERIFY(!program.waitForFinished(4000));  // past the splash, still running
        program.kill();
        program.waitForFinished();
        QVERIFY2(!program.readAllStandardError().contains("cannot start"), "no start-up failure");

        // A second install over the first keeps what the user chose.
        QVERIFY(settingsOf(folder)->write(u"Kalima"_s, u"الرحمن"_s));
        QVERIFY2(install(prefix.path(), &output), qPrintable(output));
        QCOMPARE(settingsOf(folder)->value(u"Kalima"_s), u"الرحمن"_s);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
