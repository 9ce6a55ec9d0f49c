#include "VerseLists.h"

#include <QFile>
#include <array>
#include <cstring>

#include "CorpusFormat.h"

namespace {

using Fields = std::array<QStringView, corpusformat::kUsedFieldCount>;

// Bytes of the first `lineCount` lines, terminators included; what lies beyond is never
// decoded, so it cannot make the load fail.
QByteArrayView firstLines(QByteArrayView bytes, int lineCount) {
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* cursor = begin;
    for (int line = 0; line < lineCount && cursor < end; ++line) {
        const void* feed = std::memchr(cursor, '\n', static_cast<std::size_t>(end - cursor));
        if (!feed)
            return bytes;
        cursor = static_cast<const char*>(feed) + 1;
    }
    return bytes.first(cursor - begin);
}

// Takes the next line off `rest`; a CR before the line feed belongs to the terminator.
QStringView takeLine(QStringView& rest) {
    const qsizetype feed = rest.indexOf(u'\n');
    QStringView line = feed < 0 ? rest : rest.first(feed);
    rest = feed < 0 ? QStringView() : rest.sliced(feed + 1);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

// Position of the next delimiter in `text`, or -1. A lone joiner is field text.
qsizetype findDelimiter(QStringView text) {
    const QChar joiner = corpusformat::kFieldDelimiter[0];
    for (qsizetype at = text.indexOf(joiner); at >= 0; at = text.indexOf(joiner, at + 1)) {
        if (at + 1 < text.size() && text[at + 1] == joiner)
            return at;
    }
    return -1;
}

// False when the line has fewer than six fields; fields after the sixth are ignored.
bool splitUsedFields(QStringView line, Fields& fields) {
    const qsizetype delimiterSize = corpusformat::kFieldDelimiter.size();
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        const qsizetype at = findDelimiter(line);
        if (at < 0)
            return false;
        fields[i] = line.first(at);
        line = line.sliced(at + delimiterSize);
    }
    const qsizetype at = findDelimiter(line);
    fields.back() = at < 0 ? line : line.first(at);
    return true;
}

void reserveAll(VerseLists& lists) {
    for (QStringList* list :
         {&lists.List1, &lists.List2, &lists.List3, &lists.List4, &lists.List5, &lists.List6})
        list->reserve(VerseLists::kCount);
}

// Fields in file order: verse, English, Kurdish, Arabic, verse number, surah name.
void appendVerse(VerseLists& lists, const Fields& fields) {
    lists.List1.append(reversestring(fields[0]));
    lists.List2.append(reversestring(fields[1]));
    lists.List3.append(reversestring(fields[3]));
    lists.List4.append(reversestring(fields[2]));
    lists.List5.append(reversestring(fields[4]));
    lists.List6.append(reversestring(fields[5]));
}

}  // namespace

QString reversestring(QStringView revstr) {
    QString reversed(revstr.size(), Qt::Uninitialized);
    std::reverse_copy(revstr.begin(), revstr.end(), reversed.begin());
    return reversed;
}

QString VerseLists::entry(const QStringList& list, qint64 ordinal) {
    if (ordinal < 1 || ordinal > list.size())
        return {};
    return list.at(ordinal - 1);
}

std::optional<FileError> loadVerseLists(const QString& path, VerseLists& lists) {
    lists = VerseLists();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{path, 0, QStringLiteral("cannot be opened (%1)").arg(file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError{path, 0, QStringLiteral("cannot be read (%1)").arg(file.errorString())};
    return parseVerseLists(bytes, path, lists);
}

std::optional<FileError> parseVerseLists(QByteArrayView bytes, const QString& path,
                                         VerseLists& lists) {
    lists = VerseLists();
    const corpusformat::DecodedText decoded =
        corpusformat::decode(firstLines(bytes, VerseLists::kCount));
    if (decoded.invalidUtf8Line > 0)
        return FileError{path, decoded.invalidUtf8Line,
                         QStringLiteral("the text is not valid UTF-8")};

    VerseLists loaded;
    reserveAll(loaded);
    QStringView rest = decoded.text;
    Fields fields;
    for (int line = 1; line <= VerseLists::kCount; ++line) {
        if (rest.isEmpty())
            return FileError{path, line,
                             QStringLiteral("the file ends before this line, but it must "
                                            "hold a line for each of the %1 verses")
                                 .arg(VerseLists::kCount)};
        if (!splitUsedFields(takeLine(rest), fields))
            return FileError{path, line, QStringLiteral("the line has fewer than six fields")};
        appendVerse(loaded, fields);
    }
    lists = std::move(loaded);
    return std::nullopt;
}

QString corpusPath(const QString& programFolder) {
    return programFolder + QStringLiteral("/Data/6.HTA");
}
