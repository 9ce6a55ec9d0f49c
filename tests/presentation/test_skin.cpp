#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "Skin.h"

using namespace Qt::StringLiterals;

namespace {

// A window shaped like the program's: a caption, a button and a text pane.
struct SkinnedWindow {
    QMainWindow window;
    QLabel* caption = nullptr;
    QPushButton* button = nullptr;
    QPlainTextEdit* pane = nullptr;

    SkinnedWindow() {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        caption = new QLabel(u"Caption"_s);
        button = new QPushButton(u"Button"_s);
        pane = new QPlainTextEdit;
        layout->addWidget(caption);
        layout->addWidget(button);
        layout->addWidget(pane);
        window.setCentralWidget(central);
        window.resize(300, 200);
    }

    QColor windowColour() {
        window.ensurePolished();
        return window.grab().toImage().pixelColor(2, 2);
    }
};

// The colour a widget is filled with, taken left of any text it shows.
QColor groundColour(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixelColor(6, image.height() / 2);
}

// WCAG relative luminance and contrast ratio.
double luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class TestSkin : public QObject {
    Q_OBJECT

  private slots:
    void kindsLookDistinct() {
        QList<QColor> colours;
        for (SkinKind kind : {SkinKind::Green, SkinKind::SurahCopy, SkinKind::SettingsOnly}) {
            SkinnedWindow skinned;
            Skin(kind).SkinWindow(&skinned.window);
            colours.append(skinned.windowColour());
        }
        QVERIFY(colours[0] != colours[1]);
        QVERIFY(colours[0] != colours[2]);
        QVERIFY(colours[1] != colours[2]);
    }

    void repeatedCallKeepsTheLookAndReachesNewControls() {
        SkinnedWindow skinned;
        const Skin skin(SkinKind::Green);
        skin.SkinWindow(&skinned.window);
        const QColor before = skinned.windowColour();
        const QColor buttonBefore = groundColour(skinned.button);

        auto* added = new QPushButton(u"Added"_s);
        skinned.window.centralWidget()->layout()->addWidget(added);
        skinned.caption->setText(u"Another caption"_s);
        skin.SkinWindow(&skinned.window);
        QCOMPARE(skinned.windowColour(), before);
        QCOMPARE(groundColour(skinned.button), buttonBefore);
        QCOMPARE(groundColour(added), buttonBefore);
    }

    void textStaysLegibleAndPanesKeepTheirColours_data() {
        QTest::addColumn<SkinKind>("kind");
        QTest::newRow("green") << SkinKind::Green;
        QTest::newRow("surah copy") << SkinKind::SurahCopy;
    }
    void textStaysLegibleAndPanesKeepTheirColours() {
        QFETCH(SkinKind, kind);
        SkinnedWindow skinned;
        QPalette panePalette = skinned.pane->palette();
        panePalette.setColor(QPalette::Base, QColor(0xff, 0xff, 0xcc));
        skinned.pane->setPalette(panePalette);

        Skin(kind).SkinWindow(&skinned.window);
        skinned.window.ensurePolished();
        for (QWidget* control :
             {static_cast<QWidget*>(skinned.caption), static_cast<QWidget*>(skinned.button)}) {
            control->ensurePolished();
            const QPalette palette = control->palette();
            const QColor text = palette.color(control->foregroundRole());
            const QColor ground =
                control == skinned.caption ? skinned.windowColour() : groundColour(control);
            QVERIFY2(contrast(text, ground) >= 4.5, control->metaObject()->className());
        }
        QCOMPARE(groundColour(skinned.pane->viewport()), QColor(0xff, 0xff, 0xcc));
    }
};

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
