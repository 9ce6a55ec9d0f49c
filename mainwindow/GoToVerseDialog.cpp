#include "GoToVerseDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DecimalText.h"
#include "SearchCaptions.h"
#include "SurahCatalogue.h"

GoToVerseDialog::GoToVerseDialog(const SearchCaptions& captions, Qt::LayoutDirection direction,
                                 QWidget* parent)
    : QDialog(parent),
      surahField_(new QLineEdit(this)),
      verseField_(new QLineEdit(this)),
      problem_(new QLabel(this)),
      unknownSurah_(captions.unknownSurah) {
    setObjectName(QStringLiteral("GoToVerseDialog"));
    setWindowTitle(captions.goToVerse);
    setLayoutDirection(direction);
    surahField_->setObjectName(QStringLiteral("surah"));
    verseField_->setObjectName(QStringLiteral("verse"));
    verseField_->setValidator(new QIntValidator(1, 999, verseField_));
    problem_->hide();

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(captions.go, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(captions.cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToVerseDialog::go);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(captions.surah, surahField_);
    form->addRow(captions.verse, verseField_);
    form->addRow(problem_);
    form->addRow(buttons);
}

int GoToVerseDialog::verse() const {
    return int(std::max<qint64>(1, DecimalText::leadingDigits(verseField_->text())));
}

void GoToVerseDialog::go() {
    surah_ = SurahCatalogue::instance().findByReadersName(surahField_->text());
    if (!surah_) {
        problem_->setText(unknownSurah_);
        problem_->show();
        surahField_->setFocus();
        return;
    }
    accept();
}
