// The copy window on its own: its state after the load, the size list, the alignment bar,
// that neither size nor alignment touches the text or its copy, and the text's scroll bar.
#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "Copy1.h"
#include "SurahCatalogue.h"

using namespace Qt::StringLiterals;

namespace {

Qt::Alignment horizontalAlignment(const Copy1& copy) {
    return copy.Text1->document()->defaultTextOption().alignment() &
           (Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignRight);
}

// Arabic, Kurdish, English and the marks the verse lists carry, over several paragraphs.
const QString kText =
    u" ( سورة الفاتحة )\r\nبِسْمِ اللَّهِ [1] (ئه‌م ڕۆژه‌) "_s +
    u"(The Most Gracious\u00A0)\r\n\r\nالْحَمْدُ \u200f[2]\r\n"_s;

// The shape of a copy of the whole Quran without the line option: a header line and one long
// paragraph of numbered verses for each surah.
QString wholeQuranShape() {
    QString text;
    for (const Surah& surah : SurahCatalogue::instance().rows()) {
        text += u" ( سورة "_s + surah.arabicName + u" )\r\n"_s;
        for (int verse = 1; verse <= surah.verseCount; ++verse)
            text += u"الْحَمْدُ لِلَّهِ رَبِّ الْعَالَمِينَ ["_s + QString::number(verse) + u"] "_s;
        text += u"\r\n"_s;
    }
    return text;
}

double shownPlace(const Copy1& copy) {
    return copy.Text1->cursorForPosition(QPoint(0, 0)).position() /
           double(copy.Text1->document()->characterCount());
}

QString asShown(QString text) {
    return text.replace(u"\r\n"_s, QString(QChar::ParagraphSeparator));
}

}  // namespace

class TestCopy1 : public QObject {
    Q_OBJECT

  private slots:
    void loadState() {
        Copy1 copy(u"Arial"_s);
        QCOMPARE(copy.windowTitle(), u"Copy"_s);
        QCOMPARE(copy.Text1->toPlainText(), u"Text1"_s);
        QStringList sizes;
        for (int i = 0; i < copy.Combo1->count(); ++i)
            sizes.append(copy.Combo1->itemText(i));
        QCOMPARE(sizes, (QStringList{u"10"_s, u"12"_s, u"14"_s, u"16"_s, u"18"_s, u"20"_s, u"22"_s,
                                     u"24"_s, u"26"_s, u"28"_s, u"30"_s}));
        QCOMPARE(copy.Combo1->currentText(), u"20"_s);
        const QFont font = copy.Text1->font();
        QCOMPARE(font.family(), u"Traditional Arabic-Q"_s);
        QVERIFY(font.bold());
        QCOMPARE(font.pointSizeF(), 20.0);
        QCOMPARE(copy.HScroll1->minimum(), 0);
        QCOMPARE(copy.HScroll1->maximum(), 2);
        QCOMPARE(copy.HScroll1->value(), 1);
        QCOMPARE(horizontalAlignment(copy), Qt::AlignHCenter);
    }

    void alignmentFollowsTheBar_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<Qt::Alignment>("alignment");
        QTest::newRow("right") << 2 << Qt::Alignment(Qt::AlignRight);
        QTest::newRow("left") << 0 << Qt::Alignment(Qt::AlignLeft);
        QTest::newRow("centred") << 1 << Qt::Alignment(Qt::AlignHCenter);
    }
    void alignmentFollowsTheBar() {
        QFETCH(int, position);
        QFETCH(Qt::Alignment, alignment);
        Copy1 copy{QString()};
        copy.Text1->setPlainText(kText);
        copy.HScroll1->setValue(position == 1 ? 0 : 1);
        copy.HScroll1->setValue(position);
        QCOMPARE(horizontalAlignment(copy), alignment);
        // Left and right mean the sides of the field, whatever the text's direction.
        QVERIFY(copy.Text1->document()->defaultTextOption().alignment() & Qt::AlignAbsolute);
        QCOMPARE(copy.Text1->document()->toRawText(), asShown(kText));
    }

    void sizeFollowsTheList() {
        Copy1 copy{QString()};
        copy.Text1->setPlainText(kText);
        copy.show();
        for (int i = 0; i < copy.Combo1->count(); ++i) {
            copy.Combo1->setCurrentIndex(i);
            QCOMPARE(copy.Text1->font().pointSizeF(), 10.0 + 2 * i);
            QCOMPARE(copy.Text1->font().family(), u"Traditional Arabic-Q"_s);
            QVERIFY(copy.Text1->font().bold());
        }
        QCOMPARE(copy.Text1->document()->toRawText(), asShown(kText));
        // The field's own copy carries every character as written, the no-break space too.
        copy.Text1->selectAll();
        copy.Text1->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), kText);
    }

    // Over a whole Quran the thumb dragged to the middle shows the middle of the text and stays
    // there; the keys move it on.
    void textBarFollowsThePlaceInTheWholeText() {
        Copy1 copy{QString()};
        copy.Text1->setPlainText(wholeQuranShape());
        copy.show();
        QVERIFY(QTest::qWaitForWindowExposed(&copy));
        auto* bar = copy.findChild<QScrollBar*>(u"Text1Bar"_s);
        QVERIFY(bar && bar->isVisible());
        QVERIFY(!copy.Text1->verticalScrollBar()->isVisible());

        bar->setSliderDown(true);
        bar->setSliderPosition(bar->maximum() / 2);
        bar->setSliderDown(false);
        QTest::qWait(100);
        QVERIFY2(std::abs(shownPlace(copy) - 0.5) < 0.02,
                 qPrintable(QString::number(shownPlace(copy))));
        QVERIFY2(std::abs(bar->value() / double(bar->maximum()) - 0.5) < 0.02,
                 qPrintable(QString::number(bar->value())));

        QTest::keyClick(copy.Text1, Qt::Key_End, Qt::ControlModifier);
        QTest::qWait(100);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(copy.Text1, Qt::Key_Home, Qt::ControlModifier);
        QTest::qWait(100);
        QCOMPARE(bar->value(), 0);
    }

    // Escape closes the window like its close button: it announces that and unloads.
    void closing_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape") << true;
    }
    void closing() {
        QFETCH(bool, escape);
        QPointer<Copy1> copy = new Copy1(QString());
        copy->show();
        QSignalSpy unloaded(copy, &Copy1::unloaded);
        if (escape)
            QTest::keyClick(copy->Text1, Qt::Key_Escape);
        else
            copy->windowHandle()->close();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(QTest::qWaitFor([&] { return copy.isNull(); }));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TestCopy1 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_copy1.moc"
