#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "CorpusFormat.h"
#include "VerseLists.h"
#include "Windows1256.h"

namespace {

constexpr int kLines = VerseLists::kCount;
const QString kJoiner = QStringLiteral("\u200D");
const QString kDelimiter = corpusformat::kFieldDelimiter.toString();

// The six fields of verse n in file order, before reversal. The Kurdish field holds a
// letter outside the code page when the fixture is UTF-8.
QStringList fieldsOf(int n, bool utf8) {
    return {QStringLiteral("آية %1 بسم").arg(n),
            QStringLiteral("English %1").arg(n),
            QStringLiteral("%1 كردي %2").arg(utf8 ? QStringLiteral("ڕێ") : QString()).arg(n),
            QStringLiteral("تفسير %1").arg(n),
            QString::number(n),
            QStringLiteral("سورة")};
}

QString lineOf(const QStringList& fields) {
    QStringList reversed;
    for (const QString& field : fields)
        reversed.append(reversestring(field));
    return reversed.join(kDelimiter);
}

struct Fixture {
    bool utf8 = false;
    QStringList lines;
    QString terminator = QStringLiteral("\r\n");
    bool terminateLast = true;
    QByteArray trailingBytes;  // raw bytes after the last line

    explicit Fixture(bool isUtf8, int lineCount = kLines) : utf8(isUtf8) {
        for (int n = 1; n <= lineCount; ++n)
            lines.append(lineOf(fieldsOf(n, utf8)));
    }

    QByteArray bytes() const {
        QString text = lines.join(terminator);
        if (terminateLast && !lines.isEmpty())
            text += terminator;
        QByteArray encoded = utf8 ? corpusformat::kUtf8Bom.toByteArray() + text.toUtf8()
                                  : windows1256::encode(text).value();
        return encoded + trailingBytes;
    }
};

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("6.HTA"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
    return path;
}

void addEncodings() {
    QTest::addColumn<bool>("utf8");
    QTest::newRow("windows-1256") << false;
    QTest::newRow("utf-8") << true;
}

}  // namespace

class TestVerseLists : public QObject {
    Q_OBJECT

  private slots:
    void reversestringReversesCodeUnits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reversed");
        QTest::newRow("digits") << QStringLiteral("21") << QStringLiteral("12");
        QTest::newRow("one character") << QStringLiteral("x") << QStringLiteral("x");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("arabic") << QStringLiteral("بسم") << QStringLiteral("مسب");
    }
    void reversestringReversesCodeUnits() {
        QFETCH(QString, text);
        QFETCH(QString, reversed);
        QCOMPARE(reversestring(text), reversed);
    }

    void entryIsEmptyOutsideTheList() {
        const QStringList list = {QStringLiteral("first"), QStringLiteral("second")};
        QCOMPARE(VerseLists::entry(list, 1), QStringLiteral("first"));
        QCOMPARE(VerseLists::entry(list, 2), QStringLiteral("second"));
        for (qint64 outside : {qint64(0), qint64(-1), qint64(3), qint64(1) << 40})
            QVERIFY(VerseLists::entry(list, outside).isEmpty());
    }

    void fullLoadCrossesFields_data() { addEncodings(); }
    void fullLoadCrossesFields() {
        QFETCH(bool, utf8);
        Fixture fixture(utf8);
        fixture.lines[0] =
            QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                        QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f")}
                .join(kDelimiter);
        QTemporaryDir dir;
        VerseLists lists;
        const auto error = loadVerseLists(writeFile(dir, fixture.bytes()), lists);
        QVERIFY2(!error, qPrintable(error ? error->message() : QString()));

        QCOMPARE(lists.List1[0], QStringLiteral("a"));
        QCOMPARE(lists.List2[0], QStringLiteral("b"));
        QCOMPARE(lists.List3[0], QStringLiteral("d"));
        QCOMPARE(lists.List4[0], QStringLiteral("c"));
        QCOMPARE(lists.List5[0], QStringLiteral("e"));
        QCOMPARE(lists.List6[0], QStringLiteral("f"));
        QCOMPARE(lists.List5[11], QStringLiteral("12"));
        for (const QStringList* list :
             {&lists.List1, &lists.List2, &lists.List3, &lists.List4, &lists.List5, &lists.List6})
            QCOMPARE(list->size(), kLines);
        for (int n = 2; n <= kLines; ++n) {
            const QStringList fields = fieldsOf(n, utf8);
            QCOMPARE(lists.List1[n - 1], fields[0]);
            QCOMPARE(lists.List2[n - 1], fields[1]);
            QCOMPARE(lists.List3[n - 1], fields[3]);
            QCOMPARE(lists.List4[n - 1], fields[2]);
            QCOMPARE(lists.List5[n - 1], fields[4]);
            QCOMPARE(lists.List6[n - 1], fields[5]);
        }
    }

    // Variations a well-formed file may show: none of them is an error.
    void toleratedVariations_data() { addEncodings(); }
    void toleratedVariations() {
        QFETCH(bool, utf8);
        Fixture fixture(utf8);
        fixture.terminator = QStringLiteral("\n");
        fixture.lines[4] +=
            kDelimiter + QStringLiteral("extra") + kDelimiter + QStringLiteral("more");
        fixture.lines[5] = QStringList(6).join(kDelimiter);
        fixture.lines[6] = lineOf({QStringLiteral("x") + kJoiner + QStringLiteral("y"),
                                   QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                   QStringLiteral("7"), QStringLiteral("f")});
        fixture.lines[7] += QStringLiteral("\r");  // one CR LF among bare line feeds
        // A 6237th line is never read, so neither its fields nor its bytes matter.
        fixture.trailingBytes = "garbage \xFF\xC3( no fields\r\nmore\r\n";
        QTemporaryDir dir;
        VerseLists lists;
        const auto error = loadVerseLists(writeFile(dir, fixture.bytes()), lists);
        QVERIFY2(!error, qPrintable(error ? error->message() : QString()));

        QCOMPARE(lists.List1.size(), kLines);
        QCOMPARE(lists.List6[4], QStringLiteral("سورة"));
        for (const QStringList* list :
             {&lists.List1, &lists.List2, &lists.List3, &lists.List4, &lists.List5, &lists.List6})
            QVERIFY(list->at(5).isEmpty());
        QCOMPARE(lists.List1[6], QStringLiteral("x") + kJoiner + QStringLiteral("y"));
        QCOMPARE(lists.List5[6], QStringLiteral("7"));
        QCOMPARE(lists.List6[7], QStringLiteral("سورة"));
        QCOMPARE(lists.List6.last(), QStringLiteral("سورة"));
    }

    void lastLineWithoutTerminator_data() { addEncodings(); }
    void lastLineWithoutTerminator() {
        QFETCH(bool, utf8);
        Fixture fixture(utf8);
        fixture.terminateLast = false;
        QTemporaryDir dir;
        VerseLists lists;
        QVERIFY(!loadVerseLists(writeFile(dir, fixture.bytes()), lists));
        QCOMPARE(lists.List5.last(), QString::number(kLines));
    }

    void faultsNameTheirLine_data() {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("line");
        for (bool utf8 : {false, true}) {
            const char* name = utf8 ? "utf-8" : "windows-1256";
            QTest::addRow("%s: 6235 lines", name) << utf8 << QStringLiteral("short file") << 6236;
            QTest::addRow("%s: empty", name) << utf8 << QStringLiteral("empty") << 1;
            QTest::addRow("%s: five fields", name) << utf8 << QStringLiteral("short line") << 100;
            QTest::addRow("%s: short last line", name)
                << utf8 << QStringLiteral("short last line") << 6236;
        }
        QTest::newRow("utf-8: invalid sequence") << true << QStringLiteral("invalid utf-8") << 77;
    }
    void faultsNameTheirLine() {
        QFETCH(bool, utf8);
        QFETCH(QString, fault);
        QFETCH(int, line);
        Fixture fixture(utf8, fault == u"short file" ? kLines - 1 : kLines);
        if (fault == u"empty")
            fixture.lines.clear();
        if (fault == u"short line")
            fixture.lines[99] = lineOf(fieldsOf(100, utf8).first(5));
        if (fault == u"short last line") {
            fixture.lines.last() = lineOf(fieldsOf(kLines, utf8).first(5));
            fixture.terminateLast = false;
        }
        QByteArray bytes = fixture.bytes();
        if (fault == u"invalid utf-8") {
            const QByteArray line77 = fixture.lines[76].toUtf8();
            bytes.replace(bytes.indexOf(line77), line77.size(), line77 + "\xC3(");
        }
        QTemporaryDir dir;
        const QString path = writeFile(dir, bytes);
        VerseLists lists;
        lists.List1 = QStringList{QStringLiteral("stale")};
        const auto error = loadVerseLists(path, lists);
        QVERIFY(error);
        QCOMPARE(error->file, path);
        QCOMPARE(error->line, line);
        QVERIFY2(error->message().contains(QStringLiteral("line %1").arg(line)),
                 qPrintable(error->message()));
        QVERIFY(lists.List1.isEmpty() && lists.List6.isEmpty());
    }

    void missingFileIsAnError() {
        QTemporaryDir dir;
        const QString path = corpusPath(dir.path());
        QCOMPARE(path, dir.path() + QStringLiteral("/Data/6.HTA"));
        VerseLists lists;
        const auto error = loadVerseLists(path, lists);
        QVERIFY(error);
        QCOMPARE(error->line, 0);
        QVERIFY(error->message().startsWith(path));
    }
};

QTEST_GUILESS_MAIN(TestVerseLists)
#include "test_verse_lists.moc"
