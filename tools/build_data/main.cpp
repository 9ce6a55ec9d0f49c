// Turns the Tanzil sources into the runtime folder's data files:
//   zephyrane-build-data --sources DIR --out RUNDIR
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "CorpusFormat.h"
#include "CorpusWriter.h"
#include "FileError.h"
#include "OutputFiles.h"
#include "Schema.h"
#include "SearchDatabase.h"
#include "SourceText.h"
#include "VerseDatabase.h"
#include "WaveSound.h"

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

void reportMappedControls(const Sources& sources) {
    for (const SourceText* source : {&sources.quran, &sources.quranClean, &sources.arabic,
                                     &sources.kurdish, &sources.english}) {
        out() << QFileInfo(source->path).fileName() << ": " << source->mappedControls
              << " C1 control characters mapped through Windows-1256\n";
    }
}

void reportVerseDatabase(const VerseDatabaseReport& report) {
    if (!report.unreadableMovedTo.isEmpty())
        err() << "warning: " << report.problem << "; the file was moved to "
              << report.unreadableMovedTo << " and a new one written\n";
    const char* settings = report.settings == savedsettings::Found::Row
                               ? "kept from the existing file"
                               : "factory values";
    out() << schema::kVerseDatabaseFile << ": " << report.verseRows << " verse rows, settings row "
          << settings << '\n';
}

void build(const QString& sourceFolder, const QString& runFolder) {
    const Sources sources = readSources(sourceFolder);
    reportMappedControls(sources);

    const QString dataFolder = QFileInfo(runFolder + u'/' + schema::kVerseDatabaseFile).path();
    if (!QDir().mkpath(dataFolder))
        throw FileError{dataFolder, 0, QStringLiteral("cannot be created")};

    const QByteArray corpus = corpusFileBytes(sources);
    writeFileAtomically(dataFolder + QStringLiteral("/6.HTA"), corpus);
    out() << "Data/6.HTA: " << sources.quran.verses.size() << " lines, "
          << (corpus.startsWith(corpusformat::kUtf8Bom) ? "UTF-8 with byte order mark"
                                                        : "Windows-1256")
          << ", " << corpus.size() << " bytes\n";

    const SearchDatabaseRows rows =
        writeSearchDatabase(runFolder + u'/' + schema::kSearchDatabaseFile, sources);
    out() << schema::kSearchDatabaseFile << ": " << rows.words << " word rows, "
          << rows.explanations << " explanation rows\n";

    reportVerseDatabase(
        writeVerseDatabase(runFolder + u'/' + schema::kVerseDatabaseFile, sources.quranClean));

    const QByteArray wave = bellWaveFile();
    writeFileAtomically(runFolder + QStringLiteral("/Wave.Wav"), wave);
    out() << "Wave.Wav: " << wave.size() << " bytes\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the runtime data files."));
    parser.addHelpOption();
    const QCommandLineOption sourcesOption(QStringLiteral("sources"),
                                           QStringLiteral("Folder of the Tanzil source files."),
                                           QStringLiteral("DIR"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Runtime folder to write into."),
                                       QStringLiteral("RUNDIR"));
    parser.addOptions({sourcesOption, outOption});
    parser.process(app);
    if (!parser.isSet(sourcesOption) || !parser.isSet(outOption)) {
        err() << "usage: zephyrane-build-data --sources DIR --out RUNDIR\n";
        return 2;
    }
    try {
        build(parser.value(sourcesOption), parser.value(outOption));
    } catch (const FileError& error) {
        err() << "error: " << error.message() << '\n';
        return 1;
    }
    return 0;
}
