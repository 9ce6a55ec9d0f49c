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
    return QTest::qWaitFor(
        [&] { return !w.Timer3.isActive() && !w.Timer2.isActive() && !w.Timer1.isActive(); });
}

QString style(const QPlainTextEdit* pane) {
    const QFont font = pane->font();
    return u"%1 %2%3"_s.arg(font.family()).arg(font.pointSize()).arg(font.bold() ? u" bold" : u"");
}

QStringList styles(const Quran1& w) {
    return {style(w.Text4), style(w.Te1), style(w.TE2), style(w.TE3)};
}

QString ticks(const Quran1& w) {
    QString marks;
    for (const QCheckBox* box : {w.Check0, w.Check1, w.Check3, w.Check2})
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
        for (QPlainTextEdit* pane : {w.Te1, w.TE2}) {
            QFont italic = pane->font();
            italic.setItalic(true);
            pane->setFont(italic);
        }
        QStringList expected = styles(w);
        expected[2] = u"Tahoma-Quvel 30"_s;

        pick(w.Combo8, u"30"_s);
        QVERIFY(w.Timer2.isActive());
        QVERIFY(styled(w));
        QCOMPARE(styles(w), expected);
        QCOMPARE(fx.storedValue(u"KurdNo"_s), u"30"_s);
        // The style application leaves the Arabic explanation's italic alone.
        QVERIFY(w.Te1->font().italic());
        QVERIFY(!w.TE2->font().italic());
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
        const QPlainTextEdit* panes[] = {w.Text4, w.Te1, w.TE2, w.TE3};
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
            QVERIFY(w.Timer2.isActive());
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
        QCOMPARE(w.TE3->font().bold(), bold);
        QCOMPARE(w.Check2->isChecked(), bold);
        QCOMPARE(w.Text13(), after);
        QCOMPARE(fx.storedValue(u"NO1"_s), after);
    }

    void typedFontWaitsForAStyleApplication() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        w.Combo5->lineEdit()->selectAll();
        QTest::keyClicks(w.Combo5->lineEdit(), u"Arial"_s);
        QCOMPARE(w.Combo5->currentText(), u"Arial"_s);
        QCOMPARE(fx.storedValue(u"Eng"_s), u"Arial"_s);
        QVERIFY(!w.Timer2.isActive());
        // Return, or leaving the box, does not pick the entry of that name either.
        QTest::keyClick(w.Combo5->lineEdit(), Qt::Key_Return);
        w.Combo4->setFocus();
        QVERIFY(!w.Timer2.isActive());
        QCOMPARE(w.Combo5->currentIndex(), -1);
        QCOMPARE(w.TE3->font().family(), u"Tahoma"_s);

        w.Check0->click();
        QVERIFY(styled(w));
        QCOMPARE(w.TE3->font().family(), u"Arial"_s);
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

        w.Reset1->trigger();
        QVERIFY(w.Timer2.isActive());
        QVERIFY(styled(w));
        QCOMPARE(styles(w),
                 (QStringList{u"Traditional Arabic-Q 20 bold"_s, u"Traditional Arabic 14 bold"_s,
                              u"Tahoma-Quvel 11"_s, u"Tahoma 10"_s}));
        QCOMPARE(ticks(w), u"XX--"_s);
        for (const auto& [field, value] : kFactory)
            QCOMPARE(fx.storedValue(field), value);
        QCOMPARE(w.Frame3->title(), u"English        The Noble Qur'an Explanation"_s);
        QVERIFY(w.En->isChecked() && !w.Ar->isChecked() && !w.Ku->isChecked());
        QVERIFY(QTest::qWaitFor([&] { return !w.Timer11.isActive(); }));
        QVERIFY(w.Text3->text().endsWith(u" Number"_s));
    }

    void resetOfFontNamesAloneArmsNothing() {
        MainWindowFixture fx(Stored{{u"Aia"_s, u"Arial"_s}, {u"Eng"_s, u"Courier New"_s}});
        Quran1& w = *fx.window;
        QVERIFY(styled(w));
        QCOMPARE(w.Text4->font().family(), u"Arial"_s);

        w.Reset1->trigger();
        QVERIFY(!w.Timer2.isActive());
        QCOMPARE(w.Combo2->currentText(), u"Traditional Arabic-Q"_s);
        QCOMPARE(w.Combo5->currentText(), u"Tahoma"_s);
        QCOMPARE(fx.storedValue(u"Aia"_s), u"Traditional Arabic-Q"_s);
        QCOMPARE(w.Text4->font().family(), u"Arial"_s);
        QCOMPARE(w.TE3->font().family(), u"Courier New"_s);
    }

    void everyStoredChoiceSurvivesARestart() {
        MainWindowFixture fx;
        {
            Quran1& w = *fx.window;
            QVERIFY(styled(w));
            // The switch loads the surah copy window, whose set-up takes the surah choice.
            w.Ku->trigger();
            QVERIFY(QTest::qWaitFor([&] { return !w.surat1()->Timer1.isActive(); }));
            w.Text->setText(u"الرحمن"_s);
            pick(w.Combo2, u"Andalus"_s);
            w.Combo3->setEditText(u"Typed Name"_s);
            pick(w.Combo4, u"Tahoma-K"_s);
            pick(w.Combo5, u"Arial"_s);
            pick(w.Combo6, u"44"_s);
            pick(w.Combo7, u"8"_s);
            pick(w.Combo8, u"30"_s);
            pick(w.Combo9, u"12"_s);
            w.Check0->click();
            w.Check3->click();
            w.Combo1->setCurrentIndex(5);
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
        QCOMPARE(w.Text->text(), u"الرحمن"_s);
        QCOMPARE(styles(w), (QStringList{u"Andalus 44"_s, u"Typed Name 8 bold"_s,
                                         u"Tahoma-K 30 bold"_s, u"Arial 12"_s}));
        QCOMPARE(ticks(w), u"-XX-"_s);
        QCOMPARE(w.Text2(), u"كوردى"_s);
        QVERIFY(w.Ku->isChecked());
        QCOMPARE(w.Label3->text(), u"5"_s);
    }
};

QTEST_MAIN(TestPaneStyles)
#include "test_pane_styles.moc"
