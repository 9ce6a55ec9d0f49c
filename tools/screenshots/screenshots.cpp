// Pictures of the program as a reader sees it, for the README: the main window searching and
// reading in each interface language, the Search menu's additions, and the two copy windows. Taken
// from the screen, so run it on a real or virtual display:
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/tools/screenshots/screenshots docs/screenshots
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTextStream>

#include "Copy1.h"
#include "FontSubstitutions.h"
#include "GoToVerseDialog.h"
#include "MainWindowFixture.h"
#include "RecordGrid.h"
#include "SearchCaptions.h"
#include "SurahBox.h"
#include "SurahCatalogue.h"
#include "Surat1.h"

using namespace Qt::StringLiterals;

namespace {

bool save(QWidget* window, const QString& path) {
    QTest::qWait(300);  // the window manager places and paints it
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    return !shot.isNull() && shot.save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: screenshots FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        err << "cannot make " << folder.path() << '\n';
        return 1;
    }

    MainWindowFixture fx(Stored{{u"Kalima"_s, QString()}});
    Quran1& w = *fx.window;
    fx.settle();
    QStringList failed;
    auto take = [&](QWidget* window, const QString& name) {
        if (!save(window, folder.filePath(name + u".png"_s)))
            failed.append(name);
    };

    const std::pair<QAction*, QString> languages[] = {{control<QAction>(w, u"Ar"_s), u"arabic"_s},
                                                      {control<QAction>(w, u"Ku"_s), u"kurdish"_s},
                                                      {control<QAction>(w, u"En"_s), u"english"_s}};
    for (const auto& [language, name] : languages) {
        language->trigger();
        control<QPushButton>(w, u"Command1"_s)->click();
        control<QLineEdit>(w, u"Text"_s)->clear();
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), u"الرحمن"_s);
        fx.settle();
        QTest::qWait(2100);  // the count line
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        QTest::keyClick(control<QLineEdit>(w, u"Text"_s), Qt::Key_Down);
        fx.settle();
        take(&w, u"search-"_s + name);

        control<QPushButton>(w, u"Command2"_s)->click();
        control<SurahBox>(w, u"Combo1"_s)->setCurrentIndex(1);
        fx.settle();
        const QModelIndex fifth = control<RecordGrid>(w, u"DBGrid2"_s)->model()->index(4, 0);
        QTest::mouseClick(control<RecordGrid>(w, u"DBGrid2"_s)->viewport(), Qt::LeftButton, {},
                          control<RecordGrid>(w, u"DBGrid2"_s)->visualRect(fifth).center());
        fx.settle();
        take(&w, u"reading-"_s + name);
    }

    // The Search menu's additions, in English: letter forms ignored, the English explanation
    // searched, and the window that goes to a verse.
    const auto menuItem = [&](const QString& name) { return w.findChild<QAction*>(name); };
    const auto searchFor = [&](const QString& word) {
        control<QPushButton>(w, u"Command1"_s)->click();
        control<QLineEdit>(w, u"Text"_s)->clear();
        MainWindowFixture::type(control<QLineEdit>(w, u"Text"_s), word);
        fx.settle();
        QTest::qWait(2100);  // the count line
    };
    menuItem(u"TolerantSearch"_s)->trigger();
    searchFor(u"ابراهيم"_s);
    take(&w, u"search-tolerant"_s);
    menuItem(u"TolerantSearch"_s)->trigger();
    menuItem(u"SearchEnglish"_s)->trigger();
    searchFor(u"mercy"_s);
    take(&w, u"search-english-explanation"_s);
    menuItem(u"SearchVerses"_s)->trigger();
    {
        GoToVerseDialog ask(searchCaptions(UiLanguage::English), Qt::LeftToRight, &w);
        ask.findChild<QLineEdit*>(u"surah"_s)->setText(u"baq"_s);
        ask.findChild<QLineEdit*>(u"verse"_s)->setText(u"255"_s);
        ask.show();
        take(&ask, u"go-to-verse"_s);
    }
    w.goToVerse(SurahCatalogue::instance().rows()[1], 255);
    fx.settle();
    take(&w, u"reading-2-255"_s);

    // The window over the whole screen: the panes and the grids take the room.
    const QRect opened = w.geometry();
    w.setGeometry(w.screen()->availableGeometry());
    searchFor(u"الرحمن"_s);
    take(&w, u"maximised"_s);
    w.setGeometry(opened);

    // The first five verses of Al-Baqarah with their English explanation.
    control<QAction>(w, u"Surat"_s)->trigger();
    Surat1& surahCopy = *w.surat1();
    surahCopy.Combo4->setCurrentIndex(4);
    surahCopy.Check2->click();
    take(&surahCopy, u"surah-copy"_s);
    surahCopy.Command4->click();
    if (QTest::qWaitFor([&] { return !surahCopy.Timer2.isActive(); }, 20000))
        take(surahCopy.copy1(), u"copy"_s);
    else
        failed.append(u"copy"_s);

    for (const QString& name : failed)
        err << "could not take " << name << '\n';
    return failed.isEmpty() ? 0 : 1;
}
