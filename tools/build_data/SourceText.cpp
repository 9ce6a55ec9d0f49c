#include "SourceText.h"

#include <QFile>
#include <QStringDecoder>

#include "CorpusFormat.h"
#include "FileError.h"
#include "VersePositions.h"
#include "Windows1256.h"

namespace {

constexpr char16_t kJoiner = u'\u200D';

struct VerseLine {
    int sura = 0;
    int aya = 0;
    QString text;
};

// The sources hold a few bytes of Windows code pages that were decoded as C1 controls.
int mapMisdecodedControls(QString& text) {
    int mapped = 0;
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F) {
            c = QChar(windows1256::toUnicode(static_cast<unsigned char>(c.unicode())));
            ++mapped;
        }
    }
    return mapped;
}

// Plain decimal digits only: no sign, no blanks.
int parseNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 3)
        return 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    return digits.toInt();
}

// Splits on the first two bars only; the text may hold more.
std::optional<VerseLine> parseVerseLine(const QString& line) {
    const qsizetype first = line.indexOf(u'|');
    const qsizetype second = first < 0 ? -1 : line.indexOf(u'|', first + 1);
    if (second < 0)
        return std::nullopt;
    VerseLine verse{parseNumber(QStringView(line).first(first)),
                    parseNumber(QStringView(line).sliced(first + 1, second - first - 1)),
                    line.sliced(second + 1)};
    if (verse.sura == 0 || verse.aya == 0)
        return std::nullopt;
    return verse;
}

// Names a surah whose length differs from the catalogue, else the verse expected.
QString orderFault(const VerseLine& found, const VersePosition& expected) {
    const Surah& surah = *expected.surah;
    if (found.sura == surah.number + 1 && found.aya == 1)
        return QStringLiteral("surah %1 ends after %2 verses, but the catalogue gives it %3")
            .arg(surah.number)
            .arg(expected.verseNumber - 1)
            .arg(surah.verseCount);
    const Surah* previous = surah.number > 1
                                ? &SurahCatalogue::instance().rows()[std::size_t(surah.number - 2)]
                                : nullptr;
    if (expected.verseNumber == 1 && previous && found.sura == previous->number &&
        found.aya == previous->verseCount + 1)
        return QStringLiteral("surah %1 has more verses than the %2 the catalogue gives it")
            .arg(previous->number)
            .arg(previous->verseCount);
    return QStringLiteral("expected verse %1|%2 here, found %3|%4")
        .arg(surah.number)
        .arg(expected.verseNumber)
        .arg(found.sura)
        .arg(found.aya);
}

// A field of the corpus file must survive being joined with the delimiter and split again.
QString fieldFault(QStringView text) {
    if (text.contains(corpusformat::kFieldDelimiter))
        return QStringLiteral("the text holds the corpus field delimiter U+200D U+200D");
    if (text.startsWith(kJoiner) || text.endsWith(kJoiner))
        return QStringLiteral(
            "the text begins or ends with U+200D, which would merge with the "
            "corpus field delimiter");
    if (text.contains(u'\r') || text.contains(u'\n'))
        return QStringLiteral("the text holds a line break (CR or LF)");
    // The corpus reader reverses fields code unit by code unit, which would split a pair.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSurrogate())
            return QStringLiteral(
                       "the text holds a character outside the Basic Multilingual Plane "
                       "(code unit %1 at %2), which the corpus file cannot carry")
                .arg(QString::number(text[i].unicode(), 16).toUpper())
                .arg(i + 1);
    }
    return {};
}

}  // namespace

SourceText readSourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError{path, 0, QStringLiteral("cannot be opened (%1)").arg(file.errorString())};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(corpusformat::kUtf8Bom))
        bytes.remove(0, corpusformat::kUtf8Bom.size());

    const std::vector<VersePosition>& positions = versePositions();
    SourceText source{path, {}, 0};
    source.verses.reserve(positions.size());
    QByteArrayView rest = bytes;
    int lineNumber = 0;
    while (!rest.isEmpty()) {
        ++lineNumber;
        const qsizetype feed = rest.indexOf('\n');
        QByteArrayView lineBytes = feed < 0 ? rest : rest.first(feed);
        rest = feed < 0 ? QByteArrayView() : rest.sliced(feed + 1);
        if (lineBytes.endsWith('\r'))
            lineBytes.chop(1);

        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        QString line = decoder.decode(lineBytes);
        if (decoder.hasError())
            throw FileError{path, lineNumber, QStringLiteral("the text is not valid UTF-8")};
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;

        source.mappedControls += mapMisdecodedControls(line);
        const std::optional<VerseLine> verse = parseVerseLine(line);
        if (!verse)
            throw FileError{path, lineNumber,
                            QStringLiteral("malformed line; expected sura|aya|text")};
        if (source.verses.size() == positions.size())
            throw FileError{path, lineNumber,
                            QStringLiteral("more than %1 verse lines").arg(positions.size())};
        const VersePosition& expected = positions[source.verses.size()];
        if (verse->sura != expected.surah->number || verse->aya != expected.verseNumber)
            throw FileError{path, lineNumber, orderFault(*verse, expected)};
        if (const QString fault = fieldFault(verse->text); !fault.isEmpty())
            throw FileError{path, lineNumber, fault};
        source.verses.push_back(verse->text);
    }
    if (source.verses.size() < positions.size()) {
        const VersePosition& missing = positions[source.verses.size()];
        throw FileError{path, lineNumber + 1,
                        QStringLiteral("the file ends after %1 verse lines; verse %2|%3 and "
                                       "those after it are missing")
                            .arg(source.verses.size())
                            .arg(missing.surah->number)
                            .arg(missing.verseNumber)};
    }
    return source;
}

Sources readSources(const QString& folder) {
    const auto read = [&folder](const char* name) {
        return readSourceText(folder + u'/' + QLatin1StringView(name));
    };
    return {read("quran-simple.txt"), read("quran-simple-clean.txt"), read("ar.muyassar.txt"),
            read("ku.asan.txt"), read("en.hilali.txt")};
}
