#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include "SecondInstance.h"
#include "SingleInstanceLock.h"
#include "Start1.h"

using namespace Qt::StringLiterals;

namespace {

int handOverCount = 0;
const VerseLists* handedOverLists = nullptr;

// The offscreen platform cannot make windows translucent and says so at every fade step.
class OpacityWarningsMuted {
  public:
    OpacityWarningsMuted() { previous_ = qInstallMessageHandler(&handle); }
    ~OpacityWarningsMuted() { qInstallMessageHandler(previous_); }
    OpacityWarningsMuted(const OpacityWarningsMuted&) = delete;
    OpacityWarningsMuted& operator=(const OpacityWarningsMuted&) = delete;

  private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text != "This plugin does not support setting window opacity"_L1)
            previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

}  // namespace

// The hand-over target: records the call instead of opening the main window.
void recordHandOver(const VerseLists& verseLists) {
    ++handOverCount;
    handedOverLists = &verseLists;
}

class TestStart1 : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir lockDir_;
    QString lockFile() const { return lockDir_.filePath(u"zephyrane.lock"_s); }
    static int alpha(const Start1& start) { return qRound(start.windowOpacity() * 255); }
    static bool listsEmpty(const VerseLists& lists) {
        return lists.List1.isEmpty() && lists.List2.isEmpty() && lists.List3.isEmpty() &&
               lists.List4.isEmpty() && lists.List5.isEmpty() && lists.List6.isEmpty();
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(lockDir_.isValid());
    }
    void init() {
        handOverCount = 0;
        handedOverLists = nullptr;
    }

    void ticksStepAlphaAndLoadOnlyWhenOpaque() {
        Start1 start(QStringLiteral(ZEPHYRANE_RUN_DIR), lockFile(), recordHandOver);
        QCOMPARE(start.size(), QSize(302, 79));
        QCOMPARE(start.fadeLevel(), 0);
        QVERIFY(start.Timer.isActive());
        QCOMPARE(start.Timer.interval(), 5);
        QVERIFY(!start.Timer2.isActive() && !start.Timer1.isActive());
        QList<int> alphas{alpha(start)};
        for (int tick = 1; tick <= 15; ++tick) {
            QVERIFY(!start.Timer3.isActive());
            start.Timer_Timer();
            alphas.append(alpha(start));
            QCOMPARE(start.fadeLevel(), alphas.last());
        }
        QVERIFY(!start.Timer.isActive());
        QVERIFY(start.Timer3.isActive());
        QCOMPARE(start.Timer3.interval(), 1);
        QVERIFY(listsEmpty(start.verseLists()));

        start.Timer3_Timer();
        QCOMPARE(alpha(start), 255);
        QVERIFY(!start.Timer3.isActive());
        QVERIFY(start.Timer2.isActive());
        QCOMPARE(start.Timer2.interval(), 5);
        QCOMPARE(start.verseLists().List1.size(), VerseLists::kCount);

        for (int tick = 1; tick <= 15; ++tick) {
            QVERIFY(!start.Timer1.isActive());
            start.Timer2_Timer();
            alphas.append(alpha(start));
        }
        QVERIFY(!start.Timer2.isActive());
        QVERIFY(start.Timer1.isActive());
        QCOMPARE(start.Timer1.interval(), 1000);

        QList<int> expected;
        for (int level = 0; level <= 255; level += 17)
            expected.append(level);
        for (int level = 238; level >= 0; level -= 17)
            expected.append(level);
        QCOMPARE(alphas, expected);
        QCOMPARE(handOverCount, 0);
    }

    void runsByItselfToTheHandOverAndStaysAlive() {
        const OpacityWarningsMuted muted;
        Start1 start(QStringLiteral(ZEPHYRANE_RUN_DIR), lockFile(), recordHandOver);
        start.show();
        QTRY_COMPARE_WITH_TIMEOUT(handOverCount, 1, 15000);
        QCOMPARE(handedOverLists, &start.verseLists());
        QVERIFY(start.isHidden());
        QVERIFY(!start.Timer.isActive() && !start.Timer3.isActive() && !start.Timer2.isActive() &&
                !start.Timer1.isActive());
        const VerseLists& lists = start.verseLists();
        for (const QStringList* list :
             {&lists.List1, &lists.List2, &lists.List3, &lists.List4, &lists.List5, &lists.List6})
            QCOMPARE(list->size(), VerseLists::kCount);
        QCOMPARE(lists.List5.first(), u"1"_s);
    }

    void secondInstanceIsRefusedWithTheExactMessage() {
        SingleInstanceLock running(lockFile());
        QVERIFY(running.tryLock());
        QVERIFY(!SingleInstanceLock(lockFile()).tryLock());

        QMessageBox box;
        setUpSecondInstanceMessage(box);
        // The message, read right to left.
        QCOMPARE(box.text(), u"\u200F  The Vire Vozov is Startted .....!!!!! "_s);
        QCOMPARE(box.windowTitle(), u"The Vire Vozov"_s);
        QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.icon(), QMessageBox::NoIcon);
        QCOMPARE(box.layoutDirection(), Qt::RightToLeft);
    }
};

QTEST_MAIN(TestStart1)
#include "test_start1.moc"
