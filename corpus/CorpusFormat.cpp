#include "CorpusFormat.h"

#include <QStringDecoder>

#include "Windows1256.h"

namespace corpusformat {
namespace {

// Keeps a U+FEFF that follows the dropped mark, or that starts a line, as text.
QStringDecoder utf8Decoder() {
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
}

// Only called once the text is known to hold an error: a line feed byte never sits inside
// a UTF-8 sequence, so lines can be checked one by one.
int firstInvalidLine(QByteArrayView utf8) {
    int line = 1;
    while (true) {
        const qsizetype end = utf8.indexOf('\n');
        QStringDecoder decoder = utf8Decoder();
        const QString text = decoder.decode(end < 0 ? utf8 : utf8.first(end));
        if (decoder.hasError() || end < 0)
            return line;
        utf8 = utf8.sliced(end + 1);
        ++line;
    }
}

}  // namespace

DecodedText decode(QByteArrayView bytes) {
    if (!bytes.startsWith(kUtf8Bom))
        return {windows1256::decode(bytes), 0};
    const QByteArrayView utf8 = bytes.sliced(kUtf8Bom.size());
    QStringDecoder decoder = utf8Decoder();
    DecodedText decoded{decoder.decode(utf8), 0};
    if (decoder.hasError())
        decoded.invalidUtf8Line = firstInvalidLine(utf8);
    return decoded;
}

QByteArray encode(QStringView text) {
    if (std::optional<QByteArray> singleByte = windows1256::encode(text))
        return *std::move(singleByte);
    return kUtf8Bom.toByteArray() + text.toUtf8();
}

}  // namespace corpusformat
