// Settings survive what the user cannot control: a settings file that refuses writes, and a
// program killed in the middle of a burst of changes.
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <cstdio>

#include "CaptionSets.h"
#include "MainWindowFixture.h"
#include "PaneStyleRules.h"
#include "StorageNotice.h"
#include "SurahBox.h"

using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<SqliteDatabase> openSettings(const QString& folder) {
    QString why;
    return SqliteDatabase::open(folder + u"/Data/Quran.MDB"_s, SqliteDatabase::Mode::ReadWrite,
                                &why);
}

// What the burst child reported: per field the last value it finished writing, and the one
// it had started writing when it was killed.
struct BurstReport {
    std::map<QString, QString> written;
    QString inFlightField;
    QString inFlightValue;
    int changes = 0;
    bool pending = false;

    void take(const QByteArray& line) {
        const QStringList parts = QString::fromUtf8(line).split(u'\t');
        if (parts.value(0) == u"set"_s) {
            inFlightField = parts.value(1);
            inFlightValue = parts.value(2);
        } else if (parts.value(0) == u"ok"_s) {
            written[inFlightField] = inFlightValue;
            inFlightField.clear();
            ++changes;
        } else if (parts.value(0) == u"pending"_s) {
            pending = true;
        }
    }
};

}  // namespace

class TestSettingsDurability : public QObject {
    Q_OBJECT

  private slots:
    // Another program holding the file's write lock stands for a read-only file (tests run
    // as root, whom permissions do not stop).
    void refusedWritesAreKeptTheUserToldOnceThenSaved() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}, {u"AiaNo"_s, u"20"_s}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        auto* notice = w.findChild<StorageNotice*>();
        QVERIFY(notice);
        QVERIFY(!notice->message());

        std::shared_ptr<SqliteDatabase> blocker = openSettings(fx.dir.path());
        QVERIFY(blocker->execute(u"BEGIN IMMEDIATE"));
        control<QComboBox>(w, u"Combo6"_s)
            ->setCurrentIndex(control<QComboBox>(w, u"Combo6"_s)->findText(u"30"_s));
        QPointer<QMessageBox> message = notice->message();
        QVERIFY(message);
        QVERIFY(message->isVisible());
        QVERIFY(!message->isModal());
        QVERIFY(message->text().contains(u"settings cannot be saved"_s));
        const bool bold = !control<QCheckBox>(w, u"Check0"_s)->isChecked();
        control<QCheckBox>(w, u"Check0"_s)->click();
        control<QAction>(w, u"Ku"_s)->trigger();
        QCOMPARE(w.findChildren<QMessageBox*>().size(), 1);
        // The window goes on with the new values.
        QCOMPARE(control<QComboBox>(w, u"Combo6"_s)->currentText(), u"30"_s);
        QCOMPARE(w.Text2(), storedName(UiLanguage::Kurdish));

        QVERIFY(blocker->execute(u"ROLLBACK"));
        QTRY_VERIFY_WITH_TIMEOUT(!message, 10000);
        QCOMPARE(fx.storedValue(u"AiaNo"_s), u"30"_s);
        QCOMPARE(fx.storedValue(u"NO4"_s), PaneStyleRules::flagFor(bold));
        QCOMPARE(fx.storedValue(u"Lang"_s), storedName(UiLanguage::Kurdish));
    }

    // The surah position store that cannot be written is told and retried like the row.
    void refusedSurahPositionIsToldThenSaved() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        QVERIFY(w.sources.store->save());
        const QString store = SettingsStore::fileName();
        QVERIFY(QFile::remove(store));
        QVERIFY(QDir().mkpath(store));  // a folder where the file belongs: no one can write it
        const auto unblock = qScopeGuard([&] { QDir().rmdir(store); });
        control<QPushButton>(w, u"Command2"_s)->click();
        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(5);
        const QList<StorageNotice*> notices = w.findChildren<StorageNotice*>();
        QCOMPARE(notices.size(), 2);
        QTRY_VERIFY(notices[1]->message());
        QPointer<QMessageBox> message = notices[1]->message();
        QVERIFY2(message->text().contains(store), qPrintable(message->text()));
        QVERIFY(QDir().rmdir(store));
        QTRY_VERIFY_WITH_TIMEOUT(!message, 10000);
        QCOMPARE(QSettings(store, QSettings::IniFormat).value(u"Settings/Quran1"_s).toString(),
                 u"5"_s);
    }

    // A surah chosen right before the window is closed is there at the next start.
    void surahChosenRightBeforeCloseIsKept() {
        QTemporaryDir dir;
        MainWindowFixture::copyRuntimeData(dir.path());
        SettingsStore surahStore;
        surahStore.write(SettingsStore::kSurahPositionKey, u"0"_s);
        QVERIFY(surahStore.save());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--choose-and-close"_s, dir.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QSettings(SettingsStore::fileName(), QSettings::IniFormat)
                     .value(u"Settings/Quran1"_s)
                     .toString(),
                 u"17"_s);
    }

    void noticeSpeaksTheInterfaceLanguage_data() {
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("Arabic") << UiLanguage::Arabic << u"لا يمكن حفظ"_s << Qt::RightToLeft;
        QTest::newRow("Kurdish") << UiLanguage::Kurdish << u"ئێستا ناتوانرێت"_s << Qt::RightToLeft;
        QTest::newRow("English") << UiLanguage::English << u"Your settings"_s << Qt::LeftToRight;
    }
    void noticeSpeaksTheInterfaceLanguage() {
        QFETCH(UiLanguage, language);
        QFETCH(QString, opening);
        QFETCH(Qt::LayoutDirection, direction);
        MainWindowFixture fx(Stored{{u"Lang"_s, storedName(language)}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        std::shared_ptr<SqliteDatabase> blocker = openSettings(fx.dir.path());
        QVERIFY(blocker->execute(u"BEGIN IMMEDIATE"));
        control<QCheckBox>(w, u"Check0"_s)->click();
        QMessageBox* message = w.findChild<StorageNotice*>()->message();
        QVERIFY(message);
        QVERIFY2(message->text().startsWith(opening), qPrintable(message->text()));
        QCOMPARE(message->layoutDirection(), direction);
        QVERIFY(blocker->execute(u"ROLLBACK"));
    }

    void killedDuringABurstOfChangesKeepsTheLastValues() {
        QTemporaryDir dir;
        MainWindowFixture::copyRuntimeData(dir.path());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--burst"_s, dir.path()});
        QVERIFY(child.waitForStarted());

        BurstReport report;
        auto readLines = [&] {
            while (child.canReadLine())
                report.take(child.readLine().chopped(1));
        };
        const bool enough = QTest::qWaitFor(
            [&] {
                child.waitForReadyRead(100);
                readLines();
                return report.changes >= 300 || child.state() == QProcess::NotRunning;
            },
            60000);
        QVERIFY(enough);
        QCOMPARE(child.state(), QProcess::Running);
        child.kill();  // SIGKILL: no handler runs
        QVERIFY(child.waitForFinished(15000));
        readLines();  // a cut last line stays unread
        QVERIFY(!report.pending);
        QCOMPARE(report.written.size(), size_t(4));

        // A new start reads the last values, or the one being written at the kill.
        QObject owner;
        Quran1Sources sources;
        QVERIFY(!openQuran1Sources(dir.path(), MainWindowFixture::lists(), &owner, sources));
        for (const auto& [field, value] : report.written) {
            const QString stored = sources.Data2->value(field);
            if (field == report.inFlightField && stored == report.inFlightValue)
                continue;
            QCOMPARE(stored, value);
        }
        Quran1 w(sources);
        w.show();
        QVERIFY(MainWindowFixture::settle(w));
        QTRY_VERIFY(!control<QTimer>(w, u"Timer2"_s)->isActive());
        QCOMPARE(control<QComboBox>(w, u"Combo6"_s)->currentText(),
                 sources.Data2->value(u"AiaNo"_s));
        QCOMPARE(control<QComboBox>(w, u"Combo2"_s)->currentText(), sources.Data2->value(u"Aia"_s));
        QCOMPARE(control<QCheckBox>(w, u"Check0"_s)->isChecked(),
                 PaneStyleRules::flagSaysBold(sources.Data2->value(u"NO4"_s)));
        QCOMPARE(languageStoredAs(w.Text2()).has_value(), true);
        QCOMPARE(control<QAction>(w, u"Ar"_s)->isChecked(),
                 w.Text2() == storedName(UiLanguage::Arabic));
        QCOMPARE(control<QAction>(w, u"Ku"_s)->isChecked(),
                 w.Text2() == storedName(UiLanguage::Kurdish));
    }
};

namespace {

void report(const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// A child process's main window over the runtime copy in `folder`, settled.
struct ChildWindow {
    explicit ChildWindow(const char* folder) {
        QStandardPaths::setTestModeEnabled(true);
        if (auto failure = openQuran1Sources(QString::fromLocal8Bit(folder),
                                             MainWindowFixture::lists(), &owner, sources))
            qFatal("%s", qPrintable(*failure));
        window = std::make_unique<Quran1>(sources);
        window->show();
        MainWindowFixture::settle(*window);
    }

    QObject owner;
    Quran1Sources sources;
    std::unique_ptr<Quran1> window;
};

// Child process for the kill test: changes sizes, bold flags, languages and fonts as fast as
// it can, announcing each change before it and confirming it once written.
int burstChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ChildWindow child(argv[2]);
    Quran1& w = *child.window;
    const Quran1Sources& sources = child.sources;

    const std::pair<QAction*, UiLanguage> languages[] = {
        {control<QAction>(w, u"Ar"_s), UiLanguage::Arabic},
        {control<QAction>(w, u"Ku"_s), UiLanguage::Kurdish},
        {control<QAction>(w, u"En"_s), UiLanguage::English}};
    const QStringList fonts = {u"Arial"_s, u"Tahoma"_s, u"Andalus"_s};
    for (int step = 0; step < 100000; ++step) {
        const int round = step / 4;
        switch (step % 4) {
            case 0: {
                const int next = (control<QComboBox>(w, u"Combo6"_s)->currentIndex() + 1) %
                                 control<QComboBox>(w, u"Combo6"_s)->count();
                report(u"set\tAiaNo\t"_s + control<QComboBox>(w, u"Combo6"_s)->itemText(next));
                control<QComboBox>(w, u"Combo6"_s)->setCurrentIndex(next);
                break;
            }
            case 1:
                report(u"set\tNO4\t"_s +
                       PaneStyleRules::flagFor(!control<QCheckBox>(w, u"Check0"_s)->isChecked()));
                control<QCheckBox>(w, u"Check0"_s)->click();
                break;
            case 2: {
                const auto& [action, language] = languages[round % 3];
                report(u"set\tLang\t"_s + storedName(language));
                action->trigger();
                break;
            }
            default:
                report(u"set\tAia\t"_s + fonts[round % 3]);
                control<QComboBox>(w, u"Combo2"_s)->setEditText(fonts[round % 3]);
        }
        report(sources.Data2->hasPendingWrites() ? u"pending"_s : u"ok"_s);
        QCoreApplication::processEvents();
    }
    return 0;
}

// Child process for the close test: chooses a surah and closes the window at once.
int chooseAndCloseChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ChildWindow child(argv[2]);
    Quran1& w = *child.window;
    control<QPushButton>(w, u"Command2"_s)->click();
    control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(17);
    w.close();
    return 2;  // the close ends the program before this
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--burst") == 0)
        return burstChild(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--choose-and-close") == 0)
        return chooseAndCloseChild(argc, argv);
    QApplication app(argc, argv);
    TestSettingsDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_durability.moc"
