#pragma once

#include <QString>
#include <optional>
#include <vector>

// The three interface languages.
enum class UiLanguage { Arabic, English, Kurdish };

// Which occasion applies a language: the Lang menu, the start-up step or the reset command.
// The start-up and reset occasions differ from the menu in a few captions; a language without
// such differences gives the menu's captions.
enum class CaptionVariant { Menu, StartUp, Reset };

// Every caption that follows the interface language, named after its window and control.
enum class CaptionTarget {
    // The main window: its title, menus and items, buttons, bold boxes, frames, grids, the
    // verse word beside the verse count and the count word of the count line.
    Quran1,
    File,
    Surat,
    Copy,
    CopyA,
    CopyAA,
    CopyAE,
    CopyAK,
    Reset1,
    End1,
    Lang,
    Help1,
    Command3,
    Web3,
    Command1,
    Command2,
    Command14,
    Command4,
    Command8,
    Command7,
    Command6,
    Command5,
    Command9,
    Command10,
    Command11,
    Check0,
    Check1,
    Check2,
    Check3,
    Frame1,
    Frame2,
    Frame5,
    Frame4,
    Frame3,
    DBGrid1,
    DBGrid2,
    Text8,
    Text6,
    Web1,
    Web2,
    // The surah copy window, after every target of the main window.
    Surat1,
    Surat1Frame1,
    Surat1Frame2,
    Surat1Check11,
    Surat1Check12,
    Surat1Check13,
    Surat1Check14,
    Surat1Check15,
    Surat1La1,
    Surat1La2,
    Surat1Command4,
    Surat1Command5,
    Surat1Command1,
};

struct Caption {
    CaptionTarget target;
    QString text;
};

// The captions a language gives on an occasion, one for each target.
std::vector<Caption> captionSet(UiLanguage language, CaptionVariant variant);

// The name by which the settings row stores a language.
QString storedName(UiLanguage language);
// The language stored under exactly `name`; none for any other text.
std::optional<UiLanguage> languageStoredAs(const QString& name);
