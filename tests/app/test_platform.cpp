#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include "FontSubstitutions.h"
#include "PunctualTimer.h"
#include "SoundPlayer.h"

using namespace Qt::StringLiterals;

namespace {

// True when `family` is installed and has a glyph for every character of `text`.
bool covers(const QString& family, const QString& text) {
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return false;
    const QFontMetrics metrics{QFont(family)};
    for (const char32_t c : text.toUcs4())
        if (!metrics.inFontUcs4(c))
            return false;
    return true;
}

}  // namespace

class TestPlatform : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        installFontSubstitutions();
    }

    void everyFontNameRendersItsScript_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const QString arabic = u"بسم الله الرحمن الرحيم"_s;
        const QString kurdish = u"ڕ ڵ ێ ۆ ی ڤ"_s;
        for (const QString& name :
             {u"Traditional Arabic-Q"_s, u"Traditional Arabic"_s, u"Andalus"_s})
            QTest::newRow(qPrintable(name)) << name << arabic;
        for (const QString& name : {u"Tahoma-Quvel"_s, u"Tahoma-K"_s, u"Quran Kurdish Tafseer"_s})
            QTest::newRow(qPrintable(name)) << name << kurdish;
        for (const QString& name :
             {u"Tahoma"_s, u"Arial"_s, u"Courier New"_s, u"Courier"_s, u"Microsoft Sans Serif"_s,
              u"MS Sans Serif"_s, u"System"_s, u"Fixedsys"_s, u"Times New Roman"_s, u"Verdana"_s})
            QTest::newRow(qPrintable(name)) << name << u"The Noble Qur'an"_s;
    }
    void everyFontNameRendersItsScript() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const QStringList substitutes = QFont::substitutes(name);
        QVERIFY2(!substitutes.isEmpty(), "no substitution");
        QCOMPARE(QFontInfo(QFont(name)).family().toLower(), substitutes.first().toLower());
        QVERIFY(covers(substitutes.first(), text));
        // Arabic text in a Latin-named font still finds a font for it.
        const bool arabicFallback =
            std::any_of(substitutes.begin(), substitutes.end(),
                        [](const QString& family) { return covers(family, u"بسم الله ڕ ێ"_s); });
        QVERIFY(arabicFallback);
    }

    // The verse font shows the Quran text in the panes and the Kurdish explanations in the
    // copy window: one font must carry the Quranic marks and every Sorani letter, or words
    // lose their joins where the letters fall back to another font.
    void theVerseFontCarriesQuranAndKurdish() {
        const QString family = QFontInfo(QFont(u"Traditional Arabic-Q"_s)).family();
        QVERIFY(covers(family, u"\u0670\u06D6\u06D7\u06DA ک گ ڕ ڵ ێ ۆ ڤ ە"_s));
    }

    void soundThatCannotPlayIsSilent() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile text(dir.filePath(u"Wave.Wav"_s));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a sound\n");
        text.close();

        QTest::failOnWarning(QRegularExpression(u".*"_s));
        SoundPlayer player;
        player.play(dir.filePath(u"missing.wav"_s));
        player.play(text.fileName());
        QCoreApplication::processEvents();
    }

    // The loop goes to sleep 0.9 ms into a 1 ms wait. Left to its own rounding it would sleep
    // a whole millisecond; the earliest of several tries shows whether it was woken on time.
    void aTimerFiresWhenDueThoughTheLoopWasBusy() {
        PunctualTimer timer;
        QElapsedTimer clock;
        qint64 firedNs = 0;
        connect(&timer, &QTimer::timeout, this, [&] {
            firedNs = clock.nsecsElapsed();
            timer.arm(0);
        });
        qint64 earliestNs = std::numeric_limits<qint64>::max();
        for (int attempt = 0; attempt < 20; ++attempt) {
            firedNs = 0;
            clock.start();
            timer.arm(1);
            while (clock.nsecsElapsed() < 900'000) {
            }
            while (firedNs == 0)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            earliestNs = std::min(earliestNs, firedNs);
        }
        QVERIFY2(earliestNs >= 1'000'000, qPrintable(QString::number(earliestNs)));
        QVERIFY2(earliestNs < 1'600'000, qPrintable(QString::number(earliestNs)));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
