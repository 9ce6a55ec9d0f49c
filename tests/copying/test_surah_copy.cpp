// The surah copy window driven through the real main window over private database copies:
// the texts it builds, its selectors and their pulls, the progress, Start, Stop and Cancel,
// the step buttons, the hidden set-up, and the copy window it hands the text to.
#include <QApplication>
#include <QClipboard>

#include "Copy1.h"
#include "RecordSource.h"
#include "SurahBox.h"
#include "SurahCopyExpected.h"
#include "Surat1.h"

using namespace Qt::StringLiterals;
using namespace expected;

namespace {

QString surahQuery(const QString& text) {
    return u" select * from data where Num3 like '"_s + text + u"*'"_s;
}

QString itemText(int surah) {
    return SurahCatalogue::instance().rows()[size_t(surah - 1)].itemText;
}

QStringList items(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

// The copy window's document keeps each CR LF as a paragraph break.
QString asShown(QString text) {
    return text.replace(u"\r\n"_s, QString(QChar::ParagraphSeparator));
}

// Check1 to Check4 as the values 0 (unchecked), 1 (checked) and 2 (grey).
QString boxStates(const Surat1& s) {
    QString states;
    for (const QCheckBox* box : {s.Check1, s.Check2, s.Check3, s.Check4}) {
        const Qt::CheckState state = box->checkState();
        states += state == Qt::Checked ? u'1' : state == Qt::PartiallyChecked ? u'2' : u'0';
    }
    return states;
}

// Clicks `button` through its window, as the window system would: a window blocked by a modal
// one never sees the click.
void clickThroughWindow(QWidget* button) {
    QWidget* window = button->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(window, button->rect().center()));
}

// A main window in reading mode with the surah copy window opened from it.
class CopyWindowFixture {
  public:
    bool open(int surah) {
        w.Command2_Click();
        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(surah - 1);
        w.Command14_Click();
        s = w.surat1();
        return QTest::qWaitFor([&] { return !s->Timer1.isActive(); }) && verseShown();
    }

    // Runs the event loop until the main window has shown its current verse.
    bool verseShown() {
        return QTest::qWaitFor([&] { return !control<QTimer>(w, u"Timer6"_s)->isActive(); });
    }

    void choose(int fromSurah, int fromVerse, int toSurah, int toVerse) {
        s->Combo1->setCurrentIndex(fromSurah - 1);
        s->Combo3->setCurrentIndex(toSurah - 1);
        s->Combo2->setCurrentIndex(fromVerse - 1);
        s->Combo4->setCurrentIndex(toVerse - 1);
    }

    Copy1* copyWindow() const { return s->findChild<Copy1*>(); }

    bool copyShown() const {
        return QTest::qWaitFor([&] { return copyWindow() && copyWindow()->isVisible(); }, 20000);
    }

    // Starts a copy and returns the text the copy window shows at its end.
    QString copied() {
        s->Command4->click();
        return copyShown() ? copyWindow()->Text1->document()->toRawText() : u"no copy"_s;
    }

    MainWindowFixture fx;
    Quran1& w = *fx.window;
    Surat1* s = nullptr;
};

}  // namespace

class TestSurahCopy : public QObject {
    Q_OBJECT

  private slots:
    void copiedTexts_data() {
        QTest::addColumn<QList<int>>("range");  // from-surah, from-verse, to-surah, to-verse
        QTest::addColumn<QString>("options");   // L line option, A/K/E explanations
        QTest::addColumn<QString>("text");

        QTest::newRow("one verse")
            << QList<int>{2, 1, 2, 1} << u"A"_s << header(2) + verse(8) + arabic(8) + kCrLf;
        QString fatiha = header(1);
        for (qint64 o = 1; o <= 7; ++o)
            fatiha += verse(o) + arabic(o);
        QTest::newRow("whole first surah") << QList<int>{1, 1, 1, 7} << u"A"_s << fatiha + kCrLf;
        QTest::newRow("across two surahs")
            << QList<int>{1, 6, 2, 2} << QString()
            << verse(6) + verse(7) + kCrLf + kCrLf + header(2) + verse(8) + verse(9) + kCrLf;
        QTest::newRow("starting mid-surah")
            << QList<int>{2, 5, 2, 7} << QString() << verse(12) + verse(13) + verse(14) + kCrLf;
        QTest::newRow("line option")
            << QList<int>{2, 1, 2, 3} << u"L"_s
            << u" "_s + header(2) + verse(8) + kCrLf + verse(9) + kCrLf + verse(10) + kCrLf;
        const qint64 a = ordinal(3, 2), b = ordinal(3, 3);
        QTest::newRow("Arabic explanation") << QList<int>{3, 2, 3, 3} << u"A"_s
                                            << verse(a) + arabic(a) + verse(b) + arabic(b) + kCrLf;
        QTest::newRow("Kurdish explanation")
            << QList<int>{3, 2, 3, 3} << u"K"_s
            << verse(a) + kurdish(a) + verse(b) + kurdish(b) + kCrLf;
        QTest::newRow("English explanation")
            << QList<int>{3, 2, 3, 3} << u"E"_s
            << verse(a) + english(a) + verse(b) + english(b) + kCrLf;
        QTest::newRow("all three explanations")
            << QList<int>{3, 2, 3, 3} << u"AKE"_s
            << verse(a) + arabic(a) + kurdish(a) + english(a) + verse(b) + arabic(b) + kurdish(b) +
                   english(b) + kCrLf;
    }
    void copiedTexts() {
        QFETCH(QList<int>, range);
        QFETCH(QString, options);
        QFETCH(QString, text);
        CopyWindowFixture c;
        QVERIFY(c.open(range[0]));
        c.choose(range[0], range[1], range[2], range[3]);
        c.s->Check5->setChecked(options.contains(u'L'));
        c.s->Check4->setChecked(options.contains(u'A'));
        c.s->Check3->setChecked(options.contains(u'K'));
        c.s->Check2->setChecked(options.contains(u'E'));
        QCOMPARE(c.copied(), asShown(text));
    }

    void openingOnASurah() {
        CopyWindowFixture c;
        QVERIFY(c.open(2));
        Surat1& s = *c.s;
        QVERIFY(s.isVisible());
        QCOMPARE(s.windowModality(), Qt::ApplicationModal);
        QCOMPARE(s.Combo1->currentText(), itemText(2));
        QCOMPARE(s.Combo3->currentText(), itemText(2));
        QCOMPARE(s.SkinLabel1->text(), u"286"_s);
        QCOMPARE(s.SkinLabel2->text(), u"286"_s);
        QCOMPARE(s.Combo2->count(), 286);
        QCOMPARE(s.Combo4->itemText(285), u"286"_s);
        QCOMPARE(s.Combo2->currentText(), u"1"_s);
        QCOMPARE(s.Combo4->currentText(), u"1"_s);
        QCOMPARE(s.Text1, u"8"_s);
        QCOMPARE(s.Text2, u"8"_s);
        QCOMPARE(s.Te1->text(), u"0"_s);

        // Each verse selector counts from its own surah, whatever the main window holds.
        s.Combo3->setCurrentIndex(3);
        s.Combo4->setCurrentIndex(9);
        c.w.sources.Data3->moveLast();
        s.Combo2->setCurrentIndex(4);
        QCOMPARE(s.Text1, QString::number(ordinal(2, 5)));
        QCOMPARE(s.Text2, QString::number(ordinal(4, 10)));
    }

    // Choosing one surah selector beyond the other pulls the other along, both verses to 1.
    void surahSelectorsPullEachOther_data() {
        QTest::addColumn<bool>("toSurahMoved");
        QTest::addColumn<int>("chosen");
        QTest::newRow("to-surah before the from-surah") << true << 3;
        QTest::newRow("from-surah after the to-surah") << false << 7;
    }
    void surahSelectorsPullEachOther() {
        QFETCH(bool, toSurahMoved);
        QFETCH(int, chosen);
        CopyWindowFixture c;
        QVERIFY(c.open(5));
        Surat1& s = *c.s;
        s.Combo2->setCurrentIndex(2);
        s.Combo4->setCurrentIndex(6);
        (toSurahMoved ? s.Combo3 : s.Combo1)->setCurrentIndex(chosen - 1);
        QCOMPARE(s.Combo1->currentIndex(), chosen - 1);
        QCOMPARE(s.Combo3->currentIndex(), chosen - 1);
        QCOMPARE(s.Combo2->currentText(), u"1"_s);
        QCOMPARE(s.Combo4->currentText(), u"1"_s);
        QCOMPARE(s.Text1, QString::number(ordinal(chosen, 1)));
        QCOMPARE(s.Text2, s.Text1);
        QCOMPARE(control<SurahBox>(c.w, u"Combo1"_s)->currentIndex(), chosen - 1);
        QCOMPARE(c.w.sources.Data3->recordSource(), surahQuery(itemText(chosen)));
    }

    void reversedRangeStartsNothing() {
        CopyWindowFixture c;
        QVERIFY(c.open(5));
        c.s->Combo2->setCurrentIndex(9);
        c.s->Combo4->setCurrentIndex(4);
        c.s->Command4->click();
        QVERIFY(!c.s->Timer2.isActive());
        QVERIFY(c.s->Command4->isEnabled());
        QCOMPARE(c.s->Te1->text(), u"0"_s);
        QVERIFY(!QTest::qWaitFor([&] { return c.copyWindow() != nullptr; }, 100));
    }

    void progressOfFiveVerses() {
        CopyWindowFixture c;
        QVERIFY(c.open(2));
        Surat1& s = *c.s;
        c.choose(2, 1, 2, 5);
        s.Command4->click();
        QCOMPARE(s.Te1->text(), u"0"_s);
        // Nothing that would change the range or the options mid-copy takes input.
        for (const QWidget* choice : std::initializer_list<const QWidget*>{
                 s.Command4, s.Command3, s.Command2, s.Combo1, s.Combo2, s.Combo3, s.Combo4,
                 s.Check1, s.Check2, s.Check3, s.Check4, s.Check5})
            QVERIFY(!choice->isEnabled());
        QVERIFY(s.Command5->isEnabled() && s.Command1->isEnabled());
        QStringList progress;
        for (int step = 0; step < 5; ++step) {
            s.Timer2_Timer();
            progress.append(s.Te1->text());
        }
        QCOMPARE(progress, (QStringList{u"0"_s, u"25"_s, u"50"_s, u"75"_s, u"100"_s}));
        QVERIFY(!s.Timer2.isActive());
        QVERIFY(c.copyShown());
    }

    void stopThenStartBuildsTheRangeAgain() {
        CopyWindowFixture c;
        QVERIFY(c.open(2));
        Surat1& s = *c.s;
        c.choose(2, 1, 2, 5);
        s.Command4->click();
        s.Timer2_Timer();
        s.Timer2_Timer();
        s.Command5->click();
        QVERIFY(!s.Timer2.isActive());
        for (const QWidget* choice : std::initializer_list<const QWidget*>{
                 s.Command4, s.Command3, s.Command2, s.Combo1, s.Combo4, s.Check5})
            QVERIFY(choice->isEnabled());
        QCOMPARE(s.Te1->text(), u"25"_s);
        QCOMPARE(c.copied(), asShown(header(2) + verse(8) + verse(9) + verse(10) + verse(11) +
                                     verse(12) + kCrLf));
    }

    void selectAll() {
        CopyWindowFixture c;
        QVERIFY(c.open(1));
        Surat1& s = *c.s;
        // Each click, then Check1 to Check4.
        const std::pair<QCheckBox*, QString> clicks[] = {
            {s.Check1, u"1111"_s}, {s.Check2, u"2011"_s}, {s.Check3, u"2001"_s},
            {s.Check4, u"0000"_s}, {s.Check4, u"2001"_s}, {s.Check3, u"2011"_s},
            {s.Check2, u"1111"_s}, {s.Check1, u"0000"_s}, {s.Check2, u"2100"_s},
            {s.Check1, u"1111"_s}};
        for (const auto& [box, states] : clicks) {
            box->click();
            QCOMPARE(boxStates(s), states);
        }
    }

    // Loaded by a caption write rather than opened, the window still sets itself up, and leaves
    // the main window's surah alone.
    void hiddenSetUp() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        delete w.findChild<Surat1*>();  // one loaded earlier has done its set-up already
        w.Command2_Click();
        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(4);
        Surat1* s = w.surat1();
        QVERIFY(s->isHidden());
        QVERIFY(QTest::qWaitFor([&] { return !s->Timer1.isActive(); }));
        QCOMPARE(s->SkinLabel1->text(), u"1"_s);
        QCOMPARE(s->SkinLabel2->text(), u"1"_s);
        QCOMPARE(items(s->Combo2), QStringList{u"1"_s});
        QCOMPARE(items(s->Combo4), QStringList{u"1"_s});
        // The main window keeps the surah the reader chose.
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), 4);
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"4"_s);
        QCOMPARE(w.sources.Data3->recordSource(), surahQuery(itemText(5)));
        QCOMPARE(s->Text1, u"1"_s);
        QCOMPARE(s->Text2, u"1"_s);
        QVERIFY(s->isHidden());
    }

    void stepButtonsStopAtBothEnds_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("expected");
        QTest::newRow(">> on the first verse") << 0 << false << 0;
        QTest::newRow(">> in the middle") << 10 << false << 9;
        QTest::newRow("<< in the middle") << 10 << true << 11;
        QTest::newRow("<< on the last verse") << 285 << true << 285;
    }
    void stepButtonsStopAtBothEnds() {
        QFETCH(int, position);
        QFETCH(bool, forward);
        QFETCH(int, expected);
        CopyWindowFixture c;
        QVERIFY(c.open(2));
        RecordSource& verses = *c.w.sources.Data3;
        QVERIFY(verses.moveTo(position));
        (forward ? c.s->Command3 : c.s->Command2)->click();
        QCOMPARE(verses.absolutePosition(), expected);
        QVERIFY(control<QTimer>(c.w, u"Timer6"_s)->isActive());
        QVERIFY(c.verseShown());
        QVERIFY(control<QPlainTextEdit>(c.w, u"Text4"_s)
                    ->toPlainText()
                    .startsWith(u"( "_s + at(&VerseLists::List1, 8 + expected)));
        // The range stays as chosen.
        QCOMPARE(c.s->Text1, u"8"_s);
        QCOMPARE(c.s->Text2, u"8"_s);
    }

    // However the window goes, the main window ends on the from-surah and takes input again.
    void closingLeavesTheMainWindowUsable_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << u"cancel"_s;
        QTest::newRow("close button") << u"close"_s;
        QTest::newRow("Escape") << u"escape"_s;
        QTest::newRow("Cancel after a reversed Start") << u"reversed"_s;
    }
    void closingLeavesTheMainWindowUsable() {
        QFETCH(QString, how);
        CopyWindowFixture c;
        QVERIFY(c.open(2));
        Quran1& w = c.w;
        c.choose(2, 3, 4, 1);
        QCOMPARE(QApplication::activeModalWidget(), c.s);
        clickThroughWindow(control<QPushButton>(w, u"Command1"_s));
        QCOMPARE(w.mode(), MainWindowMode::Reading);  // blocked while the window is open

        if (how == u"cancel"_s) {
            c.s->Command1->click();
        } else if (how == u"close"_s) {
            c.s->windowHandle()->close();
        } else if (how == u"escape"_s) {
            QTest::keyClick(c.s, Qt::Key_Escape);
        } else {
            c.s->Combo3->setCurrentIndex(1);
            c.s->Combo4->setCurrentIndex(0);
            c.s->Command4->click();
            c.s->Command1->click();
        }
        QVERIFY(QTest::qWaitFor([&] { return !w.findChild<Surat1*>(); }));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentText(), itemText(2));
        // Chosen as an entry: its position is stored, and reading comes back to it.
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), 1);
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"1"_s);
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"1"_s);
        QCOMPARE(c.fx.storedValue(u"Sura"_s), u"1"_s);
        QCOMPARE(w.sources.Data3->recordSource(), surahQuery(itemText(2)));
        QVERIFY(c.verseShown());
        QVERIFY(control<QPlainTextEdit>(w, u"Text4"_s)
                    ->toPlainText()
                    .startsWith(u"( "_s + at(&VerseLists::List1, 8)));
        clickThroughWindow(control<QPushButton>(w, u"Command1"_s));
        QCOMPARE(w.mode(), MainWindowMode::Search);
        // The next reading mode comes back to it, after the window it loads hidden is set up.
        control<QPushButton>(w, u"Command2"_s)->click();
        Surat1* hidden = w.findChild<Surat1*>();
        QVERIFY(hidden && QTest::qWaitFor([&] { return !hidden->Timer1.isActive(); }));
        QVERIFY(c.verseShown());
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), 1);
        QCOMPARE(w.sources.store->read(SettingsStore::kSurahPositionKey), u"1"_s);
        QCOMPARE(w.sources.Data3->recordSource(), surahQuery(itemText(2)));
    }

    // The end of a copy: the copy window comes up modal in place of this window, fresh each
    // time, and closing it brings this window back.
    void copyWindowAndBack() {
        CopyWindowFixture c;
        QVERIFY(c.open(2));
        Surat1& s = *c.s;
        QGuiApplication::clipboard()->setText(u"kept"_s);
        QCOMPARE(c.copied(), asShown(header(2) + verse(8) + kCrLf));
        Copy1* copy = c.copyWindow();
        QVERIFY(s.isHidden());
        QCOMPARE(QApplication::activeModalWidget(), copy);
        QCOMPARE(s.Te1->text(), u"100"_s);
        QVERIFY(!s.Timer2.isActive());
        for (const QPushButton* button : {s.Command4, s.Command3, s.Command2})
            QVERIFY(button->isEnabled());
        QCOMPARE(copy->Combo1->currentText(), u"20"_s);
        copy->Combo1->setCurrentIndex(0);
        copy->HScroll1->setValue(2);

        copy->close();
        QVERIFY(QTest::qWaitFor([&] { return s.isVisible() && !c.copyWindow(); }));
        QCOMPARE(s.windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"kept"_s);

        c.s->Combo4->setCurrentIndex(1);
        QCOMPARE(c.copied(), asShown(header(2) + verse(8) + verse(9) + kCrLf));
        QCOMPARE(c.copyWindow()->Combo1->currentText(), u"20"_s);
        QCOMPARE(c.copyWindow()->HScroll1->value(), 1);
        QCOMPARE(c.copyWindow()->Text1->font().pointSizeF(), 20.0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TestSurahCopy test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_surah_copy.moc"
