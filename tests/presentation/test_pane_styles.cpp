// Pane styles on the real window: the triggers of the style application, the bold boxes and
// their flags, the reset and what survives a restart.
#include <QLineEdit>
#include <QRawFont>

#include "MainWindowFixture.h"
#include "PaneStyleRules.h"
#include "SurahBox.h"
#include "Surat1.h"

using namespace Qt::StringLiterals;

namespace {

bool styled(const Quran1& w) {
    return QTest::qWaitFor([&] {
        return !control<QTimer>(w, u"Timer3"_s)->isActive() &&
               !control<QTimer>(w, u"Timer2"_s)->isActive() &&
               !control<QTimer>(w, u"Timer1"_s)->isActive();
    });
}

QString style(const QPlainTextEdit* pane) {
    const QFont font = pane->font();
    return u"%1 %2%3"_s.arg(font.family()).arg(font.pointSize()).arg(font.bold() ? u" bold" : u"");
}

QStringList styles(const Quran1& w) {
    return {
        style(control<QPlainTextEdit>(w, u"Text4"_s)), style(control<QPlainTextEdit>(w, u"Te1"_s)),
        style(control<QPlainTextEdit>(w, u"TE2"_s)), style(control<QPlainTextEdit>(w, u"TE3"_s))};
}

QString ticks(const Quran1& w) {
    QString marks;
    for (const QCheckBox* box :
         {control<QCheckBox>(w, u"Check0"_s), control<QCheckBox>(w, u"Check1"_s),
          control<QCheckBox>(w, u"Check3"_s), control<QCheckBox>(w, u"Check2"_s)})
        marks += box->isChecked() ? u'X' : u'-';
    return marks;
}

void pick(QComboBox* list, const QString& entry) {
    list->setCurrentIndex(list->findText(entry));
}

// The factory row as the reset leaves it.
const Stored kFactory = {
    {u"Aia"_s, u"Traditional Arabic-Q"_s},
    {u"Ara"_s, u"Traditional Arabic"_s},
    {u"Kurd"_s, u"Tahoma-Quvel"_s},
    {u"Eng"_s, u"Tahoma"_s},
    {u"AiaNo"_s, u"20"_s},
    {u"AraNo"_s, u"14"_s},
    {u"KurdNo"_s, u"11"_s},
    {u"EngNo"_s, u"10"_s},
    {u"NO4"_s, u"0"_s},
    {u"NO3"_s, u"0"_s},
    {u"NO2"_s, u"1"_s},
    {u"NO1"_s, u"1"_s},
    {u"Lang"_s, u"English"_s},
};

}  // namespace

class TestPaneStyles : public QObject {
    Q_OBJECT

  private slots:
    // Each font name of the lists and the factory styles renders with a font of its script.
    void namedFontsRenderTheirScript_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<char32_t>("letter");
        QTest::newRow("verse") << u"Traditional Arabic-Q"_s << U'\u06D6';  // a pause mark
        QTest::newRow("Arabic") << u"Traditional Arabic"_s << U'\u0628';
        QTest::newRow("Andalus") << u"Andalus"_s << U'\u0628';
        QTest::newRow("Kurdish") << u"Tahoma-Quvel"_s << U'\u0695';
        QTest::newRow("Kurdish K") << u"Tahoma-K"_s << U'\u06B5';
        QTest::newRow("Kurdish tafseer") << u"Quran Kurdish Tafseer"_s << U'\u06CE';
        QTest::newRow("Latin") << u"Tahoma"_s << U'e';
    }
    void namedFontsRenderTheirScript() {
        QFETCH(QString, name);
        QFETCH(char32_t, letter);
        const QFont font = PaneStyleRules::withNameAndSize(QFont(), name, u"20");
        QCOMPARE(font.family(), name);
        QCOMPARE(font.pointSize(), 20);
        QVERIFY2(QRawFont::fromFont(font).supportsCharacter(letter),
                 qPrintable(QFontInfo(font).family()));
    }

    void pickedSizeStylesOnlyItsPane() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        QCOMPARE(styles(w),
                 (QStringList{u"Traditional Arabic-Q 20 bold"_s, u"Traditional Arabic 14 bold"_s,
                              u"Tahoma-Quvel 11"_s, u"Tahoma 10"_s}));
        for (QPlainTextEdit* pane :
             {control<QPlainTextEdit>(w, u"Te1"_s), control<QPlainTextEdit>(w, u"TE2"_s)}) {
            QFont italic = pane->font();
            italic.setItalic(true);
            pane->setFont(italic);
        }
        QStringList expected = styles(w);
        expected[2] = u"Tahoma-Quvel 30"_s;

        pick(control<QComboBox>(w, u"Combo8"_s), u"30"_s);
        QVERIFY(control<QTimer>(w, u"Timer2"_s)->isActive());
        QVERIFY(styled(w));
        QCOMPARE(styles(w), expected);
        QCOMPARE(fx.storedValue(u"KurdNo"_s), u"30"_s);
        // The style application leaves the Arabic explanation's italic alone.
        QVERIFY(control<QPlainTextEdit>(w, u"Te1"_s)->font().italic());
        QVERIFY(!control<QPlainTextEdit>(w, u"TE2"_s)->font().italic());
    }

    void boldBoxWritesItsPanesFlag_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("pane");
        QTest::addColumn<QString>("flag");
        QTest::newRow("Check0 verse") << u"Check0"_s << 0 << u"NO4"_s;
        QTest::newRow("Check1 Arabic") << u"Check1"_s << 1 << u"NO3"_s;
        QTest::newRow("Check3 Kurdish") << u"Check3"_s << 2 << u"NO2"_s;
        QTest::newRow("Check2 English") << u"Check2"_s << 3 << u"NO1"_s;
    }
    void boldBoxWritesItsPanesFlag() {
        QFETCH(QString, box);
        QFETCH(int, pane);
        QFETCH(QString, flag);
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        auto* bold = w.findChild<QCheckBox*>(box);
        const QPlainTextEdit* panes[] = {
            control<QPlainTextEdit>(w, u"Text4"_s), control<QPlainTextEdit>(w, u"Te1"_s),
            control<QPlainTextEdit>(w, u"TE2"_s), control<QPlainTextEdit>(w, u"TE3"_s)};
        const QStringList others = [&] {
            QStringList all = styles(w);
            all.removeAt(pane);
            return all;
        }();

        for (bool byUser : {true, false}) {
            const bool ticked = !bold->isChecked();
            if (byUser)
                bold->click();
            else
                bold->setChecked(ticked);
            QVERIFY(control<QTimer>(w, u"Timer2"_s)->isActive());
            QCOMPARE(fx.storedValue(flag), ticked ? u"0"_s : u"1"_s);
            QVERIFY(styled(w));
            QCOMPARE(panes[pane]->font().bold(), ticked);
            QCOMPARE(bold->isChecked(), ticked);
            QStringList unchanged = styles(w);
            unchanged.removeAt(pane);
            QCOMPARE(unchanged, others);
        }
    }

    // The boxes show the stored flags once the stored sizes have brought the styles.
    void storedFlagAtStart_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("after");
        QTest::newRow("0") << u"0"_s << true << u"0"_s;
        QTest::newRow("1") << u"1"_s << false << u"1"_s;
        QTest::newRow("other number") << u"2"_s << false << u"2"_s;
        QTest::newRow("empty") << QString() << true << u"0"_s;
        QTest::newRow("no number") << u"x"_s << true << u"0"_s;
        QTest::newRow("fraction near 0") << u"0.4"_s << false << u"0.4"_s;
        QTest::newRow("negative fraction near 0") << u"-0.4"_s << false << u"-0.4"_s;
        QTest::newRow("0 written otherwise") << u" -0.0 "_s << true << u"0"_s;
        QTest::newRow("number then text") << u"5x"_s << true << u"0"_s;
    }
    void storedFlagAtStart() {
        QFETCH(QString, stored);
        QFETCH(bool, bold);
        QFETCH(QString, after);
        MainWindowFixture fx(Stored{{u"NO1"_s, stored}});
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        QCOMPARE(control<QPlainTextEdit>(w, u"TE3"_s)->font().bold(), bold);
        QCOMPARE(control<QCheckBox>(w, u"Check2"_s)->isChecked(), bold);
        QCOMPARE(w.Text13(), after);
        QCOMPARE(fx.storedValue(u"NO1"_s), after);
    }

    void typedFontWaitsForAStyleApplication() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        control<QComboBox>(w, u"Combo5"_s)->lineEdit()->selectAll();
        QTest::keyClicks(control<QComboBox>(w, u"Combo5"_s)->lineEdit(), u"Arial"_s);
        QCOMPARE(control<QComboBox>(w, u"Combo5"_s)->currentText(), u"Arial"_s);
        QCOMPARE(fx.storedValue(u"Eng"_s), u"Arial"_s);
        QVERIFY(!control<QTimer>(w, u"Timer2"_s)->isActive());
        // Return, or leaving the box, does not pick the entry of that name either.
        QTest::keyClick(control<QComboBox>(w, u"Combo5"_s)->lineEdit(), Qt::Key_Return);
        control<QComboBox>(w, u"Combo4"_s)->setFocus();
        QVERIFY(!control<QTimer>(w, u"Timer2"_s)->isActive());
        QCOMPARE(control<QComboBox>(w, u"Combo5"_s)->currentIndex(), -1);
        QCOMPARE(control<QPlainTextEdit>(w, u"TE3"_s)->font().family(), u"Tahoma"_s);

        control<QCheckBox>(w, u"Check0"_s)->click();
        QVERIFY(styled(w));
        QCOMPARE(control<QPlainTextEdit>(w, u"TE3"_s)->font().family(), u"Arial"_s);
    }

    void resetRestoresFactoryStylesAndEnglish() {
        MainWindowFixture fx(Stored{{u"Aia"_s, u"Arial"_s},
                                    {u"Ara"_s, u"Tahoma"_s},
                                    {u"Kurd"_s, u"Courier"_s},
                                    {u"Eng"_s, u"Arial"_s},
                                    {u"AiaNo"_s, u"30"_s},
                                    {u"AraNo"_s, u"8"_s},
                                    {u"KurdNo"_s, u"24"_s},
                                    {u"EngNo"_s, u"16"_s},
                                    {u"NO4"_s, u"1"_s},
                                    {u"NO3"_s, u"1"_s},
                                    {u"NO2"_s, u"0"_s},
                                    {u"NO1"_s, u"0"_s},
                                    {u"Lang"_s, u"كوردى"_s}});
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        QCOMPARE(styles(w), (QStringList{u"Arial 30"_s, u"Tahoma 8"_s, u"Courier 24 bold"_s,
                                         u"Arial 16 bold"_s}));

        control<QAction>(w, u"Reset1"_s)->trigger();
        QVERIFY(control<QTimer>(w, u"Timer2"_s)->isActive());
        QVERIFY(styled(w));
        QCOMPARE(styles(w),
                 (QStringList{u"Traditional Arabic-Q 20 bold"_s, u"Traditional Arabic 14 bold"_s,
                              u"Tahoma-Quvel 11"_s, u"Tahoma 10"_s}));
        QCOMPARE(ticks(w), u"XX--"_s);
        for (const auto& [field, value] : kFactory)
            QCOMPARE(fx.storedValue(field), value);
        QCOMPARE(control<QGroupBox>(w, u"Frame3"_s)->title(),
                 u"English        The Noble Qur'an Explanation"_s);
        QVERIFY(control<QAction>(w, u"En"_s)->isChecked() &&
                !control<QAction>(w, u"Ar"_s)->isChecked() &&
                !control<QAction>(w, u"Ku"_s)->isChecked());
        QVERIFY(QTest::qWaitFor([&] { return !control<QTimer>(w, u"Timer11"_s)->isActive(); }));
        QVERIFY(control<QLabel>(w, u"Text3"_s)->text().endsWith(u" Number"_s));
    }

    void resetOfFontNamesAloneArmsNothing() {
        MainWindowFixture fx(Stored{{u"Aia"_s, u"Arial"_s}, {u"Eng"_s, u"Courier New"_s}});
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->font().family(), u"Arial"_s);

        control<QAction>(w, u"Reset1"_s)->trigger();
        QVERIFY(!control<QTimer>(w, u"Timer2"_s)->isActive());
        QCOMPARE(control<QComboBox>(w, u"Combo2"_s)->currentText(), u"Traditional Arabic-Q"_s);
        QCOMPARE(control<QComboBox>(w, u"Combo5"_s)->currentText(), u"Tahoma"_s);
        QCOMPARE(fx.storedValue(u"Aia"_s), u"Traditional Arabic-Q"_s);
        QCOMPARE(control<QPlainTextEdit>(w, u"Text4"_s)->font().family(), u"Arial"_s);
        QCOMPARE(control<QPlainTextEdit>(w, u"TE3"_s)->font().family(), u"Courier New"_s);
    }

    void everyStoredChoiceSurvivesARestart() {
        MainWindowFixture fx;
        {
            Quran1& w = *fx.window;
            QVERIFY(styled(w));
            // The switch loads the surah copy window, whose set-up takes the surah choice.
            control<QAction>(w, u"Ku"_s)->trigger();
            QVERIFY(QTest::qWaitFor([&] { return !w.surat1()->Timer1.isActive(); }));
            control<QLineEdit>(w, u"Text"_s)->setText(u"الرحمن"_s);
            pick(control<QComboBox>(w, u"Combo2"_s), u"Andalus"_s);
            control<QComboBox>(w, u"Combo3"_s)->setEditText(u"Typed Name"_s);
            pick(control<QComboBox>(w, u"Combo4"_s), u"Tahoma-K"_s);
            pick(control<QComboBox>(w, u"Combo5"_s), u"Arial"_s);
            pick(control<QComboBox>(w, u"Combo6"_s), u"44"_s);
            pick(control<QComboBox>(w, u"Combo7"_s), u"8"_s);
            pick(control<QComboBox>(w, u"Combo8"_s), u"30"_s);
            pick(control<QComboBox>(w, u"Combo9"_s), u"12"_s);
            control<QCheckBox>(w, u"Check0"_s)->click();
            control<QCheckBox>(w, u"Check3"_s)->click();
            control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(5);
            QVERIFY(styled(w));
        }

        // The program ends without saving; a new start reads the same row.
        fx.window.reset();
        qDeleteAll(fx.owner.children());
        QObject owner;
        Quran1Sources sources;
        QVERIFY(!openQuran1Sources(fx.dir.path(), MainWindowFixture::lists(), &owner, sources));
        Quran1 w(sources);
        w.show();
        QVERIFY(styled(w));
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(), u"الرحمن"_s);
        QCOMPARE(styles(w), (QStringList{u"Andalus 44"_s, u"Typed Name 8 bold"_s,
                                         u"Tahoma-K 30 bold"_s, u"Arial 12"_s}));
        QCOMPARE(ticks(w), u"-XX-"_s);
        QCOMPARE(w.Text2(), u"كوردى"_s);
        QVERIFY(control<QAction>(w, u"Ku"_s)->isChecked());
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"5"_s);
    }
};

QTEST_MAIN(TestPaneStyles)
#include "test_pane_styles.moc"
