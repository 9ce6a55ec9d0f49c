// The main window's shell: its controls at creation, the two modes, the menus and the exit.
#include <xcb/xcb.h>
#include <QAbstractItemView>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>
#include <cstring>

#include "MainWindowFixture.h"
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
    for (const QWidget* c :
         {static_cast<const QWidget*>(w.Text), static_cast<const QWidget*>(w.DBGrid1),
          static_cast<const QWidget*>(w.Combo1), static_cast<const QWidget*>(w.Adad1),
          static_cast<const QWidget*>(w.Text8), static_cast<const QWidget*>(w.List2),
          static_cast<const QWidget*>(w.Command14), static_cast<const QWidget*>(w.DBGrid2)})
        state += c->isHidden() ? u'-' : u'V';
    state += w.Command1->isEnabled() ? u"E"_s : u"d"_s;
    state += w.Command2->isEnabled() ? u"E"_s : u"d"_s;
    return state;
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
        QCOMPARE(w.Frame1->geometry(), QRect(5, 0, 689, 185));
        QCOMPARE(w.Frame3->geometry(), QRect(5, 411, 689, 110));
        QCOMPARE(w.Frame5->geometry(), QRect(349, 187, 345, 222));
        QCOMPARE(w.Frame2->geometry(), QRect(697, 0, 265, 513));
        QCOMPARE(w.mode(), MainWindowMode::Search);
        QCOMPARE(modeState(w), kSearchColumn);
        QCOMPARE(w.Te, u"No"_s);
        QCOMPARE(w.Adad1->text(), u"0"_s);
        QCOMPARE(w.Text8->text(), u" أيـــة "_s);
        QCOMPARE(w.Command14->text(), u"نسخ سورة"_s);
        QVERIFY(w.Timer3.isActive());

        const QStringList sizes = {u"8"_s,  u"9"_s,  u"10"_s, u"11"_s, u"12"_s, u"13"_s,
                                   u"14"_s, u"16"_s, u"18"_s, u"20"_s, u"22"_s, u"24"_s,
                                   u"26"_s, u"28"_s, u"30"_s, u"32"_s, u"34"_s, u"36"_s,
                                   u"38"_s, u"40"_s, u"42"_s, u"44"_s};
        for (const QComboBox* list : {w.Combo6, w.Combo7, w.Combo8, w.Combo9})
            QCOMPARE(items(list), sizes);
        QCOMPARE(items(w.Combo2).size(), 9);
        QCOMPARE(items(w.Combo2).last(), u"Traditional Arabic-Q"_s);
        QCOMPARE(items(w.Combo3), items(w.Combo2).mid(0, 8));
        QCOMPARE(items(w.Combo4),
                 (QStringList{u"Courier"_s, u"Quran Kurdish Tafseer"_s, u"Tahoma-K"_s}));
        QCOMPARE(items(w.Combo5).size(), 10);
        QCOMPARE(items(w.Combo5)[3], u"Fixedsys"_s);
        QCOMPARE(w.Combo1->count(), 114);
        QCOMPARE(w.Combo1->currentIndex(), -1);

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
        QCOMPARE(w.Text->text(), u"الرحمن"_s);
        QCOMPARE(w.Te, u"الرحمن"_s);
        QVERIFY(w.sources.Data1->recordCount() > 0);
        QCOMPARE(w.Combo5->currentText(), u"Arial"_s);
        QCOMPARE(w.Combo8->currentText(), u"30"_s);
        QCOMPARE(w.Combo6->currentIndex(), -1);  // 15 is no entry
        QCOMPARE(w.Label3->text(), u"112"_s);
        QVERIFY(fx.settle());
        QCOMPARE(fx.storedValue(u"AiaNo"_s), u"15"_s);
        w.Combo8->setCurrentIndex(w.Combo8->findText(u"44"_s));
        w.Combo2->setEditText(u"Typed Font"_s);
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
        const auto [left, right] = inkColumns(w.Text, w.Text->rect());
        QVERIFY2(left > w.Text->width() / 2 && right > w.Text->width() - 16,
                 qPrintable(u"ink from %1 to %2"_s.arg(left).arg(right)));

        w.Command2->click();
        QVERIFY(fx.settle());
        w.Combo1->lineEdit()->clear();
        MainWindowFixture::type(w.Combo1->lineEdit(), text);
        const auto [boxLeft, boxRight] =
            inkColumns(w.Combo1->lineEdit(), w.Combo1->lineEdit()->rect());
        QVERIFY(boxLeft > w.Combo1->lineEdit()->width() / 2);
        w.Combo1->setCurrentIndex(0);
        w.Combo1->showPopup();
        QAbstractItemView* list = w.Combo1->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect first = list->visualRect(list->model()->index(1, 0));  // not highlighted
        const auto [itemLeft, itemRight] = inkColumns(list->viewport(), first);
        QVERIFY2(itemLeft > first.width() / 3 && itemRight > first.width() - 24,
                 qPrintable(
                     u"ink from %1 to %2 of %3"_s.arg(itemLeft).arg(itemRight).arg(first.width())));
        w.Combo1->hidePopup();
    }

    void readingAndSearchModes() {
        MainWindowFixture fx(Stored{{u"Sura"_s, QString()}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Command2->click();
        QCOMPARE(w.mode(), MainWindowMode::Reading);
        QCOMPARE(modeState(w), kReadingColumn);
        // No stored position and an empty Label3 choose the first surah.
        QCOMPARE(w.Combo1->currentIndex(), 0);
        QCOMPARE(w.Label3->text(), u"0"_s);
        QVERIFY(w.surat1()->isHidden());
        QCOMPARE(w.surat1()->Label1->text(), QString());
        w.Command1->click();
        QCOMPARE(modeState(w), kSearchColumn);
    }

    // Each pane shows its own coloured ground, also where no text covers it.
    void panesShowTheirGround() {
        MainWindowFixture fx;
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Text->setText(u"ظظظظ"_s);  // matches no verse
        QVERIFY(fx.settle());
        const QImage shot = w.grab().toImage();
        const QColor olive(0x40, 0x40, 0x00);
        const QColor teal(0x00, 0x40, 0x40);
        const std::pair<QPlainTextEdit*, QColor> panes[] = {
            {w.Text4, olive}, {w.Te1, teal}, {w.TE2, teal}, {w.TE3, teal}};
        for (const auto& [pane, colour] : panes) {
            QVERIFY(pane->toPlainText().isEmpty());
            const QWidget* viewport = pane->viewport();
            for (const QPoint corner : {viewport->rect().topLeft(), viewport->rect().bottomRight()})
                QCOMPARE(shot.pixelColor(viewport->mapTo(&w, corner)), colour);
        }
        // And the empty result grid its white ground.
        const QWidget* grid = w.DBGrid1->viewport();
        QCOMPARE(shot.pixelColor(grid->mapTo(&w, grid->rect().bottomRight())), QColor(Qt::white));
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
        fx.window->Command2->click();
        QCOMPARE(fx.window->Combo1->currentIndex(), selected);
    }

    void suratItemOpensTheCopyWindowModally() {
        MainWindowFixture fx(Stored{{u"Sura"_s, u"1"_s}});
        Quran1& w = *fx.window;
        QVERIFY(fx.settle());
        w.Surat->trigger();
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
        fx.window->End1->trigger();
    } else if (how == u"close"_s) {
        fx.window->close();
    } else {
        if (how == u"about"_s)
            fx.window->Command3->trigger();
        else
            fx.window->Surat->trigger();
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
