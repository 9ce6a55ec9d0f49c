// A copy of the whole corpus with all three explanations through the real windows: how many
// ticks it takes, the wall time, the longest gap between ticks (the windows' responsiveness),
// the time from the start of the last step until the copy window has painted its text, the
// cost of a size and an alignment change at the top of the text and inside its longest
// paragraph (a paragraph is laid out whole), and the peak memory.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextStream>

#include "../tests/mainwindow/MainWindowFixture.h"
#include "Copy1.h"
#include "FontSubstitutions.h"
#include "SurahBox.h"
#include "SurahCatalogue.h"
#include "Surat1.h"

namespace {

// Counts the ticks of a timer and notes when the latest one began.
class TickWatch : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer) {
            ++ticks;
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, now - lastTick);
            lastTick = now;
        }
        return QObject::eventFilter(watched, event);
    }
    QElapsedTimer clock;
    qint64 ticks = 0;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
};

// Leaves `loop` once the watched widget has painted: the paint runs to its end first.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);
        return QObject::eventFilter(watched, event);
    }

  private:
    QEventLoop& loop_;
};

double ms(qint64 ns) {
    return double(ns) / 1e6;
}

// Runs the event loop from `change` until `widget` has painted again.
qint64 repaintTime(QWidget* widget, const std::function<void()>& change) {
    QEventLoop loop;
    PaintWatch watch(loop);
    widget->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    change();
    loop.exec();
    widget->removeEventFilter(&watch);
    return timer.nsecsElapsed();
}

// The longest paragraph of `document`.
QTextBlock longestBlock(const QTextDocument* document) {
    QTextBlock longest = document->begin();
    for (QTextBlock block = longest; block.isValid(); block = block.next()) {
        if (block.length() > longest.length())
            longest = block;
    }
    return longest;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    QTextStream out(stdout);

    MainWindowFixture fx;
    Quran1& w = *fx.window;
    if (!fx.settle())
        return 1;
    w.Command2_Click();
    control<SurahBox>(w, QStringLiteral("Combo1"))->setCurrentIndex(0);
    w.Command14_Click();
    Surat1* surat = w.surat1();
    if (!QTest::qWaitFor([&] { return !surat->Timer1.isActive(); }))
        return 1;
    surat->Combo3->setCurrentIndex(SurahCatalogue::kSurahCount - 1);
    surat->Combo4->setCurrentIndex(surat->Combo4->count() - 1);
    surat->Check1->setCheckState(Qt::Checked);
    if (!fx.settle())
        return 1;

    // The copy window appears in the last step; the loop ends once it has painted.
    TickWatch ticks;
    surat->Timer2.installEventFilter(&ticks);
    QEventLoop untilPainted;
    PaintWatch painted(untilPainted);
    Copy1* copy = nullptr;
    QObject::connect(&surat->Timer2, &QTimer::timeout, &untilPainted, [&] {
        if (!copy && (copy = surat->findChild<Copy1*>()))
            copy->Text1->viewport()->installEventFilter(&painted);
    });
    QElapsedTimer wall;
    wall.start();
    ticks.clock.start();
    surat->Command4->click();
    untilPainted.exec();
    const qint64 paintedAt = ticks.clock.nsecsElapsed();
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const qsizetype characters = copy->Text1->document()->characterCount();

    QWidget* viewport = copy->Text1->viewport();
    const qint64 sizeNs = repaintTime(viewport, [&] { copy->Combo1->setCurrentIndex(10); });
    const qint64 alignNs = repaintTime(viewport, [&] { copy->HScroll1->setValue(2); });
    const QTextBlock longest = longestBlock(copy->Text1->document());
    const qint64 scrollNs = repaintTime(viewport, [&] {
        QTextCursor middle(longest);
        middle.setPosition(longest.position() + longest.length() / 2);
        copy->Text1->setTextCursor(middle);
    });
    const qint64 sizeThereNs = repaintTime(viewport, [&] { copy->Combo1->setCurrentIndex(5); });
    const qint64 alignThereNs = repaintTime(viewport, [&] { copy->HScroll1->setValue(1); });

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "characters=" << characters << " longest_tick_gap_ms=" << ms(ticks.longestGap)
        << " size_change_ms=" << ms(sizeNs) << " alignment_change_ms=" << ms(alignNs) << '\n';
    out << "longest_paragraph_chars=" << longest.length() << " scroll_to_it_ms=" << ms(scrollNs)
        << " size_change_there_ms=" << ms(sizeThereNs)
        << " alignment_change_there_ms=" << ms(alignThereNs) << '\n';
    out << "ticks=" << ticks.ticks << " wall_s=" << wallSeconds
        << " show_ms=" << ms(paintedAt - ticks.lastTick)
        << " peak_mb=" << double(usage.ru_maxrss) / 1024.0 << '\n';
    return 0;
}
