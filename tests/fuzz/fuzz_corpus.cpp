// The verse corpus reader on arbitrary file contents: it loads all six lists or names a line
// and loads none; decoding and encoding the text give it back unchanged.
#include "CorpusFormat.h"
#include "FuzzInput.h"
#include "VerseLists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    VerseLists lists;
    const std::optional<FileError> error = parseVerseLists(bytes, QStringLiteral("6.HTA"), lists);
    const QStringList* all[] = {&lists.List1, &lists.List2, &lists.List3,
                                &lists.List4, &lists.List5, &lists.List6};
    for (const QStringList* list : all)
        fuzzinput::require(list->size() == (error ? 0 : VerseLists::kCount));
    if (error)
        fuzzinput::require(error->line >= 1 && error->line <= VerseLists::kCount);

    const corpusformat::DecodedText decoded = corpusformat::decode(bytes);
    fuzzinput::require(corpusformat::decode(corpusformat::encode(decoded.text)).text ==
                       decoded.text);
    return 0;
}
