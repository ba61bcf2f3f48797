// Speed of the Access import.
//   build/tools/bench/bench_import [plants=10000] [diary entries=50000]
// 1. Writing side: a database of that many plants and diary entries, with the columns of the
//    current Access file, written through the importer's own writer (temporary file, one
//    transaction, rename). Rows are made up front so that only the writing is timed.
// 2. Reading side: the Access reader over the three test files, as rows per second, and the time
//    that gives for the same number of rows.
#include "data/ShortDate.h"
#include "import/AccessReader.h"
#include "import/ImportWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>

using namespace vindel;

namespace {

const QString kParagraph = QString::fromUtf8(
    "Verträgt volle Sonne und kalkhaltigen Boden; im Frühjahr kräftig zurückschneiden. "
    "Gießen nur bei längerer Trockenheit, im Kübel wöchentlich düngen. \"Überwintern\" frostfrei bei 5 °C.\r\n");

QString memo(int length)
{
    QString s;
    while (s.size() < length)
        s += kParagraph;
    return s.left(length);
}

// Values of the kind each column holds, NULL and "" mixed in as real files have them.
QVariant value(const ColumnDef &c, int row, int col, int memoLength)
{
    switch (c.kind) {
    case ColumnKind::AutoNumber:
        return qint64(row + 1);
    case ColumnKind::Integer:
        return qint64(c.name == QLatin1String("Nr") ? row + 1 : row % 997);
    case ColumnKind::YesNo:
        return qint64(row % 2);
    case ColumnKind::DateTime:
        return ShortDate::toStorage(QDateTime(QDate(2005, 1, 1), QTime(8, 0), Qt::UTC).addSecs(qint64(row) * 5437));
    case ColumnKind::Memo:
        if ((row + col) % 9 == 0)
            return QVariant();
        return memo(memoLength / 2 + (row * 37 + col * 11) % memoLength);
    case ColumnKind::Text:
        if ((row + col) % 11 == 0)
            return QVariant();
        if ((row + col) % 13 == 0)
            return QStringLiteral("");
        return QStringLiteral("%1 Gärtnerei Süd %2").arg(c.name).arg(row).left(c.width);
    }
    return QVariant();
}

class GeneratedSource : public ImportSource {
public:
    GeneratedSource(std::vector<ImportTable> tables, const std::map<QString, int> &counts) : m_tables(std::move(tables))
    {
        for (const ImportTable &t : m_tables) {
            const auto it = counts.find(t.def.name);
            const int n = it == counts.end() ? 10 : it->second;
            const int memoLength = t.def.name == QLatin1String("Pflanzen") ? 800 : 240;
            std::vector<SqlRow> &rows = m_rows[t.def.name];
            rows.reserve(n);
            for (int r = 0; r < n; ++r) {
                SqlRow row;
                for (size_t c = 0; c < t.def.columns.size(); ++c)
                    row.push_back(value(t.def.columns[c], r, int(c), memoLength));
                rows.push_back(std::move(row));
            }
            m_count += n;
        }
    }
    std::vector<ImportTable> tables() override { return m_tables; }
    void readRows(const ImportTable &table, const std::function<void(const SqlRow &)> &row) override
    {
        for (const SqlRow &r : m_rows[table.def.name])
            row(r);
    }
    qint64 rowCount() const { return m_count; }

private:
    std::vector<ImportTable> m_tables;
    std::map<QString, std::vector<SqlRow>> m_rows;
    qint64 m_count = 0;
};

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int plants = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int entries = argc > 2 ? std::atoi(argv[2]) : 50000;
    const QString data = QStringLiteral(VINDEL_BENCH_DATA "/access/");
    QTemporaryDir dir;

    // The columns of a current file, as the reader gives them.
    AccessReader current(data + QStringLiteral("pflanzen-v4.mdb"));
    GeneratedSource source(current.tables(), {{QStringLiteral("Pflanzen"), plants}, {QStringLiteral("Historie"), entries}});

    std::vector<double> times;
    qint64 size = 0;
    for (int run = 0; run < 3; ++run) {
        const QString target = dir.filePath(QStringLiteral("Pflanzen%1.mdb").arg(run));
        QElapsedTimer t;
        t.start();
        const ImportSummary s = writeDatabase(source, target);
        times.push_back(msSince(t));
        size = QFileInfo(target).size();
        if (s.rows != source.rowCount())
            std::fprintf(stderr, "wrote %lld of %lld rows\n", static_cast<long long>(s.rows),
                         static_cast<long long>(source.rowCount()));
    }
    std::sort(times.begin(), times.end());
    std::printf("write %d plants + %d diary entries (%lld rows, %.1f MB): best %.0f ms, median %.0f ms\n", plants,
                entries, static_cast<long long>(source.rowCount()), size / 1e6, times.front(), times[1]);

    // Reading: every row of the three test files, many times over.
    qint64 rows = 0;
    QElapsedTimer t;
    t.start();
    int rounds = 0;
    while (msSince(t) < 2000) {
        for (const char *f : {"pflanzen-v2.mdb", "pflanzen-v3.mdb", "pflanzen-v4.mdb"}) {
            AccessReader reader(data + QLatin1String(f));
            for (const ImportTable &table : reader.tables())
                reader.readRows(table, [&](const SqlRow &) { ++rows; });
        }
        ++rounds;
    }
    const double perRowUs = msSince(t) * 1000.0 / double(rows);
    std::printf("read %lld rows of the test files in %d rounds: %.2f us per row (opening included); "
                "%lld rows -> about %.0f ms\n",
                static_cast<long long>(rows), rounds, perRowUs, static_cast<long long>(source.rowCount()),
                perRowUs * double(source.rowCount()) / 1000.0);
    return 0;
}
