#include "import/AccessReader.h"

#include "import/ImportError.h"
#include "import/JetFile.h"
#include "import/JetValues.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <charconv>
#include <cstring>

// libmdb needs glib's types first.
#include <glib.h>
#include <mdbtools.h>

namespace vindel {

namespace {

constexpr int kOffsetMask = 0x1fff;   // row offsets carry flags in their top bits
constexpr int kMemoHeader = 12;       // length/flags, page/row pointer, reserved

quint32 le32(const unsigned char *p) { return qFromLittleEndian<quint32>(p); }

QString shortestNumber(double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString shortestNumber(float v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, r.ptr - buf);
}

// Currency: a 64-bit count of ten-thousandths.
QString moneyText(qint64 raw)
{
    const bool negative = raw < 0;
    const quint64 abs = negative ? quint64(0) - quint64(raw) : quint64(raw);
    QString text = QString::number(abs / 10000);
    QString fraction = QStringLiteral("%1").arg(abs % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return negative ? QLatin1Char('-') + text : text;
}

QString guidText(const unsigned char *p)
{
    return QStringLiteral("{%1-%2-%3-%4-%5}")
        .arg(le32(p), 8, 16, QLatin1Char('0'))
        .arg(qFromLittleEndian<quint16>(p + 4), 4, 16, QLatin1Char('0'))
        .arg(qFromLittleEndian<quint16>(p + 6), 4, 16, QLatin1Char('0'))
        .arg(QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(p + 8), 2).toHex()))
        .arg(QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(p + 10), 6).toHex()))
        .toUpper();
}

QString typeName(int type)
{
    switch (type) {
    case MDB_NUMERIC:
        return QStringLiteral("Dezimalzahl");
    case MDB_COMPLEX:
        return QStringLiteral("Anlage/mehrwertiges Feld");
    default:
        return QStringLiteral("Typ %1").arg(type);
    }
}

} // namespace

struct AccessReader::Private {
    QString path;
    MdbHandle *mdb = nullptr;
    qint64 pageCount = 0;
    bool jet3 = false;
    std::unique_ptr<JetValues::CodePageDecoder> codePage;
    std::vector<MdbTableDef *> tableDefs;

    ~Private()
    {
        for (MdbTableDef *t : tableDefs)
            mdb_free_tabledef(t);
        if (mdb)
            mdb_close(mdb);
    }

    [[noreturn]] void damaged(const QString &where, const QString &what) const
    {
        throw ImportError(QStringLiteral("Die Access-Datei ist beschädigt (%1): %2").arg(where, what));
    }

    // Every row the table definition counts must be readable.
    void checkRowCount(MdbCatalogEntry *entry) const
    {
        const QString name = QString::fromUtf8(entry->object_name);
        MdbTableDef *table = mdb_read_table(entry);
        if (!table)
            damaged(name, QStringLiteral("Tabellendefinition unlesbar"));
        const unsigned expected = table->num_rows;
        unsigned count = 0;
        if (mdb_read_columns(table)) {
            mdb_rewind_table(table);
            while (mdb_fetch_row(table))
                ++count;
        }
        mdb_free_tabledef(table);
        if (count != expected)
            damaged(name, QStringLiteral("nur %1 von %2 Einträgen lesbar").arg(count).arg(expected));
    }

    QString text(const char *data, qsizetype size) const
    {
        return jet3 ? codePage->decode(data, size) : JetValues::decodeJet4Text(data, size);
    }

    // A memo or OLE value: inline in the row, on one long-value page, or in a chain of them.
    QByteArray longValue(const unsigned char *field, int size, const QString &where) const
    {
        if (size < kMemoHeader)
            damaged(where, QStringLiteral("Langtext-Kopf fehlt"));
        const quint32 head = le32(field);
        const qint64 length = head & 0x3fffffff;
        if (head & 0x80000000u) {
            if (length > size - kMemoHeader)
                damaged(where, QStringLiteral("Langtext länger als sein Platz"));
            return QByteArray(reinterpret_cast<const char *>(field + kMemoHeader), length);
        }
        qint32 pageRow = qint32(le32(field + 4));
        QByteArray out;
        out.reserve(qMin<qint64>(length, 64 * 1024 * 1024));
        const bool single = head & 0x40000000u;
        qint64 pagesRead = 0;
        while (out.size() < length) {
            if (pageRow == 0 || ++pagesRead > pageCount)
                damaged(where, QStringLiteral("Langtext-Kette bricht ab"));
            void *buf = nullptr;
            int off = 0;
            size_t rowLength = 0;
            if (mdb_find_pg_row(mdb, pageRow, &buf, &off, &rowLength) != 0 || !buf)
                damaged(where, QStringLiteral("Langtext-Seite unlesbar"));
            const auto *row = static_cast<const unsigned char *>(buf) + off;
            if (single) {
                if (qint64(rowLength) < length)
                    damaged(where, QStringLiteral("Langtext kürzer als angegeben"));
                out.append(reinterpret_cast<const char *>(row), length);
                break;
            }
            if (rowLength < 4)
                damaged(where, QStringLiteral("Langtext-Seite zu kurz"));
            const qint64 chunk = qMin<qint64>(qint64(rowLength) - 4, length - out.size());
            out.append(reinterpret_cast<const char *>(row + 4), chunk);
            pageRow = qint32(le32(row));
        }
        return out;
    }
};

AccessReader::AccessReader(const QString &path) : d(std::make_unique<Private>())
{
    d->path = path;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw ImportError(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(path));
    if (!JetFile::isJetDatabase(path))
        throw ImportError(QStringLiteral("Die Datei \"%1\" ist keine Access-Datenbank.").arg(path));

    d->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!d->mdb)
        throw ImportError(QStringLiteral("Die Access-Datei kann nicht geöffnet werden; sie ist beschädigt oder hat ein "
                                         "unbekanntes Format."));
    const qint64 pageSize = d->mdb->fmt->pg_size;
    if (pageSize <= 0 || info.size() % pageSize != 0 || info.size() < 3 * pageSize)
        throw ImportError(QStringLiteral("Die Access-Datei ist unvollständig (%1 Bytes sind keine ganze Zahl von "
                                         "Seiten); sie wurde wohl nicht ganz kopiert.")
                              .arg(info.size()));
    d->pageCount = info.size() / pageSize;
    d->jet3 = d->mdb->f->jet_version == MDB_VER_JET3;
    d->codePage = std::make_unique<JetValues::CodePageDecoder>(d->mdb->f->code_page);
    if (!mdb_read_catalog(d->mdb, MDB_TABLE))
        throw ImportError(QStringLiteral("Das Inhaltsverzeichnis der Access-Datei ist unlesbar."));
}

AccessReader::~AccessReader() = default;

bool AccessReader::isJet3() const { return d->jet3; }

int AccessReader::codePage() const { return d->mdb->f->code_page; }

std::vector<ImportTable> AccessReader::tables()
{
    for (MdbTableDef *t : d->tableDefs)
        mdb_free_tabledef(t);
    d->tableDefs.clear();

    std::vector<ImportTable> result;
    MdbHandle *mdb = d->mdb;
    bool catalogChecked = false;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE)
            continue;
        const QString name = QString::fromUtf8(entry->object_name);
        if (name.compare(QLatin1String("MSysObjects"), Qt::CaseInsensitive) == 0) {
            // The catalog is read from this table; a page of it lost would hide whole tables.
            d->checkRowCount(entry);
            catalogChecked = true;
        }
        if (mdb_is_system_table(entry) || name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive))
            continue;
        MdbTableDef *table = mdb_read_table(entry);
        if (!table)
            d->damaged(name, QStringLiteral("Tabellendefinition unlesbar"));
        d->tableDefs.push_back(table);
        if (!mdb_read_columns(table) || table->num_cols == 0 || table->num_cols > MDB_MAX_COLS)
            d->damaged(name, QStringLiteral("Spalten unlesbar"));

        ImportTable it;
        it.def.name = name;
        bool autoNumber = false;
        for (unsigned c = 0; c < table->num_cols; ++c) {
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, c));
            ColumnDef def;
            def.name = QString::fromUtf8(col->name);
            switch (col->col_type) {
            case MDB_BOOL:
                def.kind = ColumnKind::YesNo;
                break;
            case MDB_BYTE:
            case MDB_INT:
                def.kind = ColumnKind::Integer;
                break;
            case MDB_LONGINT:
                def.kind = col->is_long_auto && !autoNumber ? ColumnKind::AutoNumber : ColumnKind::Integer;
                autoNumber = autoNumber || def.kind == ColumnKind::AutoNumber;
                break;
            case MDB_DATETIME:
                def.kind = ColumnKind::DateTime;
                break;
            case MDB_TEXT:
                def.kind = ColumnKind::Text;
                // Jet 4 counts the width in bytes of UCS-2, two per character.
                def.width = d->jet3 ? col->col_size : col->col_size / 2;
                if (def.width <= 0 || def.width > 255)
                    def.width = 255;
                break;
            case MDB_MEMO:
            case MDB_OLE:
            case MDB_BINARY:
                def.kind = ColumnKind::Memo;
                break;
            case MDB_MONEY:
            case MDB_FLOAT:
            case MDB_DOUBLE:
            case MDB_REPID:
                // Kinds our database does not know; kept as their exact decimal or GUID text.
                def.kind = ColumnKind::Text;
                def.width = 255;
                break;
            default:
                throw ImportError(QStringLiteral("Die Spalte \"%1\" der Tabelle \"%2\" hat einen Datentyp (%3), der "
                                                 "nicht übernommen werden kann.")
                                      .arg(def.name, name, typeName(col->col_type)));
            }
            it.def.columns.push_back(def);
        }
        it.rowCount = qint64(table->num_rows);
        if (autoNumber && mdb_read_pg(mdb, entry->table_pg) == mdb->fmt->pg_size)
            it.autoNumberLast = qint32(le32(mdb->pg_buf + mdb->fmt->tab_num_rows_offset + 4));
        result.push_back(std::move(it));
    }
    if (!catalogChecked)
        throw ImportError(QStringLiteral("Das Inhaltsverzeichnis der Access-Datei ist unlesbar."));
    if (result.empty())
        throw ImportError(QStringLiteral("Die Access-Datei enthält keine Tabellen."));
    return result;
}

void AccessReader::readRows(const ImportTable &table, const std::function<void(const SqlRow &)> &row)
{
    MdbTableDef *t = nullptr;
    for (MdbTableDef *candidate : d->tableDefs)
        if (QString::fromUtf8(candidate->name) == table.def.name)
            t = candidate;
    if (!t || t->num_cols != table.def.columns.size())
        throw ImportError(QStringLiteral("Die Tabelle \"%1\" gibt es in der Access-Datei nicht.").arg(table.def.name));

    MdbHandle *mdb = d->mdb;
    const int pageSize = int(mdb->fmt->pg_size);
    std::vector<MdbField> fields(t->num_cols);
    SqlRow values(t->num_cols);
    quint64 count = 0;

    mdb_rewind_table(t);
    while (mdb_fetch_row(t)) {
        const QString where = QStringLiteral("Tabelle \"%1\", Datensatz %2").arg(table.def.name).arg(count + 1);
        // A damaged page chain can lead the scan in a circle; it never holds more rows than counted.
        if (count >= t->num_rows)
            d->damaged(where, QStringLiteral("mehr Datensätze als die Tabelle angibt"));
        // libmdb's bound values cannot tell NULL from "" and cut long texts; crack the row just
        // fetched (still in pg_buf) again and read the raw fields.
        int start = 0;
        size_t size = 0;
        if (t->cur_row == 0 || mdb_find_row(mdb, int(t->cur_row) - 1, &start, &size) != 0 || size == 0)
            d->damaged(where, QStringLiteral("Zeile nicht auffindbar"));
        start &= kOffsetMask;
        if (mdb_crack_row(t, start, size, fields.data()) < 0)
            d->damaged(where, QStringLiteral("Zeile nicht lesbar"));

        for (unsigned i = 0; i < t->num_cols; ++i) {
            const MdbField &f = fields[i];
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(t->columns, f.colnum));
            QVariant &v = values[f.colnum];
            if (col->col_type == MDB_BOOL) {
                v = qint64(f.is_null ? 0 : 1); // the null-mask bit is the value
                continue;
            }
            if (f.is_null) {
                v = QVariant();
                continue;
            }
            if (f.siz < 0 || f.start < 0 || f.start + f.siz > pageSize)
                d->damaged(where, QStringLiteral("Feld \"%1\" liegt außerhalb der Seite").arg(QString::fromUtf8(col->name)));
            const auto *p = mdb->pg_buf + f.start;
            const auto *c = reinterpret_cast<const char *>(p);
            auto need = [&](int bytes) {
                if (f.siz < bytes)
                    d->damaged(where, QStringLiteral("Feld \"%1\" zu kurz").arg(QString::fromUtf8(col->name)));
            };
            switch (col->col_type) {
            case MDB_BYTE:
                need(1);
                v = qint64(p[0]);
                break;
            case MDB_INT:
                need(2);
                v = qint64(qFromLittleEndian<qint16>(p));
                break;
            case MDB_LONGINT:
                need(4);
                v = qint64(qFromLittleEndian<qint32>(p));
                break;
            case MDB_DATETIME: {
                need(8);
                const quint64 bits = qFromLittleEndian<quint64>(p);
                double days;
                std::memcpy(&days, &bits, sizeof days);
                const std::optional<QString> text = JetValues::dateTimeToStorage(days);
                if (!text)
                    d->damaged(where, QStringLiteral("ungültiges Datum in \"%1\"").arg(QString::fromUtf8(col->name)));
                v = *text;
                break;
            }
            case MDB_TEXT:
                v = d->text(c, f.siz);
                break;
            case MDB_MEMO: {
                const QByteArray bytes = d->longValue(p, f.siz, where);
                v = d->text(bytes.constData(), bytes.size());
                break;
            }
            case MDB_OLE:
                v = d->longValue(p, f.siz, where);
                break;
            case MDB_BINARY:
                v = QByteArray(c, f.siz);
                break;
            case MDB_MONEY:
                need(8);
                v = moneyText(qFromLittleEndian<qint64>(p));
                break;
            case MDB_FLOAT: {
                need(4);
                const quint32 bits = qFromLittleEndian<quint32>(p);
                float x;
                std::memcpy(&x, &bits, sizeof x);
                v = shortestNumber(x);
                break;
            }
            case MDB_DOUBLE: {
                need(8);
                const quint64 bits = qFromLittleEndian<quint64>(p);
                double x;
                std::memcpy(&x, &bits, sizeof x);
                v = shortestNumber(x);
                break;
            }
            case MDB_REPID:
                need(16);
                v = guidText(p);
                break;
            default:
                d->damaged(where, QStringLiteral("unbekannter Feldtyp"));
            }
        }
        ++count;
        row(values);
    }
    // A page that could not be read ends libmdb's scan early without a word; the row count of
    // the table definition tells.
    if (count != t->num_rows)
        throw ImportError(QStringLiteral("Aus der Tabelle \"%1\" sind nur %2 von %3 Datensätzen lesbar; die "
                                         "Access-Datei ist beschädigt.")
                              .arg(table.def.name)
                              .arg(count)
                              .arg(t->num_rows));
}

ImportSummary importAccessFile(const QString &sourcePath, const QString &targetPath,
                               const std::function<void(qint64 done, qint64 total)> &progress)
{
    AccessReader reader(sourcePath);
    const std::vector<ImportTable> tables = reader.tables();
    requireCatalogueTables(tables);
    qint64 total = 0;
    for (const ImportTable &t : tables)
        total += t.rowCount;
    if (progress)
        progress(0, total);
    return writeDatabase(reader, targetPath, [&](qint64 done) {
        if (progress)
            progress(done, total);
    });
}

} // namespace vindel
