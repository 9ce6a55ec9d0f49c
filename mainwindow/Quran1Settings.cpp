// The settings row's values in the window's controls, and the steps that run once after start.
#include "Quran1.h"
#include "RecordSource.h"
#include "SettingsRow.h"

using namespace Qt::StringLiterals;

namespace {

// Stored texts of the settings row that live in the window's lists.
struct ListBinding {
    QComboBox* list;
    QString field;
};

}  // namespace

QString Quran1::Text2() const {
    return sources.Data2->value(u"Lang"_s);
}
void Quran1::setText2(const QString& name) {
    sources.Data2->write(u"Lang"_s, name);
}

void Quran1::bindToSettingsRow() {
    SettingsRow& row = *sources.Data2;
    // The stored word runs the search once, as any change of the box does.
    connect(Text, &QLineEdit::textChanged, this, &Quran1::Text_Change);
    Text->setText(row.value(u"Kalima"_s));
    connect(Text, &QLineEdit::textChanged, this,
            [&row](const QString& text) { row.write(u"Kalima"_s, text); });
    Text->installEventFilter(this);

    const ListBinding fonts[] = {
        {Combo2, u"Aia"_s}, {Combo3, u"Ara"_s}, {Combo4, u"Kurd"_s}, {Combo5, u"Eng"_s}};
    for (const ListBinding& font : fonts) {
        font.list->setEditText(row.value(font.field));
        connect(font.list, &QComboBox::editTextChanged, this,
                [&row, field = font.field](const QString& text) { row.write(field, text); });
    }
    const ListBinding sizes[] = {
        {Combo6, u"AiaNo"_s}, {Combo7, u"AraNo"_s}, {Combo8, u"KurdNo"_s}, {Combo9, u"EngNo"_s}};
    for (const ListBinding& size : sizes) {
        // A stored size that is not an entry leaves the list without a selection.
        size.list->setCurrentIndex(size.list->findText(row.value(size.field)));
        connect(size.list, &QComboBox::currentTextChanged, this,
                [&row, field = size.field](const QString& text) {
                    if (!text.isEmpty())
                        row.write(field, text);
                });
    }
    Label1->setText(row.value(u"Sura"_s));
    Label3->setText(row.value(u"Sura"_s));
}

void Quran1::Timer3_Timer() {
    arm(Timer5, 1000);
    Skin1.SkinWindow(this);
    arm(Timer3, 0);
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
    arm(Timer5, 0);
}
