// The two installs a user meets: `cmake --install` into a prefix of their own, and the Debian
// package unpacked into a root. Each is started through its starter as the desktop does, by a
// new user, and keeps that user's settings over a restart and a second install.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "SettingsRow.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

namespace {

const QString kWord = u"الرحمن"_s;

bool run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(QStringLiteral(ZEPHYRANE_BUILD_DIR));
    process.start(program, arguments);
    const bool finished = process.waitForFinished(300000);
    *output = program + u": "_s + QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Installs the build under `root`, again and again as an upgrade would: with CMake, or by
// unpacking the Debian package, built once.
class Installer {
  public:
    explicit Installer(bool package) : package_(package) {}

    // The prefix the tree lies under, empty on failure; `output` says why, or for the package
    // gives its dependencies.
    QString install(const QString& root, QString* output) {
        if (!package_) {
            const QStringList arguments{u"--install"_s, QStringLiteral(ZEPHYRANE_BUILD_DIR),
                                        u"--prefix"_s, root};
            return run(QStringLiteral(ZEPHYRANE_CMAKE), arguments, output) ? root : QString();
        }
        if (deb_.isEmpty() && !buildPackage(output))
            return {};
        return run(u"dpkg-deb"_s, {u"-x"_s, deb_, root}, output) &&
                       run(u"dpkg-deb"_s, {u"-f"_s, deb_, u"Depends"_s}, output)
                   ? root + u"/usr"_s
                   : QString();
    }

  private:
    bool buildPackage(QString* output) {
        if (!run(QStringLiteral(ZEPHYRANE_CPACK), {u"-G"_s, u"DEB"_s, u"-B"_s, packages_.path()},
                 output))
            return false;
        const QStringList debs = QDir(packages_.path()).entryList({u"*.deb"_s});
        if (debs.size() == 1)
            deb_ = packages_.filePath(debs[0]);
        return !deb_.isEmpty();
    }

    bool package_;
    QTemporaryDir packages_;
    QString deb_;
};

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

std::unique_ptr<SettingsRow> settingsOf(const QString& runtimeFolder) {
    QString why;
    auto row = std::make_unique<SettingsRow>(SqliteDatabase::open(
        runtimeFolder + u"/Data/Quran.MDB"_s, SqliteDatabase::Mode::ReadWrite, &why));
    return row->load(&why) ? std::move(row) : nullptr;
}

// What the desktop does with the entry's Exec line: finds the program on the PATH the install
// adds, and starts it for the user whose home is `home`. True when it runs past the splash.
bool startsAsTheDesktopDoes(const QString& exec, const QString& binFolder, const QString& home,
                            QString* why) {
    const QString starter = QStandardPaths::findExecutable(exec, {binFolder});
    QDir(home).mkpath(u"runtime"_s);
    QFile(home + u"/runtime"_s)
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_DATA_HOME"_s);
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, home + u"/runtime"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home);
    program.start(starter, {});
    const bool running = !program.waitForFinished(4000);
    program.kill();
    program.waitForFinished();
    *why = starter + u": "_s + QString::fromLocal8Bit(program.readAll()) +
           QString::fromLocal8Bit(program.readAllStandardError());
    return running && !why->contains(u"cannot start"_s);
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

  private slots:
    void startsThroughItsStarterAndKeepsSettings_data() {
        QTest::addColumn<bool>("package");
        QTest::newRow("per-user install") << false;
        QTest::newRow("Debian package") << true;
    }
    void startsThroughItsStarterAndKeepsSettings() {
        QFETCH(bool, package);
        Installer installer(package);
        QTemporaryDir root;
        QString output;
        const QString prefix = installer.install(root.path(), &output);
        QVERIFY2(!prefix.isEmpty(), qPrintable(output));
        if (package) {
            for (const QString& dependency : {u"libqt6widgets6"_s, u"libqt6multimedia6"_s,
                                              u"libsqlite3-0"_s, u"fonts-hosny-amiri"_s})
                QVERIFY2(output.contains(dependency), qPrintable(output));
        }

        const QString folder = prefix + u"/lib/zephyrane"_s;
        for (const QString& file :
             {u"lib/zephyrane/zephyrane"_s, u"lib/zephyrane/Data/6.HTA"_s,
              u"lib/zephyrane/Data/Quran.MDB"_s, u"lib/zephyrane/Data/AWAR.MDB"_s,
              u"lib/zephyrane/Data/Tanzil-notices.txt"_s, u"lib/zephyrane/Wave.Wav"_s,
              u"lib/zephyrane/zephyrane.html"_s, u"share/doc/zephyrane/LICENSE"_s,
              u"share/metainfo/org.example.zephyrane.metainfo.xml"_s,
              u"share/icons/hicolor/scalable/apps/zephyrane.svg"_s,
              u"share/icons/hicolor/48x48/apps/zephyrane.png"_s})
            QVERIFY2(QFileInfo::exists(prefix + u'/' + file), qPrintable(file));
        // The texts' notices travel with the data and show on the program's page.
        QFile page(folder + u"/zephyrane.html"_s);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray pageText = page.readAll();
        for (const char* notice : {"PLEASE DO NOT REMOVE OR CHANGE THIS COPYRIGHT BLOCK",
                                   "Tanzil Quran Text (Simple Clean)", "ID: ku.asan"})
            QVERIFY2(pageText.contains(notice), notice);

        const std::map<QString, QString> entry =
            desktopEntry(prefix + u"/share/applications/zephyrane.desktop"_s);
        QCOMPARE(entry.at(u"Type"_s), u"Application"_s);
        QCOMPARE(entry.at(u"Icon"_s), u"zephyrane"_s);  // by name, from the icon theme
        QVERIFY(!entry.at(u"Name[ar]"_s).isEmpty());
        QVERIFY(!entry.at(u"Name[ckb]"_s).isEmpty());

        // A new user: the first start makes their own folder with their own settings.
        QTemporaryDir home;
        QString why;
        QVERIFY2(startsAsTheDesktopDoes(entry.at(u"Exec"_s), prefix + u"/bin"_s, home.path(), &why),
                 qPrintable(why));
        const QString own = home.filePath(u".local/share/zephyrane"_s);
        QVERIFY(!QFileInfo(own + u"/Data/Quran.MDB"_s).isSymLink());
        QCOMPARE(QFileInfo(own + u"/Data/AWAR.MDB"_s).symLinkTarget(),
                 QFileInfo(folder + u"/Data/AWAR.MDB"_s).canonicalFilePath());
        QVERIFY(settingsOf(own)->write(u"Kalima"_s, kWord));

        // The setting stays over a second install (an upgrade) and the next start, and the
        // installed factory file stays as it was.
        QVERIFY2(!installer.install(root.path(), &output).isEmpty(), qPrintable(output));
        QVERIFY2(startsAsTheDesktopDoes(entry.at(u"Exec"_s), prefix + u"/bin"_s, home.path(), &why),
                 qPrintable(why));
        QCOMPARE(settingsOf(own)->value(u"Kalima"_s), kWord);
        QVERIFY(settingsOf(folder)->value(u"Kalima"_s) != kWord);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
