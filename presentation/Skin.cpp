#include "Skin.h"

#include <QWidget>

namespace {

// The colours of one skin.
struct Colours {
    const char* window;
    const char* text;
    const char* frame;
    const char* buttonTop;
    const char* buttonBottom;
    const char* buttonBorder;
    const char* hover;
    const char* pressed;
    const char* disabledText;
    const char* disabledFill;
    const char* disabledBorder;
    const char* focus;  // the mark of the control that has the keyboard focus
};

// Only the window, its frames and buttons are styled here: the text panes keep their own
// palettes, which the main window sets from the stored pane styles.
QString framesAndButtons(const Colours& c) {
    return QStringLiteral(R"(
QMainWindow, QDialog { background-color: %1; }
QLabel, QCheckBox, QRadioButton, QGroupBox { color: %2; }
QGroupBox { border: 1px solid %3; border-radius: 4px; margin-top: 1.2ex; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QPushButton {
    color: #ffffff; background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,
        stop:0 %4, stop:1 %5);
    border: 1px solid %6; border-radius: 4px; padding: 3px 1px;
}
QPushButton:hover { background-color: %7; }
QPushButton:pressed { background-color: %8; }
QPushButton:disabled { color: %9; background-color: %10; border-color: %11; }
QPushButton:focus, QLineEdit:focus, QComboBox:focus, QPlainTextEdit:focus, QTableView:focus {
    border: 2px solid %12;
}
QCheckBox { border: 2px solid transparent; border-radius: 3px; }
QCheckBox:focus { border-color: %12; }
)")
        .arg(QLatin1StringView(c.window), QLatin1StringView(c.text), QLatin1StringView(c.frame),
             QLatin1StringView(c.buttonTop), QLatin1StringView(c.buttonBottom),
             QLatin1StringView(c.buttonBorder), QLatin1StringView(c.hover),
             QLatin1StringView(c.pressed), QLatin1StringView(c.disabledText))
        .arg(QLatin1StringView(c.disabledFill), QLatin1StringView(c.disabledBorder),
             QLatin1StringView(c.focus));
}

constexpr Colours kGreen = {"#dcebd9", "#143d1e", "#5e8f63", "#3f8a4c", "#215c2c", "#173f1f",
                            "#4a9a57", "#1a4a23", "#c7d8c9", "#7f9e84", "#6b876f", "#ff9f1a"};

constexpr QStringView kGreenMenusAndGrids =
    uR"(
QMenuBar { background-color: #1f5a2b; color: #ffffff; }
QMenuBar::item { background: transparent; padding: 3px 8px; }
QMenuBar::item:selected { background-color: #3f8a4c; }
QMenu { background-color: #f4f9f3; color: #143d1e; border: 1px solid #5e8f63; }
QMenu::item:selected { background-color: #3f8a4c; color: #ffffff; }
QHeaderView::section {
    background-color: #2f7039; color: #ffffff; border: 0; border-right: 1px solid #1f5a2b;
    padding: 2px 4px;
}
QTableView { selection-background-color: #3f8a4c; selection-color: #ffffff; }
QStatusBar { background-color: #c8dec4; color: #143d1e; }
QScrollBar { background-color: #c8dec4; border: 0; }
QScrollBar:vertical { width: 14px; }
QScrollBar:horizontal { height: 14px; }
QScrollBar::handle { background-color: #5e8f63; border-radius: 3px; margin: 2px; }
QScrollBar::handle:hover { background-color: #3f8a4c; }
QScrollBar::handle:vertical { min-height: 24px; }
QScrollBar::handle:horizontal { min-width: 24px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
)";

constexpr Colours kSurahCopy = {"#f3e8cf", "#3b2a10", "#b89a5e", "#3d6fa8", "#254d7d", "#1b3a60",
                                "#4a80bd", "#1b3a60", "#e4e9f0", "#8fa3bb", "#7a8ea6", "#e0561b"};

constexpr QStringView kSurahCopyProgress =
    uR"(
QProgressBar { border: 1px solid #b89a5e; border-radius: 3px; background-color: #fffaf0; }
QProgressBar::chunk { background-color: #3d6fa8; }
)";

}  // namespace

QString Skin::styleSheet() const {
    switch (kind_) {
        case SkinKind::Green:
            return framesAndButtons(kGreen).append(kGreenMenusAndGrids);
        case SkinKind::SurahCopy:
            return framesAndButtons(kSurahCopy).append(kSurahCopyProgress);
        case SkinKind::SettingsOnly:
            return {};
    }
    return {};
}

QColor Skin::groundColour() const {
    switch (kind_) {
        case SkinKind::Green:
            return QColor(QLatin1StringView(kGreen.window));
        case SkinKind::SurahCopy:
            return QColor(QLatin1StringView(kSurahCopy.window));
        case SkinKind::SettingsOnly:
            return {};
    }
    return {};
}

void Skin::SkinWindow(QWidget* window) const {
    // Setting a sheet again repolishes the window and every control it holds now.
    window->setStyleSheet(styleSheet());
}
