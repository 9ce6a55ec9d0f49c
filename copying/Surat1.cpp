#include "Surat1.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QSignalBlocker>

#include "Copy1.h"
#include "DecimalText.h"
#include "SelectAllBox.h"
#include "SurahCatalogue.h"

using namespace Qt::StringLiterals;

namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

qint64 valueOf(const QString& text) {
    return DecimalText::leadingDigits(text);
}

}  // namespace

Surat1::Surat1(QWidget* owner, SurahReader& reader)
    : QDialog(owner), main_(reader), copy_(reader.verseLists()) {
    setObjectName(u"Surat1"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"كؤبى كردني سوورةت"_s);
    setLayoutDirection(Qt::RightToLeft);
    createControls();
    layOutControls();
    connectHandlers();
    Form_Load();
}

void Surat1::createControls() {
    Frame1 = named(new QGroupBox(u"خيارات النسخ الأية"_s, this), u"Frame1"_s);
    Frame2 = named(new QGroupBox(u"خيارات النسخ السورة"_s, this), u"Frame2"_s);

    Combo1 = named(new QComboBox(Frame1), u"Combo1"_s);
    Combo2 = named(new QComboBox(Frame1), u"Combo2"_s);
    Combo3 = named(new QComboBox(Frame1), u"Combo3"_s);
    Combo4 = named(new QComboBox(Frame1), u"Combo4"_s);
    for (QComboBox* surahs : {Combo1, Combo3}) {
        surahs->addItems(SurahCatalogue::instance().itemTexts());
        surahs->setCurrentIndex(-1);
        surahs->setMaxVisibleItems(20);
    }
    for (QComboBox* verses : {Combo2, Combo4}) {
        verses->setMaxVisibleItems(20);
        verses->setMinimumContentsLength(3);
        verses->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    SkinLabel1 = named(new QLabel(u"0"_s, Frame1), u"SkinLabel1"_s);
    SkinLabel2 = named(new QLabel(u"0"_s, Frame1), u"SkinLabel2"_s);
    La1 = named(new QLabel(Frame1), u"La1"_s);
    La2 = named(new QLabel(Frame1), u"La2"_s);

    Check5 = named(new QCheckBox(Frame2), u"Check5"_s);
    Check4 = named(new QCheckBox(Frame2), u"Check4"_s);
    Check3 = named(new QCheckBox(Frame2), u"Check3"_s);
    Check2 = named(new QCheckBox(Frame2), u"Check2"_s);
    Check1 = named(new SelectAllBox(Frame2), u"Check1"_s);
    Check11 = named(new QLabel(Frame2), u"Check11"_s);
    Check12 = named(new QLabel(u"تفسير عربي"_s, Frame2), u"Check12"_s);
    Check13 = named(new QLabel(u"تفسير كوردي"_s, Frame2), u"Check13"_s);
    Check14 = named(new QLabel(u"تفسير إنجليزي"_s, Frame2), u"Check14"_s);
    Check15 = named(new QLabel(Frame2), u"Check15"_s);

    Command4 = named(new QPushButton(u"بدء النسخ"_s, this), u"Command4"_s);
    Command5 = named(new QPushButton(u"وقف"_s, this), u"Command5"_s);
    Command1 = named(new QPushButton(u"إلغاء"_s, this), u"Command1"_s);
    Command2 = named(new QPushButton(u">>"_s, this), u"Command2"_s);
    Command3 = named(new QPushButton(u"<<"_s, this), u"Command3"_s);
    // Enter presses no button by itself.
    for (QPushButton* button : {Command4, Command5, Command1, Command2, Command3})
        button->setAutoDefault(false);
    SkinLabel3 = named(new QLabel(u"%:"_s, this), u"SkinLabel3"_s);
    Te1 = named(new QLineEdit(this), u"Te1"_s);
    Te1->setReadOnly(true);
    Te1->setAlignment(Qt::AlignCenter);
    Te1->setFixedWidth(50);
    Label1 = named(new QLabel(u"Label1"_s, this), u"Label1"_s);
    Label1->hide();
}

void Surat1::layOutControls() {
    // The interface languages name Frame1 the surah copy and Frame2 the verse copy options.
    auto* range = new QGridLayout(Frame1);
    range->addWidget(La1, 0, 0);
    range->addWidget(Combo1, 0, 1);
    range->addWidget(Combo2, 0, 2);
    range->addWidget(SkinLabel1, 0, 3);
    range->addWidget(La2, 1, 0);
    range->addWidget(Combo3, 1, 1);
    range->addWidget(Combo4, 1, 2);
    range->addWidget(SkinLabel2, 1, 3);
    range->setColumnStretch(1, 1);
    for (QLabel* count : {SkinLabel1, SkinLabel2})
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(u"0000"_s));

    // Each box with its caption beside it; the select-all box heads the explanations.
    auto* options = new QGridLayout(Frame2);
    const std::tuple<QCheckBox*, QLabel*, int, int> boxes[] = {{Check5, Check11, 0, 0},
                                                               {Check1, Check15, 0, 1},
                                                               {Check4, Check12, 1, 0},
                                                               {Check3, Check13, 1, 1},
                                                               {Check2, Check14, 1, 2}};
    // The boxes in reading order, and each caption names its box to a screen reader.
    QWidget* previous = Combo4;
    for (const auto& [box, caption, row, column] : boxes) {
        setTabOrder(previous, box);
        previous = box;
        caption->setBuddy(box);
        auto* pair = new QHBoxLayout;
        pair->addWidget(box);
        pair->addWidget(caption);
        pair->addStretch();
        options->addLayout(pair, row, column);
    }

    auto* commands = new QHBoxLayout;
    for (QPushButton* command : {Command4, Command5, Command1})
        commands->addWidget(command);
    commands->addSpacing(16);
    commands->addWidget(Command2);
    commands->addWidget(Command3);
    commands->addStretch();
    commands->addWidget(SkinLabel3);
    commands->addWidget(Te1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(commands);
    layout->addStretch();
    layout->addWidget(Label1);
    // The captions change with the interface language; the window grows with their length.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void Surat1::connectHandlers() {
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Surat1::Combo1_Click);
    connect(Combo3, &QComboBox::currentIndexChanged, this, &Surat1::Combo3_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &Surat1::Combo2_Click);
    connect(Combo4, &QComboBox::currentIndexChanged, this, &Surat1::Combo4_Click);
    connect(Check1, &QCheckBox::stateChanged, this, &Surat1::Check1_Click);
    for (QCheckBox* explanation : {Check2, Check3, Check4})
        connect(explanation, &QCheckBox::stateChanged, this, &Surat1::UpdateSelectAll);
    connect(Command4, &QPushButton::clicked, this, &Surat1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Surat1::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &Surat1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Surat1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Surat1::Command3_Click);
    connect(&Timer1, &QTimer::timeout, this, &Surat1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Surat1::Timer2_Timer);
}

void Surat1::Form_Load() {
    Timer1.arm(10);
    Skin1.SkinWindow(this);
    Te1->setText(u"0"_s);
}

void Surat1::Timer1_Timer() {
    Combo3_Click();
    Combo1_Click();
    Timer1.arm(0);
}

// The steps both surah selectors share: the surah's verse count and verse list, and the main
// window's surah. Returns the ordinal of the surah's first verse.
qint64 Surat1::takeSurah(const QComboBox* surah, QLabel* count, QComboBox* verses) {
    const Surah* row = SurahCatalogue::instance().findByItemText(surah->currentText());
    const int verseCount = row ? row->verseCount : 1;
    count->setText(QString::number(verseCount));
    {
        // The index follows once the surah's first ordinal is known.
        const QSignalBlocker quiet(verses);
        verses->clear();
        for (int verse = 1; verse <= verseCount; ++verse)
            verses->addItem(QString::number(verse));
        verses->setCurrentIndex(0);
    }
    // A window loaded out of sight (by a caption write or the switch to reading) has no surah
    // chosen yet: it leaves the main window's surah as the reader chose it.
    if (surah->currentIndex() < 0)
        return 1;
    main_.chooseSurah(surah->currentIndex());
    main_.showSurahVerses(surah->currentText());
    return main_.currentVerseOrdinal();
}

void Surat1::Combo1_Click() {
    fromSurahStart_ = takeSurah(Combo1, SkinLabel1, Combo2);
    Combo2_Click();
    if (valueOf(Text2) < valueOf(Text1))
        Combo3->setCurrentIndex(Combo1->currentIndex());
}

void Surat1::Combo3_Click() {
    toSurahStart_ = takeSurah(Combo3, SkinLabel2, Combo4);
    Combo4_Click();
    if (valueOf(Text2) < valueOf(Text1)) {
        {
            const QSignalBlocker quiet(Combo1);
            Combo1->setCurrentIndex(Combo1->findText(Combo3->currentText()));
        }
        Combo1_Click();
    }
}

void Surat1::Combo2_Click() {
    Text1 = QString::number(fromSurahStart_ + valueOf(Combo2->currentText()) - 1);
}

void Surat1::Combo4_Click() {
    Text2 = QString::number(toSurahStart_ + valueOf(Combo4->currentText()) - 1);
}

void Surat1::Check1_Click() {
    const Qt::CheckState state = Check1->checkState();
    if (state == Qt::PartiallyChecked)
        return;
    for (QCheckBox* explanation : {Check2, Check3, Check4})
        explanation->setCheckState(state);
}

void Surat1::UpdateSelectAll() {
    const bool all = Check2->isChecked() && Check3->isChecked() && Check4->isChecked();
    const bool any = Check2->isChecked() || Check3->isChecked() || Check4->isChecked();
    Check1->setCheckState(all ? Qt::Checked : any ? Qt::PartiallyChecked : Qt::Unchecked);
}

SurahCopyChoices Surat1::choices() const {
    return {valueOf(Text1),      Combo2->currentText(), Check5->isChecked(),
            Check4->isChecked(), Check3->isChecked(),   Check2->isChecked()};
}

void Surat1::enableChoices(bool enabled) {
    // A range or an option changed halfway would drop or repeat verses of the copy under way.
    for (QWidget* choice :
         std::initializer_list<QWidget*>{Command4, Command3, Command2, Combo1, Combo2, Combo3,
                                         Combo4, Check1, Check2, Check3, Check4, Check5})
        choice->setEnabled(enabled);
}

void Surat1::Command4_Click() {
    Te1->setText(u"0"_s);
    if (!copy_.start(choices(), valueOf(Text2)))
        return;
    Timer2.arm(1);
    enableChoices(false);
}

void Surat1::Command5_Click() {
    Timer2.arm(0);
    enableChoices(true);
}

void Surat1::Timer2_Timer() {
    const SurahCopyText::Step step = copy_.step(choices());
    if (step.finished) {
        Timer2.arm(0);
        enableChoices(true);
        Te1->setText(u"100"_s);
        // The text lives only in the copy window from now on.
        showCopy(copy_.takeText());
    }
    if (step.progress)
        Te1->setText(QString::number(*step.progress));
}

Copy1* Surat1::copy1() {
    if (!copy1_) {
        copy1_ = new Copy1(main_.verseFontName(), this);
        connect(copy1_, &Copy1::unloaded, this, [this] {
            update();
            // Back to this window, no longer modal: the main window is usable beside it.
            setWindowModality(Qt::NonModal);
            show();
        });
    }
    return copy1_;
}

void Surat1::showCopy(const QString& text) {
    Copy1* copyWindow = copy1();
    copyWindow->Text1->setPlainText(text);
    hide();
    copyWindow->setWindowModality(Qt::ApplicationModal);
    copyWindow->show();
}

void Surat1::chooseRange(int index) {
    Combo1->setCurrentIndex(index);
    Combo3->setCurrentIndex(index);
}

void Surat1::clearHiddenLabel() {
    Label1->setText(QString());
}

void Surat1::Command1_Click() {
    close();
}

void Surat1::reject() {
    close();  // Escape is Cancel too
}

void Surat1::closeEvent(QCloseEvent* event) {
    // Every way of closing is Cancel. The copy ends with the window; the main window ends
    // on the from-surah, in its surah box and in its verses alike, and is usable again once
    // this window is hidden.
    Timer1.arm(0);
    Timer2.arm(0);
    // Chosen as an entry, so that the main window stores its position, not "no surah".
    main_.chooseSurah(Combo1->currentIndex());
    main_.showSurahVerses(Combo1->currentText());
    event->accept();
}

void Surat1::Command2_Click() {
    main_.stepVerse(-1);
}

void Surat1::Command3_Click() {
    main_.stepVerse(1);
}
