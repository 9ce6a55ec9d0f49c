// The interface languages on the real windows: the Lang menu, the start-up step, the reset,
// the surah copy window and the panes' reading order.
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include "ExpectedCaptions.h"
#include "MainWindowFixture.h"
#include "RecordGrid.h"
#include "Surat1.h"
#include "WebSites.h"

using namespace Qt::StringLiterals;

namespace {

const QString kArabic = u"عربي"_s;
const QString kKurdish = u"كوردى"_s;

enum class Action { None, Ar, En, Ku, Reset };

// The captions a language column gives, with a variant's rows in place of its own.
std::map<QString, QString> expectedCaptions(int column, const QString& variant) {
    std::map<QString, QString> expected;
    for (const ExpectedCaption& row : kExpectedCaptions) {
        const char16_t* texts[] = {row.arabic, row.english, row.kurdish};
        expected[QString::fromUtf16(row.window) + u'.' + QString::fromUtf16(row.control)] =
            QString::fromUtf16(texts[column]);
    }
    for (const ExpectedVariantRow& row : kExpectedVariantRows) {
        if (QLatin1StringView(row.variant) == variant)
            expected[u"Quran1."_s + QString::fromUtf16(row.control)] = QString::fromUtf16(row.text);
    }
    expected[u"Quran1.Web1"_s] = u" < "_s + WebSites::kIslamicSiteHost + u" > "_s;
    expected[u"Quran1.Web2"_s] = u" < "_s + WebSites::kProgramPageName + u" > "_s;
    return expected;
}

QObject* surat1Control(Surat1& s, const QString& control) {
    const std::pair<const char16_t*, QObject*> controls[] = {
        {u"Surat1", &s},           {u"Frame1", s.Frame1},     {u"Frame2", s.Frame2},
        {u"Check11", s.Check11},   {u"Check12", s.Check12},   {u"Check13", s.Check13},
        {u"Check14", s.Check14},   {u"Check15", s.Check15},   {u"La1", s.La1},
        {u"La2", s.La2},           {u"Command4", s.Command4}, {u"Command5", s.Command5},
        {u"Command1", s.Command1},
    };
    for (const auto& [name, object] : controls) {
        if (control == QStringView(name))
            return object;
    }
    return nullptr;
}

// What the user sees of a control: a window's title, a grid's caption, a menu's or frame's
// title, or the text of anything else.
QString shownCaption(const QObject* object) {
    if (object->property("title").isValid())
        return object->property("title").toString();
    if (const auto* grid = qobject_cast<const RecordGrid*>(object))
        return grid->caption();
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget && widget->isWindow())
        return widget->windowTitle();
    return object->property("text").toString();
}

// "window.control" of the main window or the surah copy window.
QString captionOf(Quran1& w, const QString& target) {
    const QString window = target.section(u'.', 0, 0);
    const QString control = target.section(u'.', 1);
    if (window == u"Surat1")
        return shownCaption(surat1Control(*w.surat1(), control));
    if (control == u"Quran1")
        return w.windowTitle();
    if (control == u"Text6")
        return w.Text6;
    // Outside the surah copy window, which is a child of the main window too.
    for (QObject* root :
         {static_cast<QObject*>(w.centralWidget()), static_cast<QObject*>(w.menuBar())}) {
        if (QObject* found = root->findChild<QObject*>(control))
            return shownCaption(found);
    }
    return u"<no control>"_s;
}

const QString kSurat1Controls[] = {u"Surat1"_s,  u"Frame1"_s,  u"Frame2"_s,   u"Check11"_s,
                                   u"Check12"_s, u"Check13"_s, u"Check14"_s,  u"Check15"_s,
                                   u"La1"_s,     u"La2"_s,     u"Command4"_s, u"Command5"_s,
                                   u"Command1"_s};

QStringList surat1Captions(Quran1& w) {
    QStringList captions;
    for (const QString& control : kSurat1Controls)
        captions.append(captionOf(w, u"Surat1."_s + control));
    return captions;
}

// Closes the surah copy window as the user would and waits until it is gone.
void closeSurat1(Quran1& w) {
    QPointer<Surat1> window = w.surat1();
    window->show();
    window->close();
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));
}

QStringList mismatches(Quran1& w, const std::map<QString, QString>& expected) {
    QStringList wrong;
    for (const auto& [target, text] : expected) {
        const QString shown = captionOf(w, target);
        if (shown != text)
            wrong.append(u"%1: \"%2\" instead of \"%3\""_s.arg(target, shown, text));
    }
    return wrong;
}

QString checkedItems(const Quran1& w) {
    QString marks;
    for (const QAction* item :
         {control<QAction>(w, u"Ar"_s), control<QAction>(w, u"En"_s), control<QAction>(w, u"Ku"_s)})
        marks += item->isChecked() ? item->objectName() : QString();
    return marks;
}

void run(Quran1& w, Action action) {
    const std::pair<Action, QAction*> items[] = {{Action::Ar, control<QAction>(w, u"Ar"_s)},
                                                 {Action::En, control<QAction>(w, u"En"_s)},
                                                 {Action::Ku, control<QAction>(w, u"Ku"_s)},
                                                 {Action::Reset, control<QAction>(w, u"Reset1"_s)}};
    for (const auto& [which, item] : items) {
        if (which == action)
            item->trigger();
    }
}

QString okButtonText() {
    const QDialogButtonBox box(QDialogButtonBox::Ok);
    return box.button(QDialogButtonBox::Ok)->text();
}

bool startedUp(const Quran1& w) {
    return QTest::qWaitFor([&] { return !control<QTimer>(w, u"Timer3"_s)->isActive(); });
}

}  // namespace

class TestInterfaceLanguages : public QObject {
    Q_OBJECT

  private slots:
    void everyCaptionOfEachOccasion_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("checked");
        QTest::newRow("Arabic menu") << u"English"_s << Action::Ar << 0 << QString() << u"Ar"_s;
        QTest::newRow("English menu") << kArabic << Action::En << 1 << QString() << u"En"_s;
        QTest::newRow("Kurdish menu") << u"English"_s << Action::Ku << 2 << QString() << u"Ku"_s;
        QTest::newRow("Arabic start-up")
            << kArabic << Action::None << 0 << u"Arabic start-up"_s << u"Ar"_s;
        QTest::newRow("English start-up")
            << u"English"_s << Action::None << 1 << u"English start-up"_s << u"En"_s;
        QTest::newRow("Kurdish start-up")
            << kKurdish << Action::None << 2 << u"Kurdish start-up"_s << u"Ku"_s;
        QTest::newRow("English reset")
            << kKurdish << Action::Reset << 1 << u"English reset"_s << u"En"_s;
    }
    void everyCaptionOfEachOccasion() {
        QFETCH(QString, stored);
        QFETCH(Action, action);
        QFETCH(int, column);
        QFETCH(QString, variant);
        QFETCH(QString, checked);
        MainWindowFixture fx(Stored{{u"Lang"_s, stored}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        run(w, action);

        const std::map<QString, QString> expected = expectedCaptions(column, variant);
        QCOMPARE(expected.size(), size_t(53));
        const QStringList wrong = mismatches(w, expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
        QCOMPARE(checkedItems(w), checked);
        const QString names[] = {kArabic, u"English"_s, kKurdish};
        QCOMPARE(w.Text2(), names[column]);
        QCOMPARE(fx.storedValue(u"Lang"_s), names[column]);
        QVERIFY(w.findChild<Surat1*>()->isHidden());
    }

    // Qt's own texts follow the language where the system has a translation (Arabic, not
    // Kurdish), and none of them mirrors the windows.
    void qtOwnTextsFollowTheLanguage() {
        MainWindowFixture fx(Stored{{u"Lang"_s, kArabic}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        QCOMPARE(okButtonText(), u"حسنًا"_s);
        QCoreApplication::processEvents();
        QCOMPARE(w.layoutDirection(), Qt::LeftToRight);
        control<QAction>(w, u"Ku"_s)->trigger();
        QCOMPARE(okButtonText(), u"OK"_s);
        control<QAction>(w, u"Ar"_s)->trigger();
        QCOMPARE(okButtonText(), u"حسنًا"_s);
        control<QAction>(w, u"Reset1"_s)->trigger();
        QCOMPARE(okButtonText(), u"OK"_s);
    }

    void storedNameThatIsNoLanguageAppliesNothing_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("lower case") << u"english"_s;
        QTest::newRow("trailing blank") << u"English "_s;
        QTest::newRow("empty") << QString();
        QTest::newRow("menu caption") << u"كوردى "_s;
    }
    void storedNameThatIsNoLanguageAppliesNothing() {
        QFETCH(QString, stored);
        MainWindowFixture fx(Stored{{u"Lang"_s, stored}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        QCOMPARE(control<QMenu>(w, u"File"_s)->title(), u"      <<  File >>"_s);
        QCOMPARE(control<QMenu>(w, u"Lang"_s)->title(), u"<<Language>>"_s);
        QCOMPARE(control<QMenu>(w, u"Help1"_s)->title(), u"Help"_s);
        QCOMPARE(control<QPushButton>(w, u"Command14"_s)->text(), u"نسخ سورة"_s);
        QCOMPARE(checkedItems(w), QString());
        QCOMPARE(fx.storedValue(u"Lang"_s), stored);
        QVERIFY(!w.findChild<Surat1*>());
        QVERIFY(control<QTimer>(w, u"Timer5"_s)
                    ->isActive());  // the reading order is fixed whatever the language
    }

    // The start-up variant shows until the menu applies the language, which also rebuilds the
    // count line with the language's count word.
    void startUpVariantThenMenu_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("atStartUp");
        QTest::addColumn<QString>("afterMenu");
        QTest::addColumn<QString>("countWord");
        QTest::addColumn<QString>("item");
        QTest::newRow("Kurdish Lang")
            << kKurdish << Action::Ku << u"Lang"_s << u"  <<  زمان  >>  "_s
            << u"   <<  زمان  >>   "_s << u"ژمــاره"_s << u"Ku"_s;
        QTest::newRow("English Command9")
            << u"English"_s << Action::En << u"Command9"_s << u"Copy Arabic "_s << u"Arabic Copy"_s
            << u"Number"_s << u"En"_s;
        QTest::newRow("Arabic Command14")
            << kArabic << Action::Ar << u"Command14"_s << u"نسخ سورة"_s << u"نسخ السورة"_s
            << u"عـــدد "_s << u"Ar"_s;
    }
    void startUpVariantThenMenu() {
        QFETCH(QString, stored);
        QFETCH(Action, action);
        QFETCH(QString, control);
        QFETCH(QString, atStartUp);
        QFETCH(QString, afterMenu);
        QFETCH(QString, countWord);
        QFETCH(QString, item);
        MainWindowFixture fx(Stored{{u"Lang"_s, stored}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        QCOMPARE(captionOf(w, u"Quran1."_s + control), atStartUp);

        run(w, action);
        QCOMPARE(captionOf(w, u"Quran1."_s + control), afterMenu);
        QVERIFY(::control<QTimer>(w, u"Timer11"_s)->isActive());
        QVERIFY(QTest::qWaitFor([&] { return !::control<QTimer>(w, u"Timer11"_s)->isActive(); }));
        QVERIFY(::control<QLabel>(w, u"Text3"_s)->text().endsWith(u' ' + countWord));

        // The same language again changes no caption.
        run(w, action);
        QCOMPARE(captionOf(w, u"Quran1."_s + control), afterMenu);
        QCOMPARE(checkedItems(w), item);
    }

    void surahCopyWindowSpeaksTheLanguageInForce() {
        MainWindowFixture fx(Stored{{u"Lang"_s, u"none"_s}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        QVERIFY(!w.findChild<Surat1*>());
        // No language applied yet: the window keeps the captions it is created with.
        const QStringList creationCaptions = surat1Captions(w);
        closeSurat1(w);
        QCOMPARE(surat1Captions(w), creationCaptions);
        closeSurat1(w);

        // A switch before the window was ever opened creates it hidden, in the language.
        control<QAction>(w, u"Ku"_s)->trigger();
        QVERIFY(w.findChild<Surat1*>()->isHidden());
        const QStringList kurdish = surat1Captions(w);
        QCOMPARE(kurdish.first(), u"كليشه ى كَرتنه وه ى قورئانى بٍروز"_s);

        // Created anew, it speaks the language in force, every time.
        closeSurat1(w);
        QCOMPARE(surat1Captions(w), kurdish);
        control<QAction>(w, u"En"_s)->trigger();
        for (int opening = 0; opening < 2; ++opening) {
            closeSurat1(w);
            QCOMPARE(w.surat1()->windowTitle(), u"Surat(s) Copy List"_s);
            QCOMPARE(w.surat1()->La1->text(), u"For"_s);
            QCOMPARE(w.surat1()->La2->text(), u"To"_s);
            QCOMPARE(w.surat1()->Check11->text(), u"Line"_s);
            QCOMPARE(w.surat1()->Check15->text(), u"Select All"_s);
            QCOMPARE(w.surat1()->Command1->text(), u"Cancel"_s);
        }
        QVERIFY(w.surat1()->isHidden());
    }

    // The grids' captions stand above their column headers, in the interface language.
    void gridCaptionsAboveTheColumnHeaders() {
        MainWindowFixture fx(Stored{{u"Lang"_s, u"none"_s}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        const int plainHeader = control<RecordGrid>(w, u"DBGrid1"_s)->horizontalHeader()->height();
        control<QAction>(w, u"Ku"_s)->trigger();
        for (RecordGrid* grid :
             {control<RecordGrid>(w, u"DBGrid1"_s), control<RecordGrid>(w, u"DBGrid2"_s)}) {
            QCOMPARE(grid->caption(), u"كليشه\u200Cى Zephyrane"_s);
            grid->show();
            QVERIFY(QTest::qWaitFor([&] {
                return grid->horizontalHeader()->height() >
                       plainHeader + grid->fontMetrics().height();
            }));
            // The rows begin below the caption and the headers.
            QVERIFY(grid->viewport()->geometry().top() >=
                    grid->horizontalHeader()->geometry().bottom());
        }
        control<QAction>(w, u"En"_s)->trigger();
        QCOMPARE(control<RecordGrid>(w, u"DBGrid1"_s)->caption(), u"Leg Zephyrane"_s);
    }

    // A screen reader hears the controls in the interface language: a caption without its
    // placing blanks, a label's caption for the box beside it, and for a pane, a grid's
    // headers and a bold box the texts given for them.
    void accessibleTextsFollowTheLanguage_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Arabic") << Action::Ar
                                << QStringList{
                                       u"الآية"_s,
                                       u"الآية المختارة مع اسم سورتها ورقمها، للقراءة فقط."_s,
                                       u"قائمة Zephyrane"_s,
                                       u"قائمة الايات"_s,
                                       u"واضح"_s,
                                       u"حروف عريضة في مربع التفسير العربي."_s,
                                       u"السورة الأولى"_s,
                                       u"سطر"_s};
        QTest::newRow("Kurdish")
            << Action::Ku
            << QStringList{
                   u"ئایەت"_s,
                   u"ئایەتی هەڵبژێردراو لەگەڵ ناوی سوورەتەکەی و ژمارەکەی، تەنها بۆ خوێندنەوە."_s,
                   u"كليشه\u200Cى Zephyrane"_s,
                   u"چوار چيوه\u200Cى ئايه\u200Cت"_s,
                   u"ئه\u200Cستور"_s,
                   u"پیتی ئەستوور لە چوارچێوەی تەفسیری عەرەبی."_s,
                   u"یەکەم سوورەت"_s,
                   u"ديّـر"_s};
    }
    void accessibleTextsFollowTheLanguage() {
        QFETCH(Action, action);
        QFETCH(QStringList, expected);
        MainWindowFixture fx(Stored{{u"Lang"_s, u"English"_s}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        const auto spoken = [&w] {
            const auto* pane = control<QWidget>(w, u"Text4"_s);
            const auto* bold = control<QWidget>(w, u"Check1"_s);
            return QStringList{pane->accessibleName(),
                               pane->accessibleDescription(),
                               control<RecordGrid>(w, u"DBGrid1"_s)
                                   ->model()
                                   ->headerData(0, Qt::Horizontal, Qt::AccessibleTextRole)
                                   .toString(),
                               control<QWidget>(w, u"Frame1"_s)->accessibleName(),
                               bold->accessibleName(),
                               bold->accessibleDescription(),
                               w.surat1()->Combo1->accessibleName(),
                               w.surat1()->findChild<QWidget*>(u"Check5"_s)->accessibleName()};
        };
        const QStringList english = spoken();
        QCOMPARE(english.first(), u"Verse"_s);
        run(w, action);
        QCOMPARE(spoken(), expected);
        run(w, Action::En);
        QCOMPARE(spoken(), english);
    }

    void panesReadingOrderOneSecondAfterStart_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("Arabic") << kArabic;
        QTest::newRow("English") << u"English"_s;
        QTest::newRow("Kurdish") << kKurdish;
        QTest::newRow("none") << u"x"_s;
    }
    void panesReadingOrderOneSecondAfterStart() {
        QFETCH(QString, stored);
        MainWindowFixture fx(Stored{{u"Lang"_s, stored}});
        Quran1& w = *fx.window;
        QVERIFY(startedUp(w));
        QVERIFY(control<QTimer>(w, u"Timer5"_s)->isActive());
        QCOMPARE(control<QTimer>(w, u"Timer5"_s)->interval(), 1000);
        QVERIFY(QTest::qWaitFor([&] { return !control<QTimer>(w, u"Timer5"_s)->isActive(); }));
        const std::pair<QPlainTextEdit*, Qt::LayoutDirection> panes[] = {
            {control<QPlainTextEdit>(w, u"Text4"_s), Qt::RightToLeft},
            {control<QPlainTextEdit>(w, u"Te1"_s), Qt::RightToLeft},
            {control<QPlainTextEdit>(w, u"TE2"_s), Qt::RightToLeft},
            {control<QPlainTextEdit>(w, u"TE3"_s), Qt::LeftToRight}};
        for (const auto& [pane, direction] : panes) {
            QCOMPARE(pane->document()->defaultTextOption().textDirection(), direction);
            QCOMPARE(pane->layoutDirection(), direction);
        }
    }
};

QTEST_MAIN(TestInterfaceLanguages)
#include "test_interface_languages.moc"
