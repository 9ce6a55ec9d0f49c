// The LIKE matcher on an arbitrary pattern and text (the input's text split at its first
// line feed): no crash on any pattern; a text always matches itself with its wildcards
// bracketed; every text it matches begins with its caseless head, by which searches narrow the
// rows; a plain caseless prefix matches exactly the texts beginning so.
#include "FuzzInput.h"
#include "LikePattern.h"

namespace {

QString bracketed(QStringView text) {
    QString pattern;
    for (QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            pattern += u'[' + QString(c) + u']';
        else
            pattern += c;
    }
    return pattern;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = fuzzinput::text(data, size);
    const qsizetype split = input.indexOf(u'\n');
    const QStringView pattern = split < 0 ? QStringView(input) : QStringView(input).first(split);
    const QStringView text = split < 0 ? QStringView() : QStringView(input).sliced(split + 1);

    if (const std::optional<LikePattern> like = LikePattern::compile(pattern)) {
        const bool matches = like->matches(text);
        const QString& head = like->caselessPrefix();
        fuzzinput::require(!matches || text.left(head.size()) == QStringView(head));
        if (like->isPlainPrefix() && like->literalPrefixIsCaseless())
            fuzzinput::require(matches == (text.left(like->literalPrefix().size()) ==
                                           QStringView(like->literalPrefix())));
    }
    const std::optional<LikePattern> itself = LikePattern::compile(bracketed(text));
    fuzzinput::require(itself && itself->matches(text));
    return 0;
}
