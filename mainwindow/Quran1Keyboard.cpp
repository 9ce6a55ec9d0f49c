// The window without a mouse: the Tab round, the menu bar from the keyboard, the shortcuts of
// the common commands, and what a screen reader says of the controls.
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>

#include "CaptionWriter.h"
#include "Quran1.h"
#include "RecordGrid.h"
#include "SurahBox.h"

void Quran1::setUpKeyboard() {
    setUpTabRound();
    setUpShortcuts();
    accessibleShown_ = accessibleTexts(UiLanguage::English);
    writeAccessibleTexts(*this, accessibleShown_);
}

void Quran1::setUpTabRound() {
    // A grid moves its current row with the arrow keys; Tab leaves it.
    for (RecordGrid* grid : {DBGrid1, DBGrid2})
        grid->setTabKeyNavigation(false);
    // The read-only panes take the focus to scroll by keys, and pass Tab on.
    for (QPlainTextEdit* edit : {Text4, Te1, TE2, TE3}) {
        edit->setTabChangesFocus(true);
        edit->setFocusPolicy(Qt::StrongFocus);
    }
    // Only the unit of the verse count beside it.
    Text8->setFocusPolicy(Qt::NoFocus);
    // The window opens ready for a search word.
    Text->setFocus();

    // The frames right to left as the window reads: the grids' frame, the verse, the Arabic and
    // the Kurdish explanations, then the English one below; in a frame its rows from the top.
    // Both modes share the round, passing over the controls a mode hides or disables.
    tabRound_ = {Command2, Command1, Text,      Combo1, Adad1,    Command14, DBGrid1,  DBGrid2,
                 Text4,    Combo2,   Combo6,    Check0, Command4, Command8,  Command7, Command6,
                 Command5, Te1,      Combo3,    Combo7, Check1,   Command9,  TE2,      Combo4,
                 Combo8,   Check3,   Command10, TE3,    Combo5,   Combo9,    Check2,   Command11};
}

// The round is kept here rather than in the focus chain: moving an editable list there leaves
// its typing field behind, and Qt loses the chain's ends.
bool Quran1::focusNextPrevChild(bool next) {
    const QWidget* focus = focusWidget();
    const auto at = std::find_if(tabRound_.begin(), tabRound_.end(), [focus](QWidget* stop) {
        return stop == focus || stop->isAncestorOf(focus);
    });
    if (at == tabRound_.end())
        return QMainWindow::focusNextPrevChild(next);
    const size_t count = tabRound_.size();
    const size_t from = size_t(at - tabRound_.begin());
    for (size_t step = 1; step < count; ++step) {
        QWidget* stop = tabRound_[(from + (next ? step : count - step)) % count];
        if (stop->isVisibleTo(this) && stop->isEnabled()) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    return true;
}

void Quran1::setUpShortcuts() {
    // On the menu items, which show them beside their captions.
    CopyA->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    Surat->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // The commands without a menu item. Ctrl+C stays the panes' copy of the selected text.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(File->menuAction()); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &Quran1::focusSearchBox);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), this),
            &QShortcut::activated, Command8, &QPushButton::click);
}

void Quran1::focusSearchBox() {
    if (mode_ == MainWindowMode::Reading)
        Command1_Click();
    Text->setFocus(Qt::ShortcutFocusReason);
    Text->selectAll();
}
