#pragma once

#include <QColor>
#include <QString>

class QWidget;

// The look of a kind of window: the main and copy windows are green, the surah copy window
// sand and blue, and the splash keeps its own picture.
enum class SkinKind { Green, SurahCopy, SettingsOnly };

class Skin {
  public:
    explicit Skin(SkinKind kind) : kind_(kind) {}

    // Draws `window` and its controls with this skin from now on. A repeated call re-applies
    // it to the window's current controls and captions.
    void SkinWindow(QWidget* window) const;

    // The style sheet behind the skin; empty for a skin of settings only.
    QString styleSheet() const;
    // The flat colour of the window behind its frames and controls; invalid for a skin of
    // settings only.
    QColor groundColour() const;

  private:
    SkinKind kind_;
};
