#include <QTest>
#include <random>
#include <vector>

#include "LikePattern.h"

using namespace Qt::StringLiterals;

namespace {

QString unit(char16_t c) {
    return QString(QChar(c));
}

char16_t folded(char16_t c) {
    return static_cast<char16_t>(QChar::toCaseFolded(char32_t(c)));
}

// A deliberately naive matcher: reads the pattern while matching, recurses at every star and
// tests range membership by walking the range's code units.
class ReferenceMatcher {
  public:
    // Empty when the pattern is invalid.
    static std::optional<bool> match(const QString& pattern, const QString& text) {
        if (!valid(pattern))
            return std::nullopt;
        return matchAt(pattern, 0, text, 0);
    }

  private:
    struct List {
        qsizetype end = -1;  // index after `]`; -1 when unclosed or descending
        bool negated = false;
        std::vector<std::pair<char16_t, char16_t>> ranges;
    };

    static List readList(const QString& p, qsizetype i) {
        List list;
        if (i < p.size() && p[i] == u'!') {
            list.negated = true;
            ++i;
        }
        while (i < p.size()) {
            const char16_t c = p[i].unicode();
            if (c == u']') {
                list.end = i + 1;
                return list;
            }
            if (i + 2 < p.size() && p[i + 1] == u'-' && p[i + 2] != u']') {
                if (p[i + 2].unicode() < c)
                    return list;
                list.ranges.emplace_back(c, p[i + 2].unicode());
                i += 3;
            } else {
                list.ranges.emplace_back(c, c);
                ++i;
            }
        }
        return list;
    }

    static bool valid(const QString& p) {
        for (qsizetype i = 0; i < p.size(); ++i) {
            if (p[i] != u'[')
                continue;
            const List list = readList(p, i + 1);
            if (list.end < 0)
                return false;
            i = list.end - 1;
        }
        return true;
    }

    static bool inList(const List& list, char16_t c) {
        for (const auto& [low, high] : list.ranges) {
            for (char32_t x = low; x <= high; ++x) {
                if (folded(static_cast<char16_t>(x)) == folded(c))
                    return true;
            }
        }
        return false;
    }

    static bool matchAt(const QString& p, qsizetype pi, const QString& t, qsizetype ti) {
        if (pi == p.size())
            return ti == t.size();
        const QChar c = p[pi];
        if (c == u'*') {
            for (qsizetype k = ti; k <= t.size(); ++k) {
                if (matchAt(p, pi + 1, t, k))
                    return true;
            }
            return false;
        }
        if (c == u'[') {
            const List list = readList(p, pi + 1);
            if (list.ranges.empty() && !list.negated)
                return matchAt(p, list.end, t, ti);
            return ti < t.size() && inList(list, t[ti].unicode()) != list.negated &&
                   matchAt(p, list.end, t, ti + 1);
        }
        if (ti == t.size())
            return false;
        const QChar x = t[ti];
        const bool one = c == u'?' || (c == u'#' && x >= u'0' && x <= u'9') ||
                         (c != u'#' && folded(c.unicode()) == folded(x.unicode()));
        return one && matchAt(p, pi + 1, t, ti + 1);
    }
};

}  // namespace

class TestLikePattern : public QObject {
    Q_OBJECT

  private slots:
    void matches_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");

        const QString zwnj = unit(0x200C);
        const QString rlm = unit(0x200F);
        const QString loneHigh = unit(0xD800);

        // The examples of the engine's own documentation.
        QTest::newRow("star aa") << u"a*a"_s << u"aa"_s << true;
        QTest::newRow("star aBC") << u"a*a"_s << u"aBC"_s << false;
        QTest::newRow("inner AABB") << u"*ab*"_s << u"AABB"_s << true;
        QTest::newRow("inner aZb") << u"*ab*"_s << u"aZb"_s << false;
        QTest::newRow("inner bac") << u"*ab*"_s << u"bac"_s << false;
        QTest::newRow("bracketed star") << u"a[*]a"_s << u"a*a"_s << true;
        QTest::newRow("bracketed star is literal") << u"a[*]a"_s << u"aaa"_s << false;
        QTest::newRow("prefix cab") << u"ab*"_s << u"cab"_s << false;
        QTest::newRow("one aBBBa") << u"a?a"_s << u"aBBBa"_s << false;
        QTest::newRow("digit a0a") << u"a#a"_s << u"a0a"_s << true;
        QTest::newRow("digit aaa") << u"a#a"_s << u"aaa"_s << false;
        QTest::newRow("digit a10a") << u"a#a"_s << u"a10a"_s << false;
        QTest::newRow("digit arabic-indic") << u"a#a"_s << u"a٣a"_s << false;
        QTest::newRow("range f") << u"[a-z]"_s << u"f"_s << true;
        QTest::newRow("range 2") << u"[a-z]"_s << u"2"_s << false;
        QTest::newRow("outside range 9") << u"[!a-z]"_s << u"9"_s << true;
        QTest::newRow("outside range b") << u"[!a-z]"_s << u"b"_s << false;
        QTest::newRow("non-digit 0") << u"[!0-9]"_s << u"0"_s << false;
        QTest::newRow("combined An9") << u"a[!b-m]#"_s << u"An9"_s << true;
        QTest::newRow("combined aj0") << u"a[!b-m]#"_s << u"aj0"_s << false;
        QTest::newRow("P[A-F]###") << u"P[A-F]###"_s << u"pC123"_s << true;

        // Lists.
        QTest::newRow("mixed list b") << u"[a-cx-z0]"_s << u"b"_s << true;
        QTest::newRow("mixed list 0") << u"[a-cx-z0]"_s << u"0"_s << true;
        QTest::newRow("mixed list d") << u"[a-cx-z0]"_s << u"d"_s << false;
        QTest::newRow("equal bounds") << u"[k-k]"_s << u"K"_s << true;
        QTest::newRow("[?] is literal") << u"[?]"_s << u"x"_s << false;
        QTest::newRow("[?] matches ?") << u"[?]"_s << u"?"_s << true;
        QTest::newRow("[#] is literal") << u"[#]"_s << u"1"_s << false;
        QTest::newRow("[#] matches #") << u"[#]"_s << u"#"_s << true;
        QTest::newRow("[[] matches [") << u"[[]"_s << u"["_s << true;
        QTest::newRow("leading hyphen") << u"[-a]"_s << u"-"_s << true;
        QTest::newRow("trailing hyphen") << u"[a-]"_s << u"-"_s << true;
        QTest::newRow("lone hyphen") << u"[-]"_s << u"-"_s << true;
        QTest::newRow("hyphen after !") << u"[!-a]"_s << u"-"_s << false;
        QTest::newRow("hyphen after range") << u"[a-c-e]"_s << u"-"_s << true;
        QTest::newRow("hyphen after range d") << u"[a-c-e]"_s << u"d"_s << false;
        QTest::newRow("! later in list") << u"[a!]"_s << u"!"_s << true;
        QTest::newRow("second ! is member") << u"[!a-e!g-l]"_s << u"!"_s << false;
        QTest::newRow("second ! f") << u"[!a-e!g-l]"_s << u"f"_s << true;
        QTest::newRow("range up to ]") << u"[S-\\]i"_s << u"\\i"_s << true;
        QTest::newRow("] after list") << u"[ab]]"_s << u"a]"_s << true;

        // Outside a list.
        QTest::newRow("] is itself") << u"a]"_s << u"a]"_s << true;
        QTest::newRow("! is itself") << u"!a"_s << u"!a"_s << true;
        QTest::newRow("! is not negation") << u"!a"_s << u"ba"_s << false;
        QTest::newRow("hyphen is itself") << u"a-b"_s << u"a-b"_s << true;
        QTest::newRow("percent is literal") << u"a%"_s << u"abc"_s << false;
        QTest::newRow("underscore is literal") << u"a_"_s << u"ab"_s << false;

        // `[]` is the empty string, `[!]` any one character.
        QTest::newRow("[] inside") << u"a[]b"_s << u"ab"_s << true;
        QTest::newRow("[] takes nothing") << u"a[]b"_s << u"axb"_s << false;
        QTest::newRow("[] alone empty") << u"[]"_s << u""_s << true;
        QTest::newRow("[] alone x") << u"[]"_s << u"x"_s << false;
        QTest::newRow("[] before star") << u"[]*"_s << u"abc"_s << true;
        QTest::newRow("[!] one") << u"[!]"_s << u"x"_s << true;
        QTest::newRow("[!] none") << u"[!]"_s << u""_s << false;

        // Anchoring.
        QTest::newRow("longer text") << u"abc"_s << u"abcd"_s << false;
        QTest::newRow("text before") << u"abc"_s << u"xabc"_s << false;
        QTest::newRow("shorter text") << u"abc"_s << u"ab"_s << false;
        QTest::newRow("empty both") << u""_s << u""_s << true;
        QTest::newRow("empty pattern") << u""_s << u"a"_s << false;
        QTest::newRow("star empty") << u"*"_s << u""_s << true;
        QTest::newRow("star needs one") << u"*?"_s << u""_s << false;
        QTest::newRow("backtrack") << u"*ab"_s << u"aab"_s << true;
        QTest::newRow("backtrack twice") << u"a*b*c"_s << u"abxbxc"_s << true;
        QTest::newRow("suffix fails") << u"a*bc"_s << u"abcb"_s << false;

        // Case: Latin folds, Arabic and marks compare exactly.
        QTest::newRow("upper text") << u"abc"_s << u"ABC"_s << true;
        QTest::newRow("[a-z] Q") << u"[a-z]"_s << u"Q"_s << true;
        QTest::newRow("[A-Z] q") << u"[A-Z]"_s << u"q"_s << true;
        QTest::newRow("[!A-Z] q") << u"[!A-Z]"_s << u"q"_s << false;
        QTest::newRow("[J-L] kelvin") << u"[J-L]"_s << unit(0x212A) << true;
        QTest::newRow("kelvin k") << unit(0x212A) << u"K"_s << true;
        QTest::newRow("sigma forms") << u"σ"_s << u"ς"_s << true;
        QTest::newRow("no multi-unit folding") << u"straße"_s << u"STRASSE"_s << false;
        QTest::newRow("arabic prefix") << u"الفاتحة*"_s << u"الفاتحة     Al-Fatiha"_s << true;
        QTest::newRow("keheh is not kaf") << u"ك*"_s << u"ک"_s << false;
        QTest::newRow("diacritic counts") << u"ب"_s << u"بِ"_s << false;
        QTest::newRow("zwnj counts") << u"ab"_s << QString(u"a"_s + zwnj + u"b"_s) << false;
        QTest::newRow("? takes zwnj") << u"a?b"_s << QString(u"a"_s + zwnj + u"b"_s) << true;
        QTest::newRow("rlm exact") << QString(rlm + u"ا*"_s) << QString(rlm + u"اب"_s) << true;
        QTest::newRow("rlm missing") << QString(rlm + u"ا*"_s) << u"اب"_s << false;

        // Code units, not characters.
        QTest::newRow("? lone surrogate") << u"?"_s << loneHigh << true;
        QTest::newRow("?? surrogate pair") << u"??"_s << u"😀"_s << true;
        QTest::newRow("? not a pair") << u"?"_s << u"😀"_s << false;
        QTest::newRow("nul") << u"a?b"_s << QString(u"a"_s + QChar(u'\0') + u"b"_s) << true;
        QTest::newRow("nul literal") << QString(QChar(u'\0') + u"*"_s) << u"x"_s << false;
    }

    void matches() {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        const std::optional<LikePattern> compiled = LikePattern::compile(pattern);
        QVERIFY(compiled);
        QCOMPARE(compiled->matches(text), expected);
    }

    void validity_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("valid");
        QTest::newRow("lone [") << u"["_s << false;
        QTest::newRow("unclosed list") << u"a[bc"_s << false;
        QTest::newRow("unclosed negation") << u"[!"_s << false;
        QTest::newRow("unclosed range") << u"[a-"_s << false;
        QTest::newRow("unclosed after star") << u"abc[*"_s << false;
        QTest::newRow("[? ") << u"[?"_s << false;
        QTest::newRow("descending letters") << u"[z-a]"_s << false;
        QTest::newRow("descending digits") << u"[9-1]"_s << false;
        QTest::newRow("descending . *") << u"[!.-*]"_s << false;
        QTest::newRow("descending to hyphen") << u"[a--]"_s << false;
        QTest::newRow("case does not reorder") << u"[a-Z]"_s << false;
        QTest::newRow("[]") << u"[]"_s << true;
        QTest::newRow("[!]") << u"[!]"_s << true;
        QTest::newRow("lone ]") << u"]"_s << true;
        QTest::newRow("[]]") << u"[]]"_s << true;
        QTest::newRow("[[]") << u"[[]"_s << true;
        QTest::newRow("ascending across case") << u"[Z-a]"_s << true;
        QTest::newRow("hyphen range") << u"[--z]"_s << true;
        QTest::newRow("empty") << u""_s << true;
    }

    void validity() {
        QFETCH(QString, pattern);
        QFETCH(bool, valid);
        QCOMPARE(LikePattern::compile(pattern).has_value(), valid);
    }

    void prefix_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("caseless");  // the head with no case variants
        const QString surah = u"الفاتحة     Al-Fatiha"_s;
        QTest::newRow("latin") << u"Abc*"_s << u"Abc"_s << true << u""_s;
        QTest::newRow("arabic") << u"بسم الله*"_s << u"بسم الله"_s << true << u"بسم الله"_s;
        QTest::newRow("surah item")
            << QString(surah + u"*"_s) << surah << true << u"الفاتحة     "_s;
        QTest::newRow("digits") << u"12 -!]*"_s << u"12 -!]"_s << true << u"12 -!]"_s;
        QTest::newRow("star only") << u"*"_s << u""_s << true << u""_s;
        QTest::newRow("empty") << u""_s << u""_s << false << u""_s;
        QTest::newRow("no star") << u"ab"_s << u"ab"_s << false << u""_s;
        QTest::newRow("two stars") << u"ب**"_s << u"ب"_s << false << u"ب"_s;
        QTest::newRow("star inside") << u"ب*ت*"_s << u"ب"_s << false << u"ب"_s;
        QTest::newRow("question") << u"ب?*"_s << u"ب"_s << false << u"ب"_s;
        QTest::newRow("digit") << u"#*"_s << u""_s << false << u""_s;
        QTest::newRow("list") << u"ب[ت]*"_s << u"ب"_s << false << u"ب"_s;
        QTest::newRow("empty list") << u"ب[]*"_s << u"ب"_s << false << u"ب"_s;
        QTest::newRow("final sigma folds") << u"ς*"_s << u"ς"_s << true << u""_s;
        QTest::newRow("k has a kelvin") << u"1k2*"_s << u"1k2"_s << true << u"1"_s;
        QTest::newRow("micro folds") << u"µ*"_s << u"µ"_s << true << u""_s;
    }

    void prefix() {
        QFETCH(QString, pattern);
        QFETCH(QString, prefix);
        QFETCH(bool, plain);
        QFETCH(QString, caseless);
        const std::optional<LikePattern> compiled = LikePattern::compile(pattern);
        QVERIFY(compiled);
        QCOMPARE(compiled->literalPrefix(), prefix);
        QCOMPARE(compiled->isPlainPrefix(), plain);
        QCOMPARE(compiled->caselessPrefix(), caseless);
        QCOMPARE(compiled->literalPrefixIsCaseless(), caseless == prefix);
    }

    // Caseless means the character is alone in its folding class.
    void caselessAgreesWithFoldingClasses() {
        std::vector<int> classSize(0x10000, 0);
        for (char32_t c = 0; c < 0x10000; ++c)
            ++classSize[folded(static_cast<char16_t>(c))];
        for (char32_t c = 0; c < 0x10000; ++c) {
            const auto u = static_cast<char16_t>(c);
            if (u == u'*' || u == u'?' || u == u'#' || u == u'[')
                continue;
            const std::optional<LikePattern> compiled = LikePattern::compile(unit(u));
            QVERIFY(compiled);
            const bool alone = folded(u) == u && classSize[u] == 1;
            if (compiled->literalPrefixIsCaseless() != alone)
                QFAIL(qPrintable(u"U+%1"_s.arg(unsigned(u), 4, 16, QChar(u'0'))));
        }
    }

    // Star backtracking keeps these linear-ish; a recursive matcher would never finish.
    void pathologicalPatterns_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        const QString as(100000, u'a');
        QString stars;
        for (int i = 0; i < 40; ++i)
            stars += u"*a"_s;
        QTest::newRow("*a*a*a*a*a*b") << u"*a*a*a*a*a*b"_s << as << false;
        QTest::newRow("*a*a*a*a*a*b hit") << u"*a*a*a*a*a*b"_s << QString(as + u"b"_s) << true;
        QTest::newRow("forty stars") << QString(stars + u"*b"_s) << as << false;
        QTest::newRow("many questions")
            << QString(u"*"_s + QString(200, u'?') + u"b"_s) << as << false;
        QTest::newRow("long prefix") << QString(as + u"*"_s) << QString(as + u"x"_s) << true;
    }

    void pathologicalPatterns() {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        const std::optional<LikePattern> compiled = LikePattern::compile(pattern);
        QVERIFY(compiled);
        QCOMPARE(compiled->matches(text), expected);
    }

    void agreesWithReference() {
        const QString patternAlphabet = u"aAbkK\u212A1-!]*?#[["_s;
        const QString textAlphabet = u"aAbBkK\u212A1-!][*?"_s;
        std::mt19937 random(20240611);
        const auto pick = [&random](const QString& alphabet, int maxLength) {
            QString s;
            const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
            std::uniform_int_distribution<qsizetype> index(0, alphabet.size() - 1);
            for (int i = 0; i < length; ++i)
                s += alphabet[index(random)];
            return s;
        };
        int valid = 0;
        int matched = 0;
        for (int round = 0; round < 40000; ++round) {
            const QString pattern = pick(patternAlphabet, 8);
            const QString text = pick(textAlphabet, 7);
            const std::optional<bool> expected = ReferenceMatcher::match(pattern, text);
            const std::optional<LikePattern> compiled = LikePattern::compile(pattern);
            const QString where = u"pattern '%1' text '%2'"_s.arg(pattern, text);
            QVERIFY2(compiled.has_value() == expected.has_value(), qPrintable(where));
            if (!compiled)
                continue;
            ++valid;
            const bool actual = compiled->matches(text);
            QVERIFY2(actual == *expected, qPrintable(where));
            matched += actual ? 1 : 0;
            // Searches narrow the rows to those beginning with the caseless head, and check a
            // plain caseless prefix by comparing code units.
            const QString& head = compiled->caselessPrefix();
            if (actual)
                QVERIFY2(QStringView(text).left(head.size()) == head, qPrintable(where));
            const QString& prefix = compiled->literalPrefix();
            if (compiled->isPlainPrefix() && compiled->literalPrefixIsCaseless())
                QVERIFY2(actual == (QStringView(text).left(prefix.size()) == prefix),
                         qPrintable(where));
        }
        // Guard against a generator that only produces trivial cases.
        QVERIFY(valid > 10000);
        QVERIFY(matched > 1000);
    }
};

QTEST_GUILESS_MAIN(TestLikePattern)
#include "test_like_pattern.moc"
