// The main window's shell: its controls at creation, the two modes, the menus and the exit.
#include <xcb/xcb.h>
#include <QAbstractItemView>
#include <QClipboard>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <cstring>

#include "MainWindowFixture.h"
#include "PaneTextLayout.h"
#include "PrivateXServer.h"
#include "RecordGrid.h"
#include "SurahBox.h"
#include "Surat1.h"

using namespace Qt::StringLiterals;

namespace {

QStringList items(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

QStringList menuTree(const QMenuBar* bar) {
    QStringList lines;
    std::function<void(const QList<QAction*>&, const QString&)> walk =
        [&](const QList<QAction*>& actions, const QString& indent) {
            for (QAction* action : actions) {
                QObject* named = action->menu() ? static_cast<QObject*>(action->menu()) : action;
                lines.append(indent + named->objectName() + u'=' + action->text());
                if (action->menu())
                    walk(action->menu()->actions(), indent + u"  "_s);
            }
        };
    walk(bar->actions(), QString());
    return lines;
}

// Which controls a mode shows and enables, as one comparable text.
QString modeState(const Quran1& w) {
    QString state;
    for (const QWidget* c : {static_cast<const QWidget*>(control<QLineEdit>(w, u"Text"_s)),
                             static_cast<const QWidget*>(control<RecordGrid>(w, u"DBGrid1"_s)),
                             static_cast<const QWidget*>(control<SurahBox>(w, u"Combo1"_s)),
                             static_cast<const QWidget*>(control<QLineEdit>(w, u"Adad1"_s)),
                             static_cast<const QWidget*>(control<QLineEdit>(w, u"Text8"_s)),
                             static_cast<const QWidget*>(control<QLabel>(w, u"List2"_s)),
                             static_cast<const QWidget*>(control<QPushButton>(w, u"Command14"_s)),
                             static_cast<const QWidget*>(control<RecordGrid>(w, u"DBGrid2"_s))})
        state += c->isHidden() ? u'-' : u'V';
    state += control<QPushButton>(w, u"Command1"_s)->isEnabled() ? u"E"_s : u"d"_s;
    state += control<QPushButton>(w, u"Command2"_s)->isEnabled() ? u"E"_s : u"d"_s;
    return state;
}

// The object names the focus goes to on `presses` presses of `key`, from `start`.
QStringList focusSteps(QWidget* start, Qt::Key key, qsizetype presses) {
    start->setFocus(Qt::TabFocusReason);
    QStringList steps;
    for (qsizetype i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        steps.append(QApplication::focusWidget()->objectName());
    }
    return steps;
}

// The controls of `window` a Tab can reach: shown, enabled and taking the focus by Tab.
QStringList tabStops(const QWidget& window) {
    QStringList stops;
    for (const QWidget* c : window.findChildren<QWidget*>()) {
        if (c->window() == &window && c->isVisible() && c->isEnabled() && !c->focusProxy() &&
            (c->focusPolicy() & Qt::TabFocus))
            stops.append(c->objectName());
    }
    stops.sort();
    return stops;
}

// Tab goes once round `round` (each stop a reachable control of `window`, every one of them
// there) and back to its first; Shift+Tab goes the same way backwards.
void checkTabRound(QWidget& window, const QStringList& round) {
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList sorted = round;
    sorted.sort();
    QCOMPARE(tabStops(window), sorted);
    QWidget* first = window.findChild<QWidget*>(round.front());
    QCOMPARE(focusSteps(first, Qt::Key_Tab, round.size()), round.mid(1) << round.front());
    QStringList back(round.rbegin(), round.rend());
    QCOMPARE(focusSteps(first, Qt::Key_Backtab, round.size()), back);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// Asks to close `window` as a window manager does when the user clicks its close button.
void sendCloseRequest(QWidget* window) {
    xcb_connection_t* connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window->winId());
    request.type = atom(connection, "WM_PROTOCOLS");
    request.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    request.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, request.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

// The leftmost and rightmost columns of dark ink in the middle band of what `widget` shows,
// inside its frame.
std::pair<int, int> inkColumns(QWidget* widget, const QRect& area) {
    const QImage shot = widget->grab(area).toImage();
    int left = shot.width();
    int right = -1;
    for (int y = shot.height() / 4; y < shot.height() * 3 / 4; ++y) {
        for (int x = 3; x < shot.width() - 3; ++x) {
            if (qGray(shot.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// Where the controls of a frame, or the frames of the window, cross each other or stand out
// of their parent.
QStringList overlaps(const QWidget* parent) {
    QStringList found;
    QList<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisibleTo(parent) || child->isWindow() || child->geometry().isEmpty())
            continue;
        if (!parent->rect().contains(child->geometry()))
            found.append(child->objectName() + u" outside "_s + parent->objectName());
        for (const QWidget* other : shown) {
            if (other->geometry().intersects(child->geometry()))
                found.append(child->objectName() + u" over "_s + other->objectName());
        }
        shown.append(child);
        if (qobject_cast<const QGroupBox*>(child))
            found += overlaps(child);
    }
    return found;
}

const QString kSearchColumn = u"VV------dE"_s;
const QString kReadingColumn = u"--VVVVVVEd"_s;

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void creationState() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
        Quran1& w = *fx.window;
        QCOMPARE(w.windowTitle(), u"Zephyrane"_s);
        QCOMPARE(w.centralWidget()->size(), QSize(970, 525));
        QCOMPARE(control<QGroupBox>(w, u"Frame1"_s)->geometry(), QRect(5, 0, 689, 185));
        QCOMPARE(control<QGroupBox>(w, u"Frame3"_s)->geometry(), QRect(5, 411, 689, 110));
        QCOMPARE(control<QGroupBox>(w, u"Frame5"_s)->geometry(), QRect(349, 187, 345, 222));
        QCOMPARE(control<QGroupBox>(w, u"Frame2"_s)->geometry(), QRect(697, 0, 265, 513));
        QCOMPARE(w.mode(), MainWindowMode::Search);
        QCOMPARE(modeState(w), kSearchColumn);
        QCOMPARE(w.Te, u"No"_s);
        QCOMPARE(control<QLineEdit>(w, u"Adad1"_s)->text(), u"0"_s);
        QCOMPARE(control<QLineEdit>(w, u"Text8"_s)->text(), u" أيـــة "_s);
        QCOMPARE(control<QPushButton>(w, u"Command14"_s)->text(), u"نسخ سورة"_s);
        QVERIFY(control<QTimer>(w, u"Timer3"_s)->isActive());

        const QStringList sizes = {u"8"_s,  u"9"_s,  u"10"_s, u"11"_s, u"12"_s, u"13"_s,
                                   u"14"_s, u"16"_s, u"18"_s, u"20"_s, u"22"_s, u"24"_s,
                                   u"26"_s, u"28"_s, u"30"_s, u"32"_s, u"34"_s, u"36"_s,
                                   u"38"_s, u"40"_s, u"42"_s, u"44"_s};
        for (const QComboBox* list :
             {control<QComboBox>(w, u"Combo6"_s), control<QComboBox>(w, u"Combo7"_s),
              control<QComboBox>(w, u"Combo8"_s), control<QComboBox>(w, u"Combo9"_s)})
            QCOMPARE(items(list), sizes);
        QCOMPARE(items(control<QComboBox>(w, u"Combo2"_s)).size(), 9);
        QCOMPARE(items(control<QComboBox>(w, u"Combo2"_s)).last(), u"Traditional Arabic-Q"_s);
        QCOMPARE(items(control<QComboBox>(w, u"Combo3"_s)),
                 items(control<QComboBox>(w, u"Combo2"_s)).mid(0, 8));
        QCOMPARE(items(control<QComboBox>(w, u"Combo4"_s)),
                 (QStringList{u"Courier"_s, u"Quran Kurdish Tafseer"_s, u"Tahoma-K"_s}));
        QCOMPARE(items(control<QComboBox>(w, u"Combo5"_s)).size(), 10);
        QCOMPARE(items(control<QComboBox>(w, u"Combo5"_s))[3], u"Fixedsys"_s);
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->count(), 114);
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), -1);

        const QStringList menus = {u"File=      <<  File >>"_s,
                                   u"  Surat=Surat(s)  Copy"_s,
                                   u"  Copy=Copy   "_s,
                                   u"    CopyA=                 Copy A'ia"_s,
                                   u"    CopyAA=  Copy A'ia + Arabic"_s,
                                   u"    CopyAE= Copy A'ia + English"_s,
                                   u"    CopyAK=Copy A'ia + Kurdish"_s,
                                   u"  Reset1=Reset"_s,
                                   u"  End1=End"_s,
                                   u"Lang=<<Language>>"_s,
                                   u"  Ar=عربي "_s,
                                   u"  En=English "_s,
                                   u"  Ku=كوردى "_s,
                                   u"Help1=Help"_s,
                                   u"  Command3=About"_s,
                                   u"  Web3=Home Page"_s,
                                   u"    Web1=Home Page"_s,
                                   u"    Web2=Home Page"_s,
                                   u"SearchMenu=Search"_s,
                                   u"  TolerantSearch=Ignore letter forms and vowels"_s,
                                   u"  ="_s,
                                   u"  SearchVerses=Search the verses"_s,
                                   u"  SearchArabic=Search the Arabic explanation"_s,
                                   u"  SearchKurdish=Search the Kurdish explanation"_s,
                                   u"  SearchEnglish=Search the English explanation"_s,
                                   u"  ="_s,
                                   u"  GoToVerse=Go to Verse…"_s};
        QCOMPARE(menuTree(w.menuBar()), menus);
    }

    // The settings row's values reach the bound controls when the window is created.
    void boundControlsTakeTheSettingsRow() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, u"الرحمن"_s},
                                    {u"Eng"_s, u"Arial"_s},
                                    {u"KurdNo"_s, u"30"_s},
                                    {u"AiaNo"_s, u"15"_s},
                                    {u"Sura"_s, u"112"_s}});
        Quran1& w = *fx.window;
        QCOMPARE(control<QLineEdit>(w, u"Text"_s)->text(), u"الرحمن"_s);
        QCOMPARE(w.Te, u"الرحمن"_s);
        QVERIFY(w.sources.Data1->recordCount() > 0);
        QCOMPARE(control<QComboBox>(w, u"Combo5"_s)->currentText(), u"Arial"_s);
        QCOMPARE(control<QComboBox>(w, u"Combo8"_s)->currentText(), u"30"_s);
        QCOMPARE(control<QComboBox>(w, u"Combo6"_s)->currentIndex(), -1);  // 15 is no entry
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"112"_s);
        QVERIFY(fx.settle());
        QCOMPARE(fx.storedValue(u"AiaNo"_s), u"15"_s);
        control<QComboBox>(w, u"Combo8"_s)
            ->setCurrentIndex(control<QComboBox>(w, u"Combo8"_s)->findText(u"44"_s));
        control<QComboBox>(w, u"Combo2"_s)->setEditText(u"Typed Font"_s);
        QCOMPARE(fx.storedValue(u"KurdNo"_s), u"44"_s);
        QCOMPARE(fx.storedValue(u"Aia"_s), u"Typed Font"_s);
    }

    // Latin or Arabic, the search box shows its text at its right edge; the surah list shows
    // its entries on the same side as its box.
    void searchBoxAndSurahListKeepToTheRight_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("Latin") << u"abc"_s;
        QTest::newRow("Arabic") << u"الرحمن"_s;
    }
    void searchBoxAndSurahListKeepToTheRight() {
        QFETCH(QString, text);
        MainWindowFixture fx(Stored{{u"Kalima"_s, text}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        const auto [left, right] =
            inkColumns(control<QLineEdit>(w, u"Text"_s), control<QLineEdit>(w, u"Text"_s)->rect());
        QVERIFY2(left > control<QLineEdit>(w, u"Text"_s)->width() / 2 &&
                     right > control<QLineEdit>(w, u"Text"_s)->width() - 16,
                 qPrintable(u"ink from %1 to %2"_s.arg(left).arg(right)));

        control<QPushButton>(w, u"Command2"_s)->click();
        QVERIFY(fx.settle());
        control<SurahBox>(w, u"Combo1"_s)->lineEdit()->clear();
        MainWindowFixture::type(control<SurahBox>(w, u"Combo1"_s)->lineEdit(), text);
        const auto [boxLeft, boxRight] =
            inkColumns(control<SurahBox>(w, u"Combo1"_s)->lineEdit(),
                       control<SurahBox>(w, u"Combo1"_s)->lineEdit()->rect());
        QVERIFY(boxLeft > control<SurahBox>(w, u"Combo1"_s)->lineEdit()->width() / 2);
        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(0);
        control<SurahBox>(w, u"Combo1"_s)->showPopup();
        QAbstractItemView* list = control<SurahBox>(w, u"Combo1"_s)->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect first = list->visualRect(list->model()->index(1, 0));  // not highlighted
        const auto [itemLeft, itemRight] = inkColumns(list->viewport(), first);
        QVERIFY2(itemLeft > first.width() / 3 && itemRight > first.width() - 24,
                 qPrintable(
                     u"ink from %1 to %2 of %3"_s.arg(itemLeft).arg(itemRight).arg(first.width())));
        control<SurahBox>(w, u"Combo1"_s)->hidePopup();
    }

    void readingAndSearchModes() {
        MainWindowFixture fx(Stored{{u"Sura"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        control<QPushButton>(w, u"Command2"_s)->click();
        QCOMPARE(w.mode(), MainWindowMode::Reading);
        QCOMPARE(modeState(w), kReadingColumn);
        // No stored position and an empty Label3 choose the first surah.
        QCOMPARE(control<SurahBox>(w, u"Combo1"_s)->currentIndex(), 0);
        QCOMPARE(control<QLabel>(w, u"Label3"_s)->text(), u"0"_s);
        QVERIFY(w.surat1()->isHidden());
        QCOMPARE(w.surat1()->Label1->text(), QString());
        control<QPushButton>(w, u"Command1"_s)->click();
        QCOMPARE(modeState(w), kSearchColumn);
    }

    // Each pane shows its own coloured ground, also where no text covers it.
    void panesShowTheirGround() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        control<QLineEdit>(w, u"Text"_s)->setText(u"ظظظظ"_s);  // matches no verse
        QVERIFY(fx.settle());
        const QImage shot = w.grab().toImage();
        const QColor olive(0x40, 0x40, 0x00);
        const QColor teal(0x00, 0x40, 0x40);
        const std::pair<QPlainTextEdit*, QColor> panes[] = {
            {control<QPlainTextEdit>(w, u"Text4"_s), olive},
            {control<QPlainTextEdit>(w, u"Te1"_s), teal},
            {control<QPlainTextEdit>(w, u"TE2"_s), teal},
            {control<QPlainTextEdit>(w, u"TE3"_s), teal}};
        for (const auto& [pane, colour] : panes) {
            QVERIFY(pane->toPlainText().isEmpty());
            const QWidget* viewport = pane->viewport();
            for (const QPoint corner : {viewport->rect().topLeft(), viewport->rect().bottomRight()})
                QCOMPARE(shot.pixelColor(viewport->mapTo(&w, corner)), colour);
        }
        // And the empty result grid its white ground.
        const QWidget* grid = control<RecordGrid>(w, u"DBGrid1"_s)->viewport();
        QCOMPARE(shot.pixelColor(grid->mapTo(&w, grid->rect().bottomRight())), QColor(Qt::white));
    }

    // A larger window gives the panes the extra height and width and the grids the extra
    // height; a smaller one, down to the least size, keeps every control inside its frame.
    // At every size in the lists each pane shows a whole line and scrolls by the wheel.
    void followsTheWindowSize() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        const QSize opened = w.size();
        const QStringList grown = {u"Text4"_s, u"TE2"_s, u"Te1"_s, u"TE3"_s, u"DBGrid1"_s};
        std::map<QString, QRect> designed;
        for (const QString& name : grown)
            designed[name] = control<QWidget>(w, name)->geometry();
        const QRect frame2 = control<QGroupBox>(w, u"Frame2"_s)->geometry();
        // The two explanation frames share a pixel column as made.
        const QStringList madeOverlaps = overlaps(w.centralWidget());
        QCOMPARE(madeOverlaps, QStringList{u"Frame5 over Frame4"_s});

        w.resize(1600, 1000);
        QVERIFY(QTest::qWaitFor([&] { return w.centralWidget()->width() > 1500; }));
        for (const QString& name : grown) {
            const QRect now = control<QWidget>(w, name)->geometry();
            QVERIFY2(now.height() > designed[name].height() + 100, qPrintable(name));
            QVERIFY2(name == u"DBGrid1"_s ? now.width() == designed[name].width()
                                          : now.width() > designed[name].width() + 250,
                     qPrintable(name));
        }
        QCOMPARE(control<QGroupBox>(w, u"Frame2"_s)->width(), frame2.width());
        QCOMPARE(overlaps(w.centralWidget()), madeOverlaps);

        const QSize least = w.minimumSize();
        QVERIFY2(least.width() <= 960 && least.height() <= 540,
                 qPrintable(u"%1x%2"_s.arg(least.width()).arg(least.height())));
        w.resize(least);
        QVERIFY(QTest::qWaitFor([&] { return w.size() == least; }));
        QCOMPARE(overlaps(w.centralWidget()), madeOverlaps);
        w.resize(opened);
        QVERIFY(QTest::qWaitFor([&] { return w.size() == opened; }));
        for (const QString& name : grown)
            QCOMPARE(control<QWidget>(w, name)->geometry(), designed[name]);

        QString verses;
        for (int i = 0; i < 60; ++i)
            verses += u"( بِسْمِ اللَّهِ الرَّحْمَٰنِ الرَّحِيمِ ) الفاتحة 1] - In the Name of Allah "_s;
        const QStringList panes = {u"Text4"_s, u"Te1"_s, u"TE2"_s, u"TE3"_s};
        const QStringList sizeLists = {u"Combo6"_s, u"Combo7"_s, u"Combo8"_s, u"Combo9"_s};
        for (int entry = 0; entry < control<QComboBox>(w, u"Combo6"_s)->count(); ++entry) {
            for (const QString& list : sizeLists)
                control<QComboBox>(w, list)->setCurrentIndex(entry);
            QVERIFY(QTest::qWaitFor([&] { return !control<QTimer>(w, u"Timer2"_s)->isActive(); }));
            for (const QString& name : panes) {
                auto* pane = control<QPlainTextEdit>(w, name);
                PaneTextLayout::replaceText(pane, verses);
                const QString where = name + u" at "_s + pane->font().toString();
                // The window takes its new least size through the window system.
                const auto wholeLineShown = [pane] {
                    const QTextLine first = pane->document()->firstBlock().layout()->lineAt(0);
                    return first.isValid() &&
                           pane->viewport()->height() >=
                               first.height() + 2 * pane->document()->documentMargin();
                };
                QVERIFY2(QTest::qWaitFor(wholeLineShown, 2000), qPrintable(where));
                QScrollBar* bar = pane->verticalScrollBar();
                QVERIFY2(bar->pageStep() >= 1 && bar->maximum() > 0 &&
                             bar->maximum() < pane->document()->lineCount(),
                         qPrintable(where));
                QWheelEvent wheel(QPointF(10, 10), pane->viewport()->mapToGlobal(QPointF(10, 10)),
                                  QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(pane->viewport(), &wheel);
                QVERIFY2(bar->value() > 0, qPrintable(where));
            }
        }
        QCOMPARE(overlaps(w.centralWidget()), madeOverlaps);
    }

    // Label3's position is chosen first (and stored); the stored position is read after.
    void storedPositionOutsideTheListIsSkipped_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("selected");
        QTest::newRow("label chosen and stored") << u"5"_s << u"113"_s << 5;
        QTest::newRow("label skipped, stored chosen") << u"200"_s << u"113"_s << 113;
        QTest::newRow("both above 113") << u"200"_s << u"114"_s << -1;
        QTest::newRow("both below -1") << u"-7"_s << u"-2"_s << -1;
        QTest::newRow("half to even") << u"2.5"_s << QString() << 2;
        QTest::newRow("rounded up") << u"6.6"_s << QString() << 7;
        QTest::newRow("minus one and nothing stored") << u"-1"_s << QString() << 0;
        QTest::newRow("minus one stored") << u"-1"_s << u"-1"_s << -1;
        QTest::newRow("garbage reads 0") << u"x"_s << u"junk"_s << 0;
    }
    void storedPositionOutsideTheListIsSkipped() {
        QFETCH(QString, label);
        QFETCH(QString, stored);
        QFETCH(int, selected);
        MainWindowFixture fx(Stored{{u"Sura"_s, label}}, stored);
        control<QPushButton>(*fx.window, u"Command2"_s)->click();
        QCOMPARE(control<SurahBox>(*fx.window, u"Combo1"_s)->currentIndex(), selected);
    }

    void suratItemOpensTheCopyWindowModally() {
        MainWindowFixture fx(Stored{{u"Sura"_s, u"1"_s}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        control<QAction>(w, u"Surat"_s)->trigger();
        QCOMPARE(w.mode(), MainWindowMode::Reading);
        Surat1* copyWindow = w.surat1();
        QVERIFY(copyWindow->isVisible());
        QCOMPARE(copyWindow->windowModality(), Qt::ApplicationModal);
        QCOMPARE(copyWindow->Combo1->currentIndex(), 1);
        QCOMPARE(copyWindow->Combo3->currentIndex(), 1);
        copyWindow->close();
        QVERIFY(QTest::qWaitFor([&] { return !w.findChild<Surat1*>(); }));
        // The next reference creates it anew, hidden.
        QVERIFY(w.surat1()->isHidden());
    }

    // Tab goes right to left through the frames, top down in each, over the controls of the
    // mode alone; a grid passes it on. The surah copy window keeps its boxes' reading order.
    void tabRoundInBothModes() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        QApplication::setActiveWindow(&w);
        const QStringList panes = {u"Text4"_s,    u"Combo2"_s,   u"Combo6"_s,    u"Check0"_s,
                                   u"Command4"_s, u"Command8"_s, u"Command7"_s,  u"Command6"_s,
                                   u"Command5"_s, u"Te1"_s,      u"Combo3"_s,    u"Combo7"_s,
                                   u"Check1"_s,   u"Command9"_s, u"TE2"_s,       u"Combo4"_s,
                                   u"Combo8"_s,   u"Check3"_s,   u"Command10"_s, u"TE3"_s,
                                   u"Combo5"_s,   u"Combo9"_s,   u"Check2"_s,    u"Command11"_s};
        checkTabRound(w, QStringList{u"Command2"_s, u"Text"_s, u"DBGrid1"_s} + panes);
        control<QPushButton>(w, u"Command2"_s)->click();
        checkTabRound(
            w, QStringList{u"Command1"_s, u"Combo1"_s, u"Adad1"_s, u"Command14"_s, u"DBGrid2"_s} +
                   panes);

        Surat1* copyWindow = w.surat1();
        copyWindow->show();
        QApplication::setActiveWindow(copyWindow);
        checkTabRound(*copyWindow,
                      {u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s, u"Check5"_s, u"Check1"_s,
                       u"Check4"_s, u"Check3"_s, u"Check2"_s, u"Command4"_s, u"Command5"_s,
                       u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Te1"_s});
    }

    // The common commands' keys reach them from the search box too, whose own keys they
    // must not be; F10 opens the first menu.
    void shortcutsOfTheCommonCommands() {
        MainWindowFixture fx(Stored{{u"Kalima"_s, u"الرحمن"_s}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* box = control<QLineEdit>(w, u"Text"_s);
        box->setFocus();
        const std::pair<Qt::Key, const char16_t*> copies[] = {{Qt::Key_C, u"Command4"},
                                                              {Qt::Key_A, u"Command8"}};
        for (const auto& [key, button] : copies) {
            QGuiApplication::clipboard()->clear();
            control<QPushButton>(w, QString::fromUtf16(button))->click();
            const QString byButton = QGuiApplication::clipboard()->text();
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(box, key, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(!byButton.isEmpty());
            QCOMPARE(QGuiApplication::clipboard()->text(), byButton);
        }

        control<QPushButton>(w, u"Command2"_s)->click();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(w.mode(), MainWindowMode::Search);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->selectedText(), u"الرحمن"_s);

        QTest::keyClick(box, Qt::Key_F10);
        QCOMPARE(w.menuBar()->activeAction(), control<QMenu>(w, u"File"_s)->menuAction());
        QVERIFY(QTest::qWaitFor([&] { return control<QMenu>(w, u"File"_s)->isVisible(); }));
        QTest::keyClick(control<QMenu>(w, u"File"_s), Qt::Key_Escape);

        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.mode(), MainWindowMode::Reading);
        QVERIFY(w.surat1()->isVisible());
        w.surat1()->close();
    }

    // Ending the program, from the menu or the close button, ends the process at once, also
    // while a modal window is open; the window manager's requests need a real display.
    void exitEndsTheProcess_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("End1") << u"end"_s;
        QTest::newRow("close") << u"close"_s;
        QTest::newRow("close request over the about window") << u"about"_s;
        QTest::newRow("close request over the surah copy window") << u"surat"_s;
    }
    void exitEndsTheProcess() {
        QFETCH(QString, how);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        std::optional<PrivateXServer> server;
        if (how == u"about" || how == u"surat") {
            server.emplace();
            QVERIFY2(!server->display().isEmpty(), "Xvfb starts");
            environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            environment.insert(u"DISPLAY"_s, server->display());
        }
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {u"--exit-by"_s, how});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("before\n"));
    }
};

// Child process for exitEndsTheProcess: opens the window, then ends the program.
static int exitChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    MainWindowFixture fx;
    fx.settle();
    fputs("before\n", stdout);
    const QString how = QCoreApplication::arguments().value(2);
    if (how == u"end"_s) {
        control<QAction>(*fx.window, u"End1"_s)->trigger();
    } else if (how == u"close"_s) {
        fx.window->close();
    } else {
        if (how == u"about"_s)
            control<QAction>(*fx.window, u"Command3"_s)->trigger();
        else
            control<QAction>(*fx.window, u"Surat"_s)->trigger();
        sendCloseRequest(fx.window.get());
        // A request the window ignores leaves the program running; this ends the wait (not by
        // quit(), which closes the windows).
        QTimer::singleShot(20000, [] {
            fputs("ignored\n", stdout);
            fflush(stdout);
            std::_Exit(3);
        });
        app.exec();
    }
    fputs("after\n", stdout);  // never reached
    return 3;
}

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--exit-by") == 0)
        return exitChild(argc, argv);
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
