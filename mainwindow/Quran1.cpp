#include "Quran1.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenuBar>
#include <QMessageBox>

#include "BY1.h"
#include "ClientArea.h"
#include "Clipboard.h"
#include "CloseRequestWatch.h"
#include "ExactCopyEdit.h"
#include "NoBrowserMessage.h"
#include "OpaqueWidget.h"
#include "PaneTextLayout.h"
#include "ProgramEnd.h"
#include "RecordGrid.h"
#include "RecordSource.h"
#include "Schema.h"
#include "SearchCaptions.h"
#include "SettingsRow.h"
#include "SettingsStore.h"
#include "StorageNotice.h"
#include "SurahBox.h"
#include "Surat1.h"
#include "Twips.h"
#include "TypedListText.h"
#include "VerseCopy.h"
#include "WebSites.h"

using namespace Qt::StringLiterals;

namespace {

QRect twips(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QPlainTextEdit* pane(QWidget* parent, const QString& name, const QColor& background,
                     Qt::Alignment alignment) {
    auto* edit = new ExactCopyEdit(parent);
    edit->setObjectName(name);
    PaneTextLayout::install(edit);
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines wrap, a word wider than the pane too: a side scroll bar would hide the line it
    // appears under.
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setStyleSheet(
        u"QPlainTextEdit { color: white; background-color: %1; }"_s.arg(background.name()));
    OpaqueWidget::keepScrollArea(edit, background);
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(alignment | Qt::AlignAbsolute);
    edit->document()->setDefaultTextOption(option);
    return edit;
}

template <typename Widget>
Widget* control(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry) {
    auto* push = control<QPushButton>(parent, name, geometry);
    push->setText(caption);
    return push;
}

QAction* item(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// Makes the style controls under a pane (font list, size list, bold box) into the window's
// members of those names, on one row from `at`. The font list is wide enough for every name
// it offers, in its field and in its list.
void styleRow(QWidget* parent, QPoint at, int fontWidth, QComboBox*& font, QComboBox*& size,
              QCheckBox*& bold, const QStringList& names) {
    font = control<QComboBox>(parent, names[0], {at.x(), at.y(), fontWidth, 24});
    size = control<QComboBox>(parent, names[1], {at.x() + fontWidth + 4, at.y(), 46, 24});
    bold = control<QCheckBox>(parent, names[2], {at.x() + fontWidth + 54, at.y(), 62, 24});
    font->setEditable(true);
    font->setInsertPolicy(QComboBox::NoInsert);
    font->view()->setTextElideMode(Qt::ElideNone);
    keepTypedText(font);
    bold->setText(u"Bold"_s);
}

}  // namespace

Quran1::Quran1(const Quran1Sources& sources_, QWidget* parent)
    : QMainWindow(parent), sources(sources_) {
    setObjectName(u"Quran1"_s);
    setWindowTitle(u"Zephyrane"_s);
    createControls();
    createMenus();
    Form_Load();
    new StorageNotice(sources.Data2->health(), schema::kVerseDatabaseFile, *sources.Data2, this);
    new StorageNotice(sources.store->health(), sources.store->fileName(), *sources.Data2, this);
    bindToSettingsRow();
    connectHandlers();
    watchCloseRequests(this, [this] { End1_Click(); });

    // Children by name, so that tests find them as they find the controls.
    const std::pair<PunctualTimer*, QString> timers[] = {
        {&Timer1, u"Timer1"_s}, {&Timer6, u"Timer6"_s}, {&Timer11, u"Timer11"_s},
        {&Timer2, u"Timer2"_s}, {&Timer3, u"Timer3"_s}, {&Timer5, u"Timer5"_s}};
    for (const auto& [timer, name] : timers) {
        timer->setParent(this);
        timer->setObjectName(name);
    }
    connect(&Timer1, &QTimer::timeout, this, &Quran1::Timer1_Timer);
    connect(&Timer6, &QTimer::timeout, this, &Quran1::Timer6_Timer);
    connect(&Timer11, &QTimer::timeout, this, &Quran1::Timer11_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Quran1::Timer3_Timer);
    connect(&Timer5, &QTimer::timeout, this, &Quran1::Timer5_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Quran1::ApplyPaneStyles);
    Timer1.arm(1);
    Timer6.arm(500);
    setUpKeyboard();
    // Not bounded by the screen as a first showing would: it opens at its designed size.
    resize(sizeHint());
}

Quran1::~Quran1() = default;

void Quran1::createControls() {
    // The window opens at its designed size; it may grow, or give up a little of its height
    // and width.
    auto* client = new ClientArea({twipsToPixels(14550), twipsToPixels(7875)}, {40, 60}, this);
    client_ = client;
    setCentralWidget(client);

    Frame1 = control<QGroupBox>(client, u"Frame1"_s, twips(75, 0, 10335, 2775));
    Frame4 = control<QGroupBox>(client, u"Frame4"_s, twips(75, 2805, 5175, 3330));
    Frame5 = control<QGroupBox>(client, u"Frame5"_s, twips(5235, 2805, 5175, 3330));
    Frame3 = control<QGroupBox>(client, u"Frame3"_s, twips(75, 6165, 10335, 1650));
    Frame2 = control<QGroupBox>(client, u"Frame2"_s, twips(10455, 0, 3975, 7695));
    Frame1->setTitle(u"A'ia Leg"_s);
    for (QGroupBox* frame : {Frame4, Frame5, Frame3})
        frame->setTitle(u"Frame3"_s);
    Frame2->setTitle(u"Type Place"_s);

    const QColor olive(64, 64, 0);
    const QColor teal(0, 64, 64);
    const auto right = Qt::AlignRight;
    Text4 = pane(Frame1, u"Text4"_s, olive, right);
    Text4->setGeometry(8, 20, 673, 98);
    TE2 = pane(Frame4, u"TE2"_s, teal, right);
    TE2->setGeometry(8, 20, 329, 136);
    Te1 = pane(Frame5, u"Te1"_s, teal, right);
    Te1->setGeometry(8, 20, 329, 136);
    TE3 = pane(Frame3, u"TE3"_s, teal, Qt::AlignLeft);
    TE3->setGeometry(8, 20, 673, 54);

    // Under each pane its style controls, then its copy buttons (the English pane has room for
    // both on one row).
    styleRow(Frame1, {8, 124}, 150, Combo2, Combo6, Check0,
             {u"Combo2"_s, u"Combo6"_s, u"Check0"_s});
    Command4 = button(Frame1, u"Command4"_s, u"A'ia Copy"_s, {8, 154, 132, 24});
    Command8 = button(Frame1, u"Command8"_s, u"A'ia + All "_s, {144, 154, 132, 24});
    Command7 = button(Frame1, u"Command7"_s, u"A'ia + Arabic "_s, {280, 154, 132, 24});
    Command6 = button(Frame1, u"Command6"_s, u"A'ia + Kurdish"_s, {416, 154, 132, 24});
    Command5 = button(Frame1, u"Command5"_s, u"A'ia + English"_s, {552, 154, 132, 24});
    styleRow(Frame4, {8, 162}, 160, Combo4, Combo8, Check3,
             {u"Combo4"_s, u"Combo8"_s, u"Check3"_s});
    Command10 = button(Frame4, u"Command10"_s, u"A'ia + Kurdish"_s, {8, 190, 160, 24});
    styleRow(Frame5, {8, 162}, 160, Combo3, Combo7, Check1,
             {u"Combo3"_s, u"Combo7"_s, u"Check1"_s});
    Command9 = button(Frame5, u"Command9"_s, u"A'ia+Arabic "_s, {8, 190, 160, 24});
    styleRow(Frame3, {8, 80}, 160, Combo5, Combo9, Check2, {u"Combo5"_s, u"Combo9"_s, u"Check2"_s});
    Command11 = button(Frame3, u"Command11"_s, u"A'ia + English"_s, {290, 80, 130, 24});

    // Search and reading controls at the head of the grids' frame.
    Command2 = button(Frame2, u"Command2"_s, u"القرآن الكريم"_s, {8, 18, 122, 26});
    Command1 = button(Frame2, u"Command1"_s, u"البحث"_s, {135, 18, 122, 26});
    Command1->setEnabled(false);
    Text = control<QLineEdit>(Frame2, u"Text"_s, {8, 50, 249, 28});
    // At the right edge whatever the text's direction, as the panes are.
    Text->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    Combo1 = new SurahBox(Frame2);
    Combo1->setObjectName(u"Combo1"_s);
    Combo1->setGeometry(8, 50, 249, 28);
    Combo1->hide();
    Adad1 = control<QLineEdit>(Frame2, u"Adad1"_s, {8, 82, 50, 24});
    Adad1->setReadOnly(true);
    Adad1->setText(u"0"_s);
    Text8 = control<QLineEdit>(Frame2, u"Text8"_s, {62, 82, 70, 24});
    Text8->setReadOnly(true);
    Text8->setAlignment(Qt::AlignCenter);
    Text8->setText(u" أيـــة "_s);
    Command14 = button(Frame2, u"Command14"_s, u"نسخ سورة"_s, {136, 82, 121, 24});
    // A typed letter or a chosen surah repaints its box alone, not the frame beneath it.
    for (QWidget* box :
         {static_cast<QWidget*>(Text), static_cast<QWidget*>(Combo1), static_cast<QWidget*>(Adad1)})
        OpaqueWidget::keep(box, Skin1.groundColour());
    List2 = control<QLabel>(Frame2, u"List2"_s, {8, 110, 249, 20});
    List2->setAlignment(Qt::AlignCenter);
    List2->setText(u"﴾ ❁ ﴿"_s);
    for (QWidget* widget : {static_cast<QWidget*>(Adad1), static_cast<QWidget*>(Text8),
                            static_cast<QWidget*>(Command14), static_cast<QWidget*>(List2)})
        widget->hide();

    Picture1 = control<QFrame>(Frame2, u"Picture1"_s, {8, 134, 249, 22});
    Picture1->setFrameShape(QFrame::StyledPanel);
    Text3 = control<QLabel>(Picture1, u"Text3"_s, {4, 1, 241, 20});
    DBGrid1 = new RecordGrid(sources.Data1, {schema::kGridText, schema::kReference}, Frame2);
    DBGrid2 = new RecordGrid(sources.Data3, {schema::kGridText, schema::kSearched}, Frame2);
    for (RecordGrid* grid : {DBGrid1, DBGrid2}) {
        grid->setGeometry(8, 160, 249, 345);
        grid->setLayoutDirection(Qt::RightToLeft);
    }
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid2->setObjectName(u"DBGrid2"_s);

    // The stored surah position, at the window's edge where nobody sees it.
    Label1 = control<QLabel>(client, u"Label1"_s, {0, 0, 0, 0});
    Label3 = control<QLabel>(client, u"Label3"_s, {0, 0, 0, 0});
    Label1->hide();
    Label3->hide();
    followClientSize();
}

void Quran1::followClientSize() {
    // The verse frame, the two explanation frames side by side and the English frame share the
    // extra height; the grids' frame keeps its width at the right and grows down with them.
    client_->followInRow(Frame1, kGrows, 0);
    client_->followInRow(Frame4, {0, 1, 2}, 1);
    client_->followInRow(Frame5, {1, 1, 2}, 1);
    client_->followInRow(Frame3, kGrows, 2);
    client_->follow(Frame2, kMoves, kGrows);
    for (QPlainTextEdit* pane : {Text4, TE2, Te1, TE3}) {
        client_->follow(pane, kGrows, kGrows);
        // A new font relays the pane out, so this follows its font as well as its text; queued
        // so that the edit finishes the layout that found the line.
        connect(
            qobject_cast<PaneTextLayout*>(pane->document()->documentLayout()),
            &PaneTextLayout::tallerLine, this,
            [this, pane] { client_->keepHeight(pane, PaneTextLayout::heightForOneLine(pane)); },
            Qt::QueuedConnection);
    }
    for (QWidget* under : std::initializer_list<QWidget*>{
             Combo2, Combo6, Check0, Combo4, Combo8, Check3, Command10, Combo3, Combo7, Check1,
             Command9, Combo5, Combo9, Check2, Command11})
        client_->follow(under, kStays, kMoves);
    // The verse's five copy buttons fill its frame's width; a narrower frame narrows them.
    QPushButton* const copies[] = {Command4, Command8, Command7, Command6, Command5};
    for (int i = 0; i < 5; ++i)
        client_->follow(copies[i], {i, 1, 5, true}, kMoves);
    for (RecordGrid* grid : {DBGrid1, DBGrid2})
        client_->follow(grid, kStays, kGrows);
}

void Quran1::createMenus() {
    File = menuBar()->addMenu(u"      <<  File >>"_s);
    Surat = item(File, u"Surat"_s, u"Surat(s)  Copy"_s);
    Copy = File->addMenu(u"Copy   "_s);
    CopyA = item(Copy, u"CopyA"_s, u"                 Copy A'ia"_s);
    CopyAA = item(Copy, u"CopyAA"_s, u"  Copy A'ia + Arabic"_s);
    CopyAE = item(Copy, u"CopyAE"_s, u" Copy A'ia + English"_s);
    CopyAK = item(Copy, u"CopyAK"_s, u"Copy A'ia + Kurdish"_s);
    Reset1 = item(File, u"Reset1"_s, u"Reset"_s);
    End1 = item(File, u"End1"_s, u"End"_s);
    Lang = menuBar()->addMenu(u"<<Language>>"_s);
    Ar = item(Lang, u"Ar"_s, u"عربي "_s);
    En = item(Lang, u"En"_s, u"English "_s);
    Ku = item(Lang, u"Ku"_s, u"كوردى "_s);
    for (QAction* language : {Ar, En, Ku})
        language->setCheckable(true);
    Help1 = menuBar()->addMenu(u"Help"_s);
    Command3 = item(Help1, u"Command3"_s, u"About"_s);
    Web3 = Help1->addMenu(u"Home Page"_s);
    Web1 = item(Web3, u"Web1"_s, u"Home Page"_s);
    Web2 = item(Web3, u"Web2"_s, u"Home Page"_s);
    createSearchMenu();
    File->setObjectName(u"File"_s);
    Copy->setObjectName(u"Copy"_s);
    Lang->setObjectName(u"Lang"_s);
    Help1->setObjectName(u"Help1"_s);
    Web3->setObjectName(u"Web3"_s);
}

void Quran1::createSearchMenu() {
    searchMenu_ = menuBar()->addMenu(QString());
    searchMenu_->setObjectName(u"SearchMenu"_s);
    tolerantSearch_ = item(searchMenu_, u"TolerantSearch"_s, QString());
    tolerantSearch_->setCheckable(true);
    tolerantSearch_->setChecked(sources.store->read(SettingsStore::kTolerantSearchKey) == u"1"_s);
    // Set before the stored word runs its first search.
    sources.Data1->setMatching(tolerantSearch_->isChecked() ? RecordSource::Matching::Tolerant
                                                            : RecordSource::Matching::Exact);
    searchMenu_->addSeparator();
    auto* searchIn = new QActionGroup(this);
    const QString stored = sources.store->read(SettingsStore::kSearchInKey);
    const std::pair<QString, QString> choices[] = {{u"SearchVerses"_s, QString()},
                                                   {u"SearchArabic"_s, schema::kArabicTable},
                                                   {u"SearchKurdish"_s, schema::kKurdishTable},
                                                   {u"SearchEnglish"_s, schema::kEnglishTable}};
    for (const auto& [name, table] : choices) {
        QAction* choice = item(searchMenu_, name, QString());
        choice->setCheckable(true);
        choice->setActionGroup(searchIn);
        choice->setChecked(table == stored);
        searchIn_.emplace_back(choice, table);
    }
    if (!searchIn->checkedAction())
        searchIn_.front().first->setChecked(true);
    searchTable_ = searchIn_.front().first->isChecked() ? QString() : stored;
    searchMenu_->addSeparator();
    goToVerse_ = item(searchMenu_, u"GoToVerse"_s, QString());
    goToVerse_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    captionSearchMenu();
}

void Quran1::Form_Load() {
    DBGrid2->hide();
    Skin1.SkinWindow(this);
    for (int n = 8; n <= 44; n += n < 14 ? 1 : 2) {
        for (QComboBox* sizes : {Combo6, Combo7, Combo8, Combo9})
            sizes->addItem(QString::number(n));
    }
    Timer3.arm(1);
    const QStringList verseFonts = {
        u"Andalus"_s, u"Arial"_s,  u"Courier New"_s,     u"Microsoft Sans Serif"_s,
        u"System"_s,  u"Tahoma"_s, u"Times New Roman"_s, u"Traditional Arabic"_s};
    Combo2->addItems(verseFonts);
    Combo2->addItem(u"Traditional Arabic-Q"_s);
    Combo3->addItems(verseFonts);
    Combo4->addItems({u"Courier"_s, u"Quran Kurdish Tafseer"_s, u"Tahoma-K"_s});
    Combo5->addItems({u"Andalus"_s, u"Arial"_s, u"Courier New"_s, u"Fixedsys"_s,
                      u"Microsoft Sans Serif"_s, u"MS Sans Serif"_s, u"System"_s, u"Tahoma"_s,
                      u"Times New Roman"_s, u"Traditional Arabic"_s});
    // Filling a list selects its first entry; the lists keep their creation state until the
    // settings row gives them their values.
    for (QComboBox* sizes : {Combo6, Combo7, Combo8, Combo9})
        sizes->setCurrentIndex(-1);
    const std::pair<QComboBox*, QString> fonts[] = {{Combo2, u"Traditional Arabic"_s},
                                                    {Combo3, u"Traditional Arabic"_s},
                                                    {Combo4, u"Tahoma-Quvel"_s},
                                                    {Combo5, u"Verdana"_s}};
    for (const auto& [list, name] : fonts) {
        list->setCurrentIndex(-1);
        list->setEditText(name);
    }
}

void Quran1::connectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Quran1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Quran1::Command2_Click);
    connect(Command14, &QPushButton::clicked, this, &Quran1::Command14_Click);
    connect(Combo1, &SurahBox::surahChanged, this, &Quran1::Combo1_Click);
    connect(DBGrid1, &RecordGrid::rowClicked, this, [this] { Timer1.arm(1); });
    connect(DBGrid1, &RecordGrid::cellMoved, this, [this] { Timer1.arm(1); });
    connect(DBGrid2, &RecordGrid::rowClicked, this, [this] { Timer6.arm(1); });
    connect(DBGrid2, &RecordGrid::cellMoved, this, [this] { Timer6.arm(1); });
    connect(Surat, &QAction::triggered, this, &Quran1::Surat_Click);
    connect(Command3, &QAction::triggered, this, &Quran1::Command3_Click);
    connect(End1, &QAction::triggered, this, &Quran1::End1_Click);
    connect(Reset1, &QAction::triggered, this, &Quran1::Reset1_Click);
    connect(Ar, &QAction::triggered, this, &Quran1::Ar_Click);
    connect(En, &QAction::triggered, this, &Quran1::En_Click);
    connect(Ku, &QAction::triggered, this, &Quran1::Ku_Click);
    connect(tolerantSearch_, &QAction::triggered, this, &Quran1::TolerantSearch_Click);
    connect(goToVerse_, &QAction::triggered, this, &Quran1::GoToVerse_Click);
    for (const auto& [choice, table] : searchIn_)
        connect(choice, &QAction::triggered, this, &Quran1::SearchIn_Click);
    connect(Web1, &QAction::triggered, this, [this] { openPage(WebSites::islamicSite()); });
    connect(Web2, &QAction::triggered, this, [this] { openPage(WebSites::programPage()); });

    const std::pair<QObject*, VerseCopy> copies[] = {
        {Command4, VerseCopy::Verse},        {CopyA, VerseCopy::Verse},
        {Command7, VerseCopy::VerseArabic},  {CopyAA, VerseCopy::VerseArabic},
        {Command6, VerseCopy::VerseKurdish}, {CopyAK, VerseCopy::VerseKurdish},
        {Command5, VerseCopy::VerseEnglish}, {CopyAE, VerseCopy::VerseEnglish},
        {Command8, VerseCopy::VerseAll},     {Command9, VerseCopy::ArabicOnly},
        {Command10, VerseCopy::KurdishOnly}, {Command11, VerseCopy::EnglishOnly}};
    for (const auto& [sender, command] : copies) {
        auto copy = [this, command = command] { putOnClipboard(verseCopyText(command, shown_)); };
        if (auto* push = qobject_cast<QPushButton*>(sender))
            connect(push, &QPushButton::clicked, this, copy);
        else
            connect(static_cast<QAction*>(sender), &QAction::triggered, this, copy);
    }
}

void Quran1::Command3_Click() {
    auto* about = new BY1(this);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void Quran1::openPage(const QUrl& page) {
    if (QDesktopServices::openUrl(page))
        return;
    const UiLanguage language = languageStoredAs(Text2()).value_or(UiLanguage::English);
    QMessageBox box(
        QMessageBox::Warning, windowTitle(),
        noBrowserMessage(language, page.isLocalFile() ? page.toLocalFile() : page.toString()),
        QMessageBox::Ok, this);
    if (language != UiLanguage::English)
        box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

void Quran1::closeEvent(QCloseEvent* event) {
    event->accept();
    End1_Click();
}

void Quran1::End1_Click() {
    // The settings row was written as it changed; only a write the file refused, or the search
    // word of the last keystrokes, is still held. The surah position waits for the store's
    // delayed save.
    sources.store->save();
    sources.Data2->flush();
    endProgramNow(0);
}
