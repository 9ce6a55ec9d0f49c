// Typing real words letter by letter into the real search box, in the verses exactly and with
// tolerant matching and in each explanation, and choosing each surah:
// time from the keystroke (or choice) until the panes and the grid have painted the result,
// against a repaint of the whole window as the baseline.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <string_view>
#include <vector>

#include "MainWindowFixture.h"
#include "RecordGrid.h"
#include "SurahBox.h"

using namespace Qt::StringLiterals;

namespace {

// Counts paints of the widgets a user watches, and stamps the end of each frame that painted
// one of them: the result is on screen then, whatever the loop runs after it in the same pass
// (the search word's disk sync) belongs to the pause before the next key.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(const QList<QWidget*>& widgets) {
        for (QWidget* widget : widgets)
            widget->installEventFilter(this);
        clock.start();
    }
    int paints = 0;
    int frames = 0;
    qint64 lastFrameNs = 0;
    QElapsedTimer clock;

    void frameEnded() {
        ++frames;
        lastFrameNs = clock.nsecsElapsed();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Hands the end of each window's frame (its update request) to the watch.
class FrameClockApplication : public QApplication {
  public:
    using QApplication::QApplication;
    PaintWatch* watch = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        if (watch == nullptr || event->type() != QEvent::UpdateRequest)
            return QApplication::notify(receiver, event);
        const int before = watch->paints;
        const bool handled = QApplication::notify(receiver, event);
        if (watch->paints > before)
            watch->frameEnded();
        return handled;
    }
};

// Runs the event loop as the program's own loop does, sleeping until something happens,
// until `done` holds or `guard` has run out.
template <typename Done>
void runUntil(const QTimer& guard, Done done) {
    while (!done() && guard.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Runs the event loop until something is painted.
void runUntilPainted(const QTimer& guard, const PaintWatch& watch) {
    const int before = watch.paints;
    runUntil(guard, [&] { return watch.paints > before; });
}

struct Summary {
    double median = 0;
    double p99 = 0;
};

Summary summarize(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto p99 = size_t(double(ms.size() - 1) * 0.99 + 0.5);
    return {ms[ms.size() / 2], ms[p99]};
}

// The process's resident memory.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

QString format(double ms) {
    return QString::number(ms, 'f', 3);
}

// Each keystroke's time until the frame showing its result has ended, and until the loop has
// run everything the keystroke left for after that frame.
struct Keystrokes {
    std::vector<double> toFrame;
    std::vector<double> toPassEnd;
};

// Types each word letter by letter into the emptied search box, `rounds` times.
Keystrokes typeWords(Quran1& w, QTimer& guard, const PaintWatch& watch, const QStringList& words,
                     int rounds) {
    Keystrokes keystrokes;
    QLineEdit* box = control<QLineEdit>(w, QStringLiteral("Text"));
    for (int round = 0; round < rounds; ++round) {
        for (const QString& word : words) {
            box->clear();
            guard.start();
            runUntilPainted(guard, watch);
            for (QChar letter : word) {
                guard.start();
                const int framesBefore = watch.frames;
                const qint64 pressedNs = watch.clock.nsecsElapsed();
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter),
                                    Qt::NoModifier);
                runUntil(guard, [&] { return watch.frames > framesBefore; });
                keystrokes.toFrame.push_back(double(watch.lastFrameNs - pressedNs) / 1e6);
                keystrokes.toPassEnd.push_back(double(watch.clock.nsecsElapsed() - pressedNs) /
                                               1e6);
            }
        }
    }
    return keystrokes;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    FrameClockApplication app(argc, argv);
    QTextStream out(stdout);
    MainWindowFixture fx(Stored{{QStringLiteral("Kalima"), QString()}});
    Quran1& w = *fx.window;
    fx.settle();
    PaintWatch watch({control<QPlainTextEdit>(w, u"Text4"_s)->viewport(),
                      control<RecordGrid>(w, u"DBGrid1"_s)->viewport(),
                      control<RecordGrid>(w, u"DBGrid2"_s)->viewport()});
    app.watch = &watch;
    // Wakes a loop waiting for a paint that never comes; restarted before each clock starts.
    QTimer guard;
    guard.setSingleShot(true);
    guard.setInterval(2000);

    const QStringList words = {QStringLiteral("الرحمن"), QStringLiteral("والذين"),
                               QStringLiteral("قالوا"),  QStringLiteral("السماوات"),
                               QStringLiteral("يؤمنون"), QStringLiteral("ا"),
                               QStringLiteral("و"),      QStringLiteral("ربنا"),
                               QStringLiteral("الله"),   QStringLiteral("فاستقم")};
    const Keystrokes exact = typeWords(w, guard, watch, words, 5);
    const std::vector<double>& keystrokes = exact.toFrame;

    // The same while another program holds the settings file's write lock: every keystroke
    // writes the search word to the settings row, which must not wait for the lock.
    QString why;
    const std::unique_ptr<SqliteDatabase> blocker = SqliteDatabase::open(
        fx.dir.filePath(QStringLiteral("Data/Quran.MDB")), SqliteDatabase::Mode::ReadWrite, &why);
    if (!blocker || !blocker->execute(u"BEGIN IMMEDIATE"))
        qFatal("cannot hold the settings file's lock: %s", qPrintable(why));
    const std::vector<double> lockedKeystrokes = typeWords(w, guard, watch, words, 2).toFrame;
    blocker->execute(u"ROLLBACK");

    const auto menuItem = [&](const char* name) {
        return w.findChild<QAction*>(QString::fromLatin1(name));
    };
    // The same words with letter forms and vowels ignored, then one- and five-letter words in
    // each explanation. Each mode's first search, which reads what it searches, is timed apart.
    struct Mode {
        const char* name;
        const char* searchIn;
        QStringList words;
    };
    const Mode modes[] = {
        {"tolerant", "SearchVerses", words},
        {"arabic", "SearchArabic", {QStringLiteral("ا"), QStringLiteral("الناس")}},
        {"kurdish", "SearchKurdish", {QStringLiteral("خ"), QStringLiteral("پێغەم")}},
        {"english",
         "SearchEnglish",
         {QStringLiteral("a"), QStringLiteral("the"), QStringLiteral("mercy")}},
    };
    std::vector<std::pair<const char*, Summary>> modeSummaries;
    std::vector<std::pair<const char*, double>> firstSearches;
    const double memoryBefore = residentMegabytes();
    for (const Mode& mode : modes) {
        // The first search in a mode reads what it searches, with the box's last word.
        QElapsedTimer firstSearch;
        firstSearch.start();
        if (QAction* tolerant = menuItem("TolerantSearch");
            tolerant->isChecked() != (std::string_view(mode.name) == "tolerant"))
            tolerant->trigger();
        menuItem(mode.searchIn)->trigger();
        control<QLineEdit>(w, u"Text"_s)->setText(mode.words.front());
        firstSearches.emplace_back(mode.name, double(firstSearch.nsecsElapsed()) / 1e6);
        modeSummaries.emplace_back(mode.name,
                                   summarize(typeWords(w, guard, watch, mode.words, 5).toFrame));
    }
    menuItem("SearchVerses")->trigger();
    // What the folded column and the three word-start indexes hold, read off the process.
    const double searchDataMegabytes = residentMegabytes() - memoryBefore;

    // A surah is shown when the panes are painted after the deferred refresh has filled them;
    // the grid alone is painted before that.
    int paintsWhenFilled = -1;
    QElapsedTimer sinceChoice;
    qint64 filledAtNs = 0;
    QObject::connect(control<QTimer>(w, u"Timer6"_s), &QTimer::timeout, &app, [&] {
        paintsWhenFilled = watch.paints;
        filledAtNs = sinceChoice.nsecsElapsed();
    });
    const auto shown = [&] { return paintsWhenFilled >= 0 && watch.paints > paintsWhenFilled; };
    control<QPushButton>(w, u"Command2"_s)->click();
    guard.start();
    runUntil(guard, shown);
    std::vector<double> surahs, untilFilled, fillToPainted;
    for (int round = 0; round < 3; ++round) {
        SurahBox* surahBox = control<SurahBox>(w, u"Combo1"_s);
        for (int surah = 0; surah < surahBox->count(); ++surah) {
            paintsWhenFilled = -1;
            guard.start();
            sinceChoice.start();
            surahBox->setCurrentIndex(surah);
            runUntil(guard, shown);
            const qint64 shownAtNs = sinceChoice.nsecsElapsed();
            surahs.push_back(double(shownAtNs) / 1e6);
            untilFilled.push_back(double(filledAtNs) / 1e6);
            fillToPainted.push_back(double(shownAtNs - filledAtNs) / 1e6);
        }
    }

    // Baseline from the same run: the whole window painted again with nothing changed.
    std::vector<double> repaints;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        w.repaint();
        repaints.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    const Summary typed = summarize(keystrokes);
    const Summary chosen = summarize(surahs);
    const double baseline = summarize(repaints).median;
    out << "keystrokes=" << keystrokes.size() << " surah_choices=" << surahs.size() << '\n';
    // A surah choice in two parts: until the deferred refresh has filled the panes, then
    // until they are painted.
    out << "surah_until_filled_median_ms=" << format(summarize(untilFilled).median)
        << " surah_fill_to_painted_median_ms=" << format(summarize(fillToPainted).median) << '\n';
    out << "search_modes_extra_resident_mb=" << QString::number(searchDataMegabytes, 'f', 1)
        << '\n';
    for (const auto& [name, summary] : modeSummaries) {
        out << name << "_keystroke_median_ms=" << format(summary.median) << ' ' << name
            << "_keystroke_p99_ms=" << format(summary.p99) << ' ' << name
            << "_to_exact_ratio=" << format(summary.median / typed.median) << '\n';
    }
    for (const auto& [name, ms] : firstSearches)
        out << name << "_first_search_ms=" << format(ms) << ' ';
    out << '\n';
    out << "baseline_repaint_median_ms=" << format(baseline)
        << " keystroke_ratio=" << format(typed.median / baseline)
        << " surah_ratio=" << format(chosen.median / baseline) << '\n';
    const Summary locked = summarize(lockedKeystrokes);
    out << "locked_keystrokes=" << lockedKeystrokes.size()
        << " locked_keystroke_median_ms=" << format(locked.median)
        << " locked_keystroke_p99_ms=" << format(locked.p99)
        << " locked_keystroke_ratio=" << format(locked.median / baseline) << '\n';
    // With the search word's disk sync that follows the frame.
    const Summary passes = summarize(exact.toPassEnd);
    out << "keystroke_to_pass_end_median_ms=" << format(passes.median)
        << " keystroke_to_pass_end_p99_ms=" << format(passes.p99) << '\n';
    out << "keystroke_median_ms=" << format(typed.median)
        << " keystroke_p99_ms=" << format(typed.p99) << " surah_median_ms=" << format(chosen.median)
        << " surah_p99_ms=" << format(chosen.p99) << '\n';
    return 0;
}
