// The settings row's values in the window's controls, the pane styles, the interface language
// and the steps that run once after start.
#include <QMenu>
#include <array>

#include "CaptionWriter.h"
#include "FactorySettings.h"
#include "PaneStyleRules.h"
#include "QtTexts.h"
#include "Quran1.h"
#include "RecordSource.h"
#include "Schema.h"
#include "SearchCaptions.h"
#include "SettingsRow.h"
#include "Surat1.h"

using namespace Qt::StringLiterals;

// A pane with its style controls and the settings-row fields behind them.
struct Quran1::PaneStyle {
    QPlainTextEdit* pane;
    QComboBox* fontList;
    QString fontField;
    QComboBox* sizeList;
    QString sizeField;
    QCheckBox* boldBox;
    QString flagField;
    bool italicOff;  // the style application leaves the Arabic explanation's italic alone
};

std::array<Quran1::PaneStyle, 4> Quran1::paneStyles() const {
    using namespace schema;
    return {{
        {Text4, Combo2, kVerseFont, Combo6, kVerseSize, Check0, kVerseBold, true},
        {Te1, Combo3, kArabicFont, Combo7, kArabicSize, Check1, kArabicBold, false},
        {TE2, Combo4, kKurdishFont, Combo8, kKurdishSize, Check3, kKurdishBold, true},
        {TE3, Combo5, kEnglishFont, Combo9, kEnglishSize, Check2, kEnglishBold, true},
    }};
}

QString Quran1::Text2() const {
    return sources.Data2->value(schema::kLanguage);
}
void Quran1::setText2(const QString& name) {
    sources.Data2->write(schema::kLanguage, name);
}
QString Quran1::Text9() const {
    return sources.Data2->value(schema::kVerseBold);
}
QString Quran1::Text10() const {
    return sources.Data2->value(schema::kArabicBold);
}
QString Quran1::Text12() const {
    return sources.Data2->value(schema::kKurdishBold);
}
QString Quran1::Text13() const {
    return sources.Data2->value(schema::kEnglishBold);
}

void Quran1::bindToSettingsRow() {
    SettingsRow& row = *sources.Data2;
    // The stored word runs the search once, as any change of the box does.
    connect(Text, &QLineEdit::textChanged, this, &Quran1::Text_Change);
    Text->setText(row.value(schema::kSearchWord));
    // A change whose procedure changed the box again (leading blanks) is stale by now: the
    // nested change stored the text the box holds. A burst of keystrokes is synced at once.
    connect(Text, &QLineEdit::textChanged, this, [this, &row](const QString& text) {
        if (text == Text->text())
            row.writeSoon(schema::kSearchWord, text);
    });
    Text->installEventFilter(this);

    // Connected first, so that the stored sizes taking their lists reach the panes.
    connectStyleTriggers();
    for (const PaneStyle& style : paneStyles()) {
        style.fontList->setEditText(row.value(style.fontField));
        connect(style.fontList, &QComboBox::editTextChanged, this,
                [&row, field = style.fontField](const QString& text) { row.write(field, text); });
        // A stored size that is not an entry leaves the list without a selection.
        style.sizeList->setCurrentIndex(style.sizeList->findText(row.value(style.sizeField)));
        connect(style.sizeList, &QComboBox::currentTextChanged, this,
                [&row, field = style.sizeField](const QString& text) {
                    if (!text.isEmpty())
                        row.write(field, text);
                });
    }
    Label1->setText(row.value(schema::kSurahPosition));
    Label3->setText(row.value(schema::kSurahPosition));
}

void Quran1::connectStyleTriggers() {
    for (const PaneStyle& style : paneStyles()) {
        for (QComboBox* list : {style.fontList, style.sizeList}) {
            // A pick by code changes the selection; picking the selected entry again is a pick
            // too. Typing a name is none.
            connect(list, &QComboBox::currentIndexChanged, this, [this] { Timer2.arm(1); });
            connect(list, &QComboBox::activated, this, [this] { Timer2.arm(1); });
        }
        connect(style.boldBox, &QCheckBox::stateChanged, this,
                [this, box = style.boldBox, field = style.flagField] { Check_Click(box, field); });
    }
}

void Quran1::Check_Click(QCheckBox* box, const QString& flagField) {
    Timer2.arm(1);
    sources.Data2->write(flagField, PaneStyleRules::flagFor(box->isChecked()));
}

void Quran1::ApplyPaneStyles() {
    const std::array<PaneStyle, 4> styles = paneStyles();
    for (const PaneStyle& style : styles) {
        QFont font = PaneStyleRules::withNameAndSize(
            style.pane->font(), style.fontList->currentText(), style.sizeList->currentText());
        if (style.italicOff)
            font.setItalic(false);
        style.pane->setFont(font);
    }
    for (const PaneStyle& style : styles) {
        const bool bold = PaneStyleRules::flagSaysBold(sources.Data2->value(style.flagField));
        QFont font = style.pane->font();
        font.setBold(bold);
        style.pane->setFont(font);
        // A box whose state changes rewrites its flag to match; the application it asks for
        // would change nothing, and the disarm below drops it.
        style.boldBox->setChecked(bold);
    }
    Timer2.arm(0);
}

void Quran1::Reset1_Click() {
    const std::array<PaneStyle, 4> styles = paneStyles();
    // Setting a font list's text is no pick; a size list whose selection changes is one.
    for (const PaneStyle& style : styles)
        style.fontList->setEditText(FactorySettings::value(style.fontField));
    for (const PaneStyle& style : styles)
        style.sizeList->setCurrentIndex(
            style.sizeList->findText(FactorySettings::value(style.sizeField)));
    showLanguage(UiLanguage::English, CaptionVariant::Reset);
    for (const PaneStyle& style : styles)
        style.boldBox->setChecked(
            PaneStyleRules::flagSaysBold(FactorySettings::value(style.flagField)));
    announceLanguage(UiLanguage::English);
}

void Quran1::captionSearchMenu() {
    const SearchCaptions& captions = searchCaptions(language_);
    searchMenu_->setTitle(captions.menu);
    tolerantSearch_->setText(captions.tolerant);
    const QString* inCaptions[] = {&captions.inVerses, &captions.inArabic, &captions.inKurdish,
                                   &captions.inEnglish};
    for (size_t i = 0; i < searchIn_.size(); ++i)
        searchIn_[i].first->setText(*inCaptions[i]);
    goToVerse_->setText(captions.goToVerse);
}

void Quran1::Ar_Click() {
    switchLanguage(UiLanguage::Arabic);
}
void Quran1::En_Click() {
    switchLanguage(UiLanguage::English);
}
void Quran1::Ku_Click() {
    switchLanguage(UiLanguage::Kurdish);
}

void Quran1::switchLanguage(UiLanguage language) {
    showLanguage(language, CaptionVariant::Menu);
    announceLanguage(language);
}

void Quran1::showLanguage(UiLanguage language, CaptionVariant variant) {
    captionsShown_ = captionSet(language, variant);
    accessibleShown_ = accessibleTexts(language);
    writeCaptions(*this, captionsShown_);
    writeAccessibleTexts(*this, accessibleShown_);
    Text6 = captionOf(captionsShown_, objectName(), u"Text6"_s);
    showLanguageIn(*surat1());
    language_ = language;
    showQtTextsIn(language);
    captionSearchMenu();
    Ar->setChecked(language == UiLanguage::Arabic);
    En->setChecked(language == UiLanguage::English);
    Ku->setChecked(language == UiLanguage::Kurdish);
}

void Quran1::showLanguageIn(Surat1& window) const {
    writeCaptions(window, captionsShown_);
    writeAccessibleTexts(window, accessibleShown_);
}

// Stores the language and shows its count word; the new captions get the skin.
void Quran1::announceLanguage(UiLanguage language) {
    setText2(storedName(language));
    Timer11.arm(1);
    Skin1.SkinWindow(this);
}

void Quran1::Timer3_Timer() {
    Timer5.arm(1000);
    // Only a name stored exactly as written applies; anything else keeps the creation captions.
    if (const std::optional<UiLanguage> language = languageStoredAs(Text2())) {
        showLanguage(*language, CaptionVariant::StartUp);
        setText2(storedName(*language));
    }
    Skin1.SkinWindow(this);
    Timer3.arm(0);
    emptyPanes();
    Te = Text->text();
    SearchAndShow();
}

void Quran1::Timer5_Timer() {
    const std::pair<QPlainTextEdit*, Qt::LayoutDirection> panes[] = {{Text4, Qt::RightToLeft},
                                                                     {Te1, Qt::RightToLeft},
                                                                     {TE2, Qt::RightToLeft},
                                                                     {TE3, Qt::LeftToRight}};
    for (const auto& [pane, direction] : panes) {
        pane->setLayoutDirection(direction);
        QTextOption option = pane->document()->defaultTextOption();
        option.setTextDirection(direction);
        pane->document()->setDefaultTextOption(option);
    }
    Timer5.arm(0);
}
