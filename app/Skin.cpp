#include "Skin.h"

#include <QWidget>

namespace {

// Only the window, its frames, buttons, menus and grid headers are styled: the text panes
// keep their palettes, which the main window sets from the stored pane styles.
constexpr QStringView kGreen =
    uR"(
QMainWindow, QDialog { background-color: #dcebd9; }
QLabel, QCheckBox, QRadioButton, QGroupBox { color: #143d1e; }
QGroupBox { border: 1px solid #5e8f63; border-radius: 4px; margin-top: 1.2ex; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QPushButton {
    color: #ffffff; background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,
        stop:0 #3f8a4c, stop:1 #215c2c);
    border: 1px solid #173f1f; border-radius: 4px; padding: 3px 1px;
}
QPushButton:hover { background-color: #4a9a57; }
QPushButton:pressed { background-color: #1a4a23; }
QPushButton:disabled { color: #c7d8c9; background-color: #7f9e84; border-color: #6b876f; }
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
)";

constexpr QStringView kSurahCopy =
    uR"(
QMainWindow, QDialog { background-color: #f3e8cf; }
QLabel, QCheckBox, QRadioButton, QGroupBox { color: #3b2a10; }
QGroupBox { border: 1px solid #b89a5e; border-radius: 4px; margin-top: 1.2ex; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QPushButton {
    color: #ffffff; background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,
        stop:0 #3d6fa8, stop:1 #254d7d);
    border: 1px solid #1b3a60; border-radius: 4px; padding: 3px 1px;
}
QPushButton:hover { background-color: #4a80bd; }
QPushButton:pressed { background-color: #1b3a60; }
QPushButton:disabled { color: #e4e9f0; background-color: #8fa3bb; border-color: #7a8ea6; }
QProgressBar { border: 1px solid #b89a5e; border-radius: 3px; background-color: #fffaf0; }
QProgressBar::chunk { background-color: #3d6fa8; }
)";

}  // namespace

QString Skin::styleSheet() const {
    switch (kind_) {
        case SkinKind::Green:
            return kGreen.toString();
        case SkinKind::SurahCopy:
            return kSurahCopy.toString();
        case SkinKind::SettingsOnly:
            return {};
    }
    return {};
}

void Skin::SkinWindow(QWidget* window) const {
    // Setting a sheet again repolishes the window and every control it holds now.
    window->setStyleSheet(styleSheet());
}
