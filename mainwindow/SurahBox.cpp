#include "SurahBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalBlocker>

#include "SurahCatalogue.h"
#include "TypedListText.h"

SurahBox::SurahBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would rewrite what the user types; the box takes the text as typed.
    setCompleter(nullptr);
    keepTypedText(this);
    setMaxVisibleItems(20);
    // The names read from the right, in the box and in its list alike.
    lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    view()->setLayoutDirection(Qt::RightToLeft);
    addItems(SurahCatalogue::instance().itemTexts());
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, &SurahBox::surahChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SurahBox::takeTypedText);
}

void SurahBox::setTypedText(const QString& text) {
    if (text == currentText() && currentIndex() < 0)
        return;
    takeTypedText(text);
}

void SurahBox::takeTypedText(const QString& text) {
    const int cursor = lineEdit()->cursorPosition();
    {
        // Deselecting clears the text; put the typed text back without a second notice.
        const QSignalBlocker blocker(this);
        setCurrentIndex(-1);
        lineEdit()->setText(text);
    }
    lineEdit()->setCursorPosition(cursor);
    emit surahChanged();
}
