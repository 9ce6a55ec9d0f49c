// Refresh latency of the search record source for prefixes of real words, against a full-scan
// baseline from the same run: every row read from the table and matched. Also the same prefix
// written with no literal head ("[c]rest*" matches what "crest*" matches), which makes the
// record source match every row of its in-memory column, and patterns that can only do that.
// The first search, which reads the field into memory, is timed on its own.
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "LikePattern.h"
#include "RecordSource.h"
#include "SqliteDatabase.h"

namespace {

constexpr int kRuns = 60;

struct Timing {
    double median = 0;
    double p99 = 0;
    int rows = 0;
};

template <typename Run>
Timing time(int runs, Run run) {
    std::vector<double> ms;
    ms.reserve(size_t(runs));
    int rows = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        rows = run();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const auto p99 = size_t(double(ms.size() - 1) * 0.99 + 0.5);
    return {ms[ms.size() / 2], ms[p99], rows};
}

Timing measure(RecordSource& source, const QString& term) {
    source.setRecordSource(QStringLiteral(" select * from data where Mum1 like '") + term +
                           QStringLiteral("*'"));
    return time(kRuns, [&] {
        source.refresh();
        return source.recordCount();
    });
}

Timing fullScan(const SqliteDatabase& db, const QString& term) {
    const std::optional<LikePattern> pattern = LikePattern::compile(term + u'*');
    return time(kRuns / 4, [&] {
        SqliteStatement scan = db.prepare(u"SELECT rowid, Mum1 FROM Data ORDER BY rowid");
        std::vector<qint64> rowIds;
        while (scan.step()) {
            if (!scan.columnIsNull(1) && pattern->matches(scan.columnText(1)))
                rowIds.push_back(scan.columnInt64(0));
        }
        return int(rowIds.size());
    });
}

}  // namespace

int main() {
    QTextStream out(stdout);
    QString why;
    std::shared_ptr<SqliteDatabase> db = SqliteDatabase::open(
        QStringLiteral(ZEPHYRANE_RUN_DIR "/Data/AWAR.MDB"), SqliteDatabase::Mode::ReadOnly, &why);
    if (!db) {
        out << "cannot open the search database: " << why << '\n';
        return 1;
    }
    RecordSource source(db, QStringLiteral("Data"));
    // The first search reads the searched field into memory.
    QElapsedTimer first;
    first.start();
    source.setRecordSource(QStringLiteral(" select * from data where Mum1 like 'ب*'"));
    source.refresh();
    out << "first_refresh_ms=" << QString::number(double(first.nsecsElapsed()) / 1e6, 'f', 3)
        << '\n';

    const QStringList words = {QStringLiteral("الرحمن"), QStringLiteral("والذين"),
                               QStringLiteral("قالوا"), QStringLiteral("السماوات"),
                               QStringLiteral("يؤمنون")};
    double worstP99 = 0;
    double minSpeedup3Plus = 1e9;
    out << "pattern\tletters\trows\tmedian_ms\tp99_ms\tfull_scan_ms\tspeedup\tno_head_ms\n";
    for (const QString& word : words) {
        for (int letters : {1, 2, 3, 5}) {
            const QString prefix = word.left(letters);
            const Timing fast = measure(source, prefix);
            const Timing scan = fullScan(*db, prefix);
            const Timing noHead = measure(source, u'[' + prefix.left(1) + u']' + prefix.mid(1));
            const double speedup = scan.median / fast.median;
            worstP99 = std::max({worstP99, fast.p99, noHead.p99});
            if (letters >= 3)
                minSpeedup3Plus = std::min(minSpeedup3Plus, speedup);
            out << prefix << '*' << '\t' << letters << '\t' << fast.rows << '\t'
                << QString::number(fast.median, 'f', 3) << '\t' << QString::number(fast.p99, 'f', 3)
                << '\t' << QString::number(scan.median, 'f', 3) << '\t'
                << QString::number(speedup, 'f', 1) << '\t'
                << QString::number(noHead.median, 'f', 3) << '\n';
        }
    }
    for (const QString& term : {QStringLiteral("*رحم"), QStringLiteral("*"), QStringLiteral("?ل*ن"),
                                QStringLiteral("No")}) {
        const Timing t = measure(source, term);
        worstP99 = std::max(worstP99, t.p99);
        out << term << '*' << "\t-\t" << t.rows << '\t' << QString::number(t.median, 'f', 3) << '\t'
            << QString::number(t.p99, 'f', 3) << "\t-\t-\n";
    }
    out << "worst_p99_ms=" << QString::number(worstP99, 'f', 3)
        << " min_speedup_3plus=" << QString::number(minSpeedup3Plus, 'f', 1) << '\n';
    return 0;
}
