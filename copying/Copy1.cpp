#include "Copy1.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QSignalBlocker>

#include "ScreenFit.h"
#include "TextPositionBar.h"

using namespace Qt::StringLiterals;

Copy1::Copy1(const QString& verseFont, QWidget* parent) : QDialog(parent) {
    setObjectName(u"Copy1"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Copy"_s);
    resize(900, 620);

    // A plain text document lays out only what is in view, so megabytes show at once and
    // document-wide size and alignment changes stay cheap.
    Text1 = new ExactCopyEdit(u"Text1"_s, this);
    Text1->setObjectName(u"Text1"_s);
    auto* text1Bar = new TextPositionBar(Text1, this);
    text1Bar->setObjectName(u"Text1Bar"_s);
    QFont font(u"Traditional Arabic-Q"_s);
    font.setPointSizeF(9.75);
    font.setBold(true);
    Text1->setFont(font);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(u"Combo1"_s);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(u"HScroll1"_s);
    HScroll1->setRange(0, 2);
    HScroll1->setPageStep(1);
    HScroll1->setValue(1);
    HScroll1->setFixedWidth(120);

    auto* controls = new QHBoxLayout;
    controls->addWidget(HScroll1);
    controls->addStretch();
    controls->addWidget(Combo1);
    auto* text = new QHBoxLayout;
    text->setSpacing(0);
    text->addWidget(Text1);
    text->addWidget(text1Bar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(text);
    layout->addLayout(controls);
    fitToScreen(this);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &Copy1::Combo1_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Copy1::HScroll1_Change);
    Form_Load(verseFont);
}

void Copy1::Form_Load(const QString& verseFont) {
    setFontFamily(verseFont);
    {
        // Filling the list chooses nothing yet; choosing 20 below sets the size.
        const QSignalBlocker quiet(Combo1);
        for (int n = 5; n <= 15; ++n)
            Combo1->addItem(QString::number(2 * n));
    }
    Combo1->setCurrentIndex(5);
    Skin1.SkinWindow(this);
    setFontFamily(u"Traditional Arabic-Q"_s);
    HScroll1_Change();
}

void Copy1::setFontFamily(const QString& family) {
    QFont font = Text1->font();
    font.setFamily(family);
    Text1->setFont(font);
}

void Copy1::Combo1_Click() {
    QFont font = Text1->font();
    font.setPointSizeF(double(Combo1->currentText().toFloat()));
    Text1->setFont(font);
}

void Copy1::HScroll1_Change() {
    static constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                    Qt::AlignRight};
    QTextOption option = Text1->document()->defaultTextOption();
    option.setAlignment(kAlignments[HScroll1->value()] | Qt::AlignAbsolute);
    Text1->document()->setDefaultTextOption(option);
}

void Copy1::reject() {
    close();  // Escape closes the window like its close button
}

void Copy1::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}
