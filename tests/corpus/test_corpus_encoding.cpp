#include <QSet>
#include <QTest>

#include "CorpusFormat.h"
#include "Windows1256.h"

class TestCorpusEncoding : public QObject {
    Q_OBJECT

  private slots:
    void knownBytes_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("ascii A") << 0x41 << 0x41;
        QTest::newRow("zwnj") << 0x9D << 0x200C;
        QTest::newRow("zwj, the delimiter") << 0x9E << 0x200D;
        QTest::newRow("keheh") << 0x98 << 0x06A9;
        QTest::newRow("kaf") << 0xDF << 0x0643;
        QTest::newRow("ellipsis") << 0x85 << 0x2026;
        QTest::newRow("right double quote") << 0x94 << 0x201D;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("alef") << 0xC7 << 0x0627;
        QTest::newRow("arabic comma") << 0xA1 << 0x060C;
        QTest::newRow("e acute") << 0xE9 << 0x00E9;
        QTest::newRow("rlm") << 0xFE << 0x200F;
        QTest::newRow("yeh barree") << 0xFF << 0x06D2;
    }
    void knownBytes() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(int(windows1256::toUnicode(static_cast<unsigned char>(byte))), unicode);
    }

    // Every byte decodes to its own character and encodes back to itself.
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = windows1256::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
        QCOMPARE(windows1256::encode(text), std::optional<QByteArray>(all));
    }

    void encodeRefusesWhatDoesNotFit_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("superscript alef") << QStringLiteral("رَحْمَـٰن");
        QTest::newRow("sorani reh") << QStringLiteral("ڕێگه");
        QTest::newRow("pause mark") << QStringLiteral("هُدًى ۖ");
        QTest::newRow("C1 control") << QStringLiteral("a\u0085");
    }
    void encodeRefusesWhatDoesNotFit() {
        QFETCH(QString, text);
        QVERIFY(!windows1256::encode(text));
    }

    // The writer picks the code page when it can; the reader tells the two apart by the mark.
    void corpusTextRoundTrips_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("fits the code page")
            << QStringLiteral("بسم الله\u200D\u200D12\r\n") << false;
        QTest::newRow("needs UTF-8") << QStringLiteral("ڕێگه\u200D\u200D12\r\n") << true;
        QTest::newRow("U+FEFF after the mark is text") << QStringLiteral("\uFEFFڕ\r\n") << true;
        QTest::newRow("empty") << QString() << false;
    }
    void corpusTextRoundTrips() {
        QFETCH(QString, text);
        QFETCH(bool, utf8);
        const QByteArray bytes = corpusformat::encode(text);
        QCOMPARE(bytes.startsWith(corpusformat::kUtf8Bom), utf8);
        const corpusformat::DecodedText decoded = corpusformat::decode(bytes);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.invalidUtf8Line, 0);
    }

    void invalidUtf8NamesItsLine() {
        const QByteArray bytes = "\xEF\xBB\xBFone\r\ntwo\r\nth\xC3(ree\r\nfour\xFF\r\n";
        QCOMPARE(corpusformat::decode(bytes).invalidUtf8Line, 3);
    }
};

QTEST_GUILESS_MAIN(TestCorpusEncoding)
#include "test_corpus_encoding.moc"
