// Times loading the shipped corpus into the verse lists against a baseline measured in the
// same run: reading the file and decoding it to UTF-16, with no splitting.
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "CorpusFormat.h"
#include "VerseLists.h"

namespace {

constexpr int kRuns = 20;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Work>
double milliseconds(Work work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main() {
    QTextStream out(stdout);
    const QString path = corpusPath(QStringLiteral(ZEPHYRANE_RUN_DIR));
    bool failed = false;
    qsizetype decodedSize = 0;

    const auto load = [&] {
        VerseLists lists;
        if (const auto error = loadVerseLists(path, lists)) {
            out << error->message() << '\n';
            failed = true;
        }
    };
    const auto readAndDecode = [&] {
        QFile file(path);
        failed |= !file.open(QIODevice::ReadOnly);
        decodedSize = corpusformat::decode(file.readAll()).text.size();
    };

    // Interleaved after one warm-up of each, so both see the same cache and machine load.
    load();
    readAndDecode();
    std::vector<double> loadTimes, baselineTimes;
    for (int run = 0; run < kRuns; ++run) {
        loadTimes.push_back(milliseconds(load));
        baselineTimes.push_back(milliseconds(readAndDecode));
    }
    const double loadMs = median(loadTimes);
    const double baselineMs = median(baselineTimes);
    if (failed)
        return 1;

    out << path << ": " << VerseLists::kCount << " lines, " << decodedSize << " UTF-16 code units, "
        << kRuns << " runs each\n";
    out << QStringLiteral("median_ms=%1 baseline_ms=%2 ratio=%3")
               .arg(loadMs, 0, 'f', 2)
               .arg(baselineMs, 0, 'f', 2)
               .arg(loadMs / baselineMs, 0, 'f', 2)
        << '\n';
    return 0;
}
