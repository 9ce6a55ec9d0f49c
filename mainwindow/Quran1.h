#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <memory>

#include "CaptionSets.h"
#include "MainWindowMode.h"
#include "PaneTexts.h"
#include "PunctualTimer.h"
#include "Skin.h"
#include "SurahReader.h"

class ClientArea;
class RecordGrid;
class RecordSource;
class SettingsRow;
class SettingsStore;
class SqliteDatabase;
class SurahBox;
class Surat1;
struct Surah;
struct VerseLists;

// What the main window works on: the verse lists of the splash window and the three record
// sources with the settings row, all opened before the window is created.
struct Quran1Sources {
    const VerseLists* verseLists = nullptr;
    RecordSource* Data1 = nullptr;   // search results
    SettingsRow* Data2 = nullptr;    // the settings row
    RecordSource* Data3 = nullptr;   // the verses of one surah
    SettingsStore* store = nullptr;  // the per-user store: last surah, search choices
};

// The working window: search, surah reading, the four panes, copy commands and pane styles.
// Controls keep their names; handlers are named after the control and event they serve.
class Quran1 : public QMainWindow, public SurahReader {
    Q_OBJECT

  public:
    explicit Quran1(const Quran1Sources& sources, QWidget* parent = nullptr);
    ~Quran1() override;

    MainWindowMode mode() const { return mode_; }
    // The surah copy window, created hidden on first reference.
    Surat1* surat1();

    // What the surah copy window asks of the surah reading.
    const VerseLists& verseLists() const override { return *sources.verseLists; }
    void chooseSurah(int index) override;
    void showSurahVerses(const QString& surahText) override;
    void stepVerse(int step) override;
    qint64 currentVerseOrdinal() const override;
    QString verseFontName() const override;

    // Handlers that tests run by name.
    void Command2_Click();   // the reading button: into reading mode
    void Command14_Click();  // the surah copy button: opens the surah copy window
    void Timer1_Timer();     // the search match display: panes and match number

    // Reading mode on `surah`, chosen as the reader would, with verse `verse` shown (its last
    // verse when it has fewer).
    void goToVerse(const Surah& surah, int verse);

    // Hidden fields that are only variables.
    QString Te = QStringLiteral("No");  // the query word
    QString Text15;                     // surah name parsed by the last search refresh
    QString Dat2;                       // its transliteration
    QString dat1;                       // transliteration of the chosen surah
    QString Text6;                      // the count word of the interface language

    // Hidden fields bound to the current records and the settings row.
    QString Text1() const;   // No1 of the search result
    QString Text5() const;   // Num3 of the search result
    QString No0() const;     // No of the search result
    QString Text11() const;  // No1 of the surah verse
    QString Text7() const;   // Mum1 of the surah verse
    QString Text14() const;  // No of the surah verse
    QString Text2() const;   // the interface language name
    void setText2(const QString& name);
    QString Text9() const;   // bold flag of the verse pane
    QString Text10() const;  // bold flag of the Arabic explanation pane
    QString Text12() const;  // bold flag of the Kurdish explanation pane
    QString Text13() const;  // bold flag of the English explanation pane

    Quran1Sources sources;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab step through the window's round of controls.
    bool focusNextPrevChild(bool next) override;

  private:
    ClientArea* client_ = nullptr;
    // The controls and timers are the window's own: the other windows and the caption writer
    // reach it through the calls above, tests find the controls by object name.
    // Visible controls.
    QLineEdit* Text = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command14 = nullptr;
    SurahBox* Combo1 = nullptr;
    QLineEdit *Adad1 = nullptr, *Text8 = nullptr;
    QLabel *List2 = nullptr, *Text3 = nullptr;
    QFrame* Picture1 = nullptr;
    RecordGrid *DBGrid1 = nullptr, *DBGrid2 = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr,
              *Frame5 = nullptr;
    QPlainTextEdit *Text4 = nullptr, *Te1 = nullptr, *TE2 = nullptr, *TE3 = nullptr;
    QComboBox *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr, *Combo5 = nullptr;
    QComboBox *Combo6 = nullptr, *Combo7 = nullptr, *Combo8 = nullptr, *Combo9 = nullptr;
    QCheckBox *Check0 = nullptr, *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr;
    QPushButton *Command4 = nullptr, *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr,
                *Command8 = nullptr;
    QPushButton *Command9 = nullptr, *Command10 = nullptr, *Command11 = nullptr;
    // Labels bound to the stored surah position, kept out of sight.
    QLabel *Label1 = nullptr, *Label3 = nullptr;

    // Menus and their items.
    QMenu *File = nullptr, *Copy = nullptr, *Lang = nullptr, *Help1 = nullptr, *Web3 = nullptr;
    QAction *Surat = nullptr, *CopyA = nullptr, *CopyAA = nullptr, *CopyAE = nullptr,
            *CopyAK = nullptr, *Reset1 = nullptr, *End1 = nullptr;
    QAction *Ar = nullptr, *En = nullptr, *Ku = nullptr;
    QAction *Command3 = nullptr, *Web1 = nullptr, *Web2 = nullptr;

    // One-shot steps: a positive interval arms the timer, its tick runs the step once: Timer1
    // the search match display, Timer6 the reading display, Timer11 the count line, Timer2 the
    // pane styles, Timer3 the start-up step, Timer5 the panes' text directions.
    PunctualTimer Timer1, Timer6, Timer11, Timer2, Timer3, Timer5;

    // Handlers, named after the control and event they serve.
    void Text_Change();           // the live search: the search box changed
    void Command1_Click();        // the search button: back to search mode
    void SearchAndShow();         // the search refresh, and its first match in the panes
    void Combo1_Click();          // the surah box: a surah chosen for reading
    void Surat_Click();           // File menu, surah copy: reading mode, then the surah copy
    void Command3_Click();        // Help menu, About: the about window
    void End1_Click();            // File menu, End: saves and ends the program
    void Timer6_Timer();          // the reading display: the surah's current verse in the panes
    void Timer11_Timer();         // the count line: number of matches and the count word
    void Timer3_Timer();          // the start-up step: stored language, first search
    void Timer5_Timer();          // the panes' text directions, a second after start
    void Ar_Click();              // Language menu, Arabic
    void En_Click();              // Language menu, English
    void Ku_Click();              // Language menu, Kurdish
    void Reset1_Click();          // File menu, Reset: factory fonts and English
    void ApplyPaneStyles();       // the pane styles (the tick of Timer2): fonts, sizes, bold
    void TolerantSearch_Click();  // the Search menu's letter-forms item
    void SearchIn_Click();        // the Search menu's choice of verses or an explanation
    void GoToVerse_Click();       // Search menu, Go to Verse (Ctrl+G)

    struct PaneStyle;
    // The four panes with their style controls and settings-row fields.
    std::array<PaneStyle, 4> paneStyles() const;

    void createControls();
    // How the controls follow a client area larger or smaller than designed.
    void followClientSize();
    void createMenus();
    // Keyboard use: the Tab round, the menu bar by F10 and the common commands' shortcuts.
    void setUpKeyboard();
    void setUpTabRound();
    void setUpShortcuts();
    // Ctrl+F: the search box, in search mode, its word selected for the next one.
    void focusSearchBox();
    void connectHandlers();
    void Form_Load();
    void bindToSettingsRow();
    void setMode(MainWindowMode mode);
    void fillPanes(const PaneTexts& texts);
    void emptyPanes();
    // The search query for the box: in the verses, or in the explanation chosen.
    QString searchQuery() const;
    // The box's word searched again after a change of how it is searched.
    void searchAgain();
    // Text15 and Dat2 for the current search record.
    void takeSearchResultSurah();
    PaneTexts searchResultPanes() const;
    void fillPanesFromSearchResult();
    // The current search record in the panes (empty panes without one), its words marked.
    void showSearchResult();
    // Marks the current search match's words in the verse pane.
    void markMatchedWords();
    bool Text_KeyDown(int key);
    void selectSurahPosition(qint64 position);
    void connectStyleTriggers();
    void Check_Click(QCheckBox* box, const QString& flagField);
    void switchLanguage(UiLanguage language);
    void showLanguage(UiLanguage language, CaptionVariant variant);
    void announceLanguage(UiLanguage language);
    void createSearchMenu();
    void captionSearchMenu();  // in the interface language in force
    // Shows a page of the Help menu, or says in the interface language that it cannot.
    void openPage(const QUrl& page);
    // Gives a surah copy window the captions of the interface language in force.
    void showLanguageIn(Surat1& window) const;

    // The Search menu of the additions beside the specified search.
    QMenu* searchMenu_ = nullptr;
    QAction *tolerantSearch_ = nullptr, *goToVerse_ = nullptr;
    // The four choices of what the box searches, each naming its table (none: the verses).
    std::vector<std::pair<QAction*, QString>> searchIn_;
    QString searchTable_;
    UiLanguage language_ = UiLanguage::English;

    // The texts last written into the panes, which the copies take exactly as written: a
    // pane's read-back turns a no-break space into a blank.
    PaneTexts shown_;
    Skin Skin1{SkinKind::Green};
    MainWindowMode mode_ = MainWindowMode::Search;
    // The captions of the interface language in force; none before a language is applied.
    std::vector<Caption> captionsShown_;
    // The accessible texts of that language, English until one is applied.
    std::vector<AccessibleText> accessibleShown_;
    QPointer<Surat1> surat1_;
    // The controls Tab visits, in order.
    std::vector<QWidget*> tabRound_;
};
