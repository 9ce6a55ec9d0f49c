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

// A caption that follows the interface language: the text of the control named `control` in
// the window named `window` (object names). The window's own name stands for its title; the
// main window's "Text6" is the count word of the count line, which no control shows alone.
struct Caption {
    QString window;
    QString control;
    QString text;
};

// The captions a language gives on an occasion, one for each control that takes one.
std::vector<Caption> captionSet(UiLanguage language, CaptionVariant variant);

// The text of the caption for `control` of `window`; empty when there is none.
QString captionOf(const std::vector<Caption>& captions, const QString& window,
                  const QString& control);

// What a screen reader says of a control of `window` named `control`: its name (empty where the
// caption it shows names it) and what it is for.
struct AccessibleText {
    QString window;
    QString control;
    QString name;
    QString description;
};

// The accessible texts of a language, for the controls whose captions alone do not tell them.
std::vector<AccessibleText> accessibleTexts(UiLanguage language);

// The name by which the settings row stores a language.
QString storedName(UiLanguage language);
// The language stored under exactly `name`; none for any other text.
std::optional<UiLanguage> languageStoredAs(const QString& name);
