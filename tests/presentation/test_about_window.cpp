// The about window: its rise out of the main window's top edge, its slide, and its close.
#include <QLabel>
#include <QPointer>

#include "BY1.h"
#include "MainWindowFixture.h"
#include "Twips.h"

using namespace Qt::StringLiterals;

namespace {

// Runs `step` while `timer` is armed; the number of steps run.
template <typename Step>
int stepsWhileArmed(const QTimer& timer, Step step) {
    int steps = 0;
    for (; timer.isActive() && steps < 1000; ++steps)
        step();
    return steps;
}

// A window that opens the about window, its top 3000 and its left 510 twips from the screen's.
struct Opener {
    Opener() {
        window.move(34, 200);
        window.show();
    }
    QWidget window;
};

}  // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

  private slots:
    void risesThenSlidesDown() {
        Opener opener;
        QPointer<BY1> about = new BY1(&opener.window);
        QCOMPARE(about->Height(), 90);
        QCOMPARE(about->Top(), 3000);
        QCOMPARE(about->Left(), 3910);
        QCOMPARE(about->geometry(), QRect(261, 200, 500, 6));
        QVERIFY(about->Timer1.isActive());
        QCOMPARE(about->Timer1.interval(), 16);  // one step a frame

        about->Timer1_Timer();
        QCOMPARE(about->Height(), 200);
        QCOMPARE(about->Top(), 2800);
        QCOMPARE(1 + stepsWhileArmed(about->Timer1, [&] { about->Timer1_Timer(); }), 50);
        QCOMPARE(about->Height(), 5100);
        QCOMPARE(about->Top(), -2100);
        QCOMPARE(about->stepValue(), 5100);
        QVERIFY(about->Timer2.isActive());
        QCOMPARE(about->Timer2.interval(), 16);

        QCOMPARE(stepsWhileArmed(about->Timer2, [&] { about->Timer2_Timer(); }), 72);
        QCOMPARE(about->Top(), 5000);
        QCOMPARE(about->Left(), 3910);
        QCOMPARE(about->Height(), 5100);
        QCOMPARE(about->geometry(), QRect(261, twipsToPixels(5000), 500, 340));
        delete about;
    }

    void animatesByItsOwnTimers() {
        Opener opener;
        QPointer<BY1> about = new BY1(&opener.window);
        about->show();
        QVERIFY(QTest::qWaitFor(
            [&] { return !about->Timer1.isActive() && !about->Timer2.isActive(); }, 20000));
        QCOMPARE(about->Top(), 5000);
        QCOMPARE(about->stepValue(), -2100);
        about->close();
    }

    void closesOnAClickOrAnyKey_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("click on the picture") << u"picture"_s;
        QTest::newRow("click on the window") << u"window"_s;
        QTest::newRow("letter") << u"A"_s;
        QTest::newRow("Escape") << u"Escape"_s;
        QTest::newRow("Return") << u"Return"_s;
        QTest::newRow("F5") << u"F5"_s;
    }
    void closesOnAClickOrAnyKey() {
        QFETCH(QString, input);
        Opener opener;
        QPointer<BY1> about = new BY1(&opener.window);
        about->show();
        QCOMPARE(about->focusWidget(), about->Picture1);
        QVERIFY(QTest::qWaitFor([&] { return about->stepValue() > 500; }));
        QVERIFY(about->Timer1.isActive());

        const std::pair<QString, Qt::Key> keys[] = {{u"A"_s, Qt::Key_A},
                                                    {u"Escape"_s, Qt::Key_Escape},
                                                    {u"Return"_s, Qt::Key_Return},
                                                    {u"F5"_s, Qt::Key_F5}};
        if (input == u"picture")
            QTest::mouseClick(about->Picture1, Qt::LeftButton, {}, QPoint(2, 2));
        else if (input == u"window")
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(2, 2));
        for (const auto& [name, key] : keys) {
            if (input == name)
                QTest::keyClick(about->Picture1, key);
        }
        QVERIFY(!about->isVisible());
        QVERIFY(!about->Timer1.isActive() && !about->Timer2.isActive());
        QVERIFY(QTest::qWaitFor([&] { return about.isNull(); }));
    }

    void aboutItemOpensItModallyAndAfresh() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        control<QAction>(w, u"Command3"_s)->trigger();
        QPointer<BY1> first = w.findChild<BY1*>();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowModality(), Qt::ApplicationModal);
        QCOMPARE(first->Top(), pixelsToTwips(w.pos().y()));
        QVERIFY(QTest::qWaitFor([&] { return first->stepValue() > 1000; }));

        QTest::mouseClick(first->Picture1, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return first.isNull(); }));
        control<QAction>(w, u"Command3"_s)->trigger();
        BY1* second = w.findChild<BY1*>();
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->Height(), 90);
        QCOMPARE(second->stepValue(), 100);
        second->close();
    }
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
