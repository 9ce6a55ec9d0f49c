#include "CorpusWriter.h"

#include "CorpusFormat.h"
#include "SourceText.h"
#include "VerseLists.h"
#include "VersePositions.h"

QByteArray corpusFileBytes(const Sources& sources) {
    const std::vector<VersePosition>& positions = versePositions();
    QString text;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const QString fields[corpusformat::kUsedFieldCount] = {
            sources.quran.verses[i],
            sources.english.verses[i],
            sources.kurdish.verses[i],
            sources.arabic.verses[i],
            QString::number(positions[i].verseNumber),
            positions[i].surah->arabicName};
        for (int f = 0; f < corpusformat::kUsedFieldCount; ++f) {
            if (f > 0)
                text += corpusformat::kFieldDelimiter;
            text += reversestring(fields[f]);
        }
        text += QStringLiteral("\r\n");
    }
    return corpusformat::encode(text);
}
