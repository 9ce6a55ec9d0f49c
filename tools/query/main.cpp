// zephyrane-query DATABASE 'RECORD SOURCE TEXT'
// Runs a record source text exactly as the program does and prints the record set as
// tab-separated lines, field names first. Exit 0 on success, 2 when the refresh fails.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "RecordSource.h"
#include "SqliteDatabase.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: zephyrane-query DATABASE 'RECORD SOURCE TEXT'\n";
        return 1;
    }

    QString why;
    std::shared_ptr<SqliteDatabase> database =
        SqliteDatabase::open(arguments[1], SqliteDatabase::Mode::ReadOnly, &why);
    if (!database) {
        err << arguments[1] << ": " << why << '\n';
        return 2;
    }
    RecordSource source(database, arguments[2]);
    if (!source.refresh(&why)) {
        err << "refresh failed: " << why << '\n';
        return 2;
    }

    out << source.fieldNames().join(QLatin1Char('\t')) << '\n';
    const int columns = int(source.fieldNames().size());
    for (int row = 0; row < source.recordCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                out << '\t';
            out << source.value(row, column);
        }
        out << '\n';
    }
    return 0;
}
