#include "data/Dataset.h"

#include "data/JetSql.h"
#include "data/ShortDate.h"

#include <algorithm>
#include <future>

namespace vindel {

namespace {

const QVariant &nullValue()
{
    static const QVariant v;
    return v;
}

QString storedToText(const ColumnDef &c, const QVariant &v)
{
    if (v.isNull())
        return QString();
    switch (c.kind) {
    case ColumnKind::DateTime:
        return ShortDate::formatDateTime(ShortDate::fromStorage(v.toString()));
    case ColumnKind::YesNo:
        return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

bool textIsYes(const QString &t, bool *ok)
{
    const QString s = t.trimmed().toLower();
    *ok = true;
    if (s == QLatin1String("ja") || s == QLatin1String("j") || s == QLatin1String("true")
        || s == QLatin1String("wahr") || s == QLatin1String("-1") || s == QLatin1String("1"))
        return true;
    if (s == QLatin1String("nein") || s == QLatin1String("n") || s == QLatin1String("false")
        || s == QLatin1String("falsch") || s == QLatin1String("0") || s.isEmpty())
        return false;
    *ok = false;
    return false;
}

} // namespace

Dataset::Dataset(Database &db, QString name, QObject *parent)
    : QObject(parent), m_db(db), m_name(std::move(name)), m_view(m_store, m_columns)
{
    setObjectName(m_name);
}

Dataset::~Dataset() = default;

void Dataset::setColumns(std::vector<ColumnDef> columns)
{
    columnsChanged();
    m_columns = std::move(columns);
    m_columnByLowerName.clear();
    m_columnByName.clear();
    for (int i = 0; i < int(m_columns.size()); ++i) {
        m_columnByLowerName.insert(m_columns[i].name.toLower(), i);
        m_columnByName.insert(m_columns[i].name, i);
    }
}

void Dataset::requireActive() const
{
    if (m_state == State::Inactive)
        throw DatabaseError(QStringLiteral("Die Tabelle »%1« ist nicht geöffnet.").arg(m_name));
}

void Dataset::open()
{
    if (active())
        return;
    if (!m_backgroundIndexColumn.isEmpty()) {
        m_loading = loadRowsInBackground(m_backgroundIndexColumn);
        if (m_loading.valid()) {
            m_state = State::Browse;
            return;
        }
    }
    takeRows(loadRows());
    finishOpen();
}

std::future<Dataset::BackgroundRows> Dataset::loadRowsInBackground(const QString &)
{
    return {};
}

void Dataset::takeBackgroundRows()
{
    BackgroundRows loaded;
    try {
        loaded = m_loading.get();
    } catch (...) {
        m_state = State::Inactive;
        throw;
    }
    takeRows(std::move(loaded.rows));
    if (loaded.indexColumn >= 0)
        m_view.adoptIndex(loaded.indexColumn, std::move(loaded.index));
    finishOpen();
}

// What opening does once the rows are there.
void Dataset::finishOpen()
{
    m_state = State::Browse;
    // A filter or sort set while closed takes effect now; an invalid one leaves the object closed.
    try {
        if (m_filtered && !m_filterText.trimmed().isEmpty())
            m_filter = RowFilter::compile(m_filterText, m_columns);
        else
            m_filter.reset();
        m_view.sortBy(sortKeysOf(m_sortText, false));
    } catch (...) {
        m_store.clear();
        m_view.reset();
        m_state = State::Inactive;
        throw;
    }
    rebuildView(false);
    notifyRowsReset();
    setPosition(m_view.empty() ? -1 : 0);
    m_bof = true;
}

void Dataset::close()
{
    if (!active())
        return;
    if (m_loading.valid()) {
        m_loading.wait(); // the reading thread finishes; its rows are not needed any more
        m_loading = {};
    }
    postIfEditing();
    m_state = State::Inactive;
    m_store.clear();
    m_view.reset();
    m_pos = -1;
    m_eof = m_bof = true;
    notifyRowsReset();
}

int Dataset::columnIndex(const QString &name) const
{
    // Most callers spell the name as the table does; only the others pay for folding the case.
    const auto exact = m_columnByName.constFind(name);
    if (exact != m_columnByName.cend())
        return *exact;
    return m_columnByLowerName.value(name.toLower(), -1);
}

int Dataset::requireColumn(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Das Feld »%1« gibt es in der Tabelle »%2« nicht.").arg(name, m_name));
    return i;
}

void Dataset::takeRows(LoadedRows loaded)
{
    m_store.clear();
    m_store.rows.reserve(loaded.rowIds.size());
    for (qint64 id : loaded.rowIds)
        m_store.rows.push_back({id, false});
    m_store.cells = std::move(loaded.cells);
    m_store.width = m_columns.size();
    m_view.reset();
}

const QVariant *Dataset::currentValues() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer.data();
    if (m_pos < 0 || m_pos >= m_view.size())
        return nullptr;
    return m_store.values(size_t(m_view.storedAt(m_pos)));
}

QVariant Dataset::value(const QString &column) const
{
    settle();
    requireActive();
    const int i = requireColumn(column);
    const QVariant *row = currentValues();
    return row ? row[i] : QVariant();
}

bool Dataset::isNull(const QString &column) const { return value(column).isNull(); }

QString Dataset::text(const QString &column) const
{
    settle();
    requireActive();
    const int i = requireColumn(column);
    const QVariant *row = currentValues();
    return row ? storedToText(m_columns[size_t(i)], row[i]) : QString();
}

qint64 Dataset::integer(const QString &column, bool *ok) const
{
    const QVariant v = value(column);
    bool good = true;
    qint64 result = 0;
    if (v.isNull()) {
        result = 0;
    } else if (v.typeId() == QMetaType::LongLong) {
        result = v.toLongLong();
    } else if (v.typeId() == QMetaType::Double) {
        result = qRound64(v.toDouble());
    } else {
        result = v.toString().trimmed().toLongLong(&good);
        if (!good)
            result = 0;
    }
    if (ok)
        *ok = good;
    return result;
}

QDateTime Dataset::dateTime(const QString &column) const
{
    requireActive();
    const int i = requireColumn(column);
    const QVariant v = value(column);
    if (v.isNull())
        return QDateTime();
    if (m_columns[size_t(i)].kind == ColumnKind::DateTime)
        return ShortDate::fromStorage(v.toString());
    const auto parsed = ShortDate::parseDateTime(v.toString());
    return parsed ? *parsed : QDateTime();
}

bool Dataset::yesNo(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::LongLong)
        return v.toLongLong() != 0;
    bool ok;
    return textIsYes(v.toString(), &ok);
}

const QVariant &Dataset::valueAt(int viewRow, int column) const
{
    settle();
    if (viewRow < 0 || viewRow >= m_view.size() || column < 0 || column >= int(m_columns.size()))
        return nullValue();
    if (viewRow == m_pos && (m_state == State::Edit))
        return m_buffer[size_t(column)];
    return m_store.values(size_t(m_view.storedAt(viewRow)))[column];
}

// --- navigation ---------------------------------------------------------------------------

void Dataset::notifyScroll()
{
    notifyCurrentChanged();
    if (tag == 0)
        emit afterScroll();
}

// While notifications are held back, views learn of the changes once, when the holding ends.
void Dataset::notifyRowsReset()
{
    if (m_deferDepth > 0)
        m_deferredReset = true;
    else
        emit rowsReset();
}

void Dataset::notifyCurrentChanged()
{
    if (m_deferDepth > 0)
        m_deferredReset = true;
    else
        emit currentChanged(m_pos);
}

void Dataset::notifyRowChanged(int viewRow)
{
    if (m_deferDepth > 0)
        m_deferredReset = true;
    else
        emit rowChanged(viewRow);
}

void Dataset::holdNotifications() { ++m_deferDepth; }

void Dataset::releaseNotifications()
{
    if (--m_deferDepth > 0 || !std::exchange(m_deferredReset, false))
        return;
    emit rowsReset();
    emit currentChanged(m_pos);
}

void Dataset::setPosition(int viewRow, bool notify)
{
    m_pos = viewRow;
    m_eof = m_view.empty();
    m_bof = m_view.empty();
    if (notify)
        notifyScroll();
}

void Dataset::first()
{
    settle();
    requireActive();
    postIfEditing();
    setPosition(m_view.empty() ? -1 : 0);
    m_bof = true;
}

void Dataset::last()
{
    settle();
    requireActive();
    postIfEditing();
    setPosition(m_view.empty() ? -1 : m_view.size() - 1);
    m_eof = true;
}

void Dataset::next()
{
    settle();
    requireActive();
    postIfEditing();
    if (m_pos + 1 < m_view.size()) {
        setPosition(m_pos + 1);
    } else {
        m_eof = true;
    }
}

void Dataset::prior()
{
    settle();
    requireActive();
    postIfEditing();
    if (m_pos > 0) {
        setPosition(m_pos - 1);
    } else {
        m_bof = true;
    }
}

void Dataset::moveTo(int viewRow)
{
    settle();
    requireActive();
    if (viewRow < 0 || viewRow >= m_view.size())
        return;
    postIfEditing();
    if (viewRow != m_pos)
        setPosition(viewRow);
}

bool Dataset::locate(const QString &column, const QVariant &value, LocateOption options)
{
    settle();
    requireActive();
    const int c = requireColumn(column);
    postIfEditing();
    const ColumnDef &def = m_columns[size_t(c)];
    const bool partial = hasOption(options, LocateOption::PartialKey);
    const Qt::CaseSensitivity cs =
        hasOption(options, LocateOption::CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;

    bool numeric = false;
    qint64 wanted = 0;
    if (def.isNumeric() && !partial) {
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
            || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::Double) {
            wanted = value.toLongLong();
            numeric = true;
        } else {
            wanted = value.toString().trimmed().toLongLong(&numeric);
        }
        if (!numeric)
            return false;
    }
    const QString key = value.toString();
    for (int i = 0; i < m_view.size(); ++i) {
        const QVariant &v = m_store.values(size_t(m_view.storedAt(i)))[c];
        bool hit;
        if (numeric) {
            hit = !v.isNull() && v.toLongLong() == wanted;
        } else {
            const QString s = storedToText(def, v);
            hit = partial ? s.startsWith(key, cs) : s.compare(key, cs) == 0;
        }
        if (hit) {
            setPosition(i);
            return true;
        }
    }
    return false;
}

// --- filter and sort ------------------------------------------------------------------------

void Dataset::setFilter(const QString &expression)
{
    if (expression == m_filterText)
        return;
    if (m_loading.valid()) { // applies once the rows are there
        m_filterText = expression;
        return;
    }
    if (active() && m_filtered) {
        postIfEditing();
        auto compiled = expression.trimmed().isEmpty() ? nullptr : RowFilter::compile(expression, m_columns);
        m_filterText = expression;
        m_filter = std::move(compiled);
        rebuildView(false);
        notifyRowsReset();
        first();
        return;
    }
    m_filterText = expression;
}

void Dataset::setFiltered(bool on)
{
    if (!active() || m_loading.valid()) {
        m_filtered = on;
        return;
    }
    if (on == m_filtered && (!on || m_filter || m_filterText.trimmed().isEmpty()))
        return;
    postIfEditing();
    std::unique_ptr<RowFilter> compiled;
    if (on && !m_filterText.trimmed().isEmpty())
        compiled = RowFilter::compile(m_filterText, m_columns);
    m_filtered = on;
    m_filter = std::move(compiled);
    rebuildView(false);
    notifyRowsReset();
    first();
}

void Dataset::setIndexFieldNames(const QString &column) { setSort(column); }

std::vector<RowView::SortKey> Dataset::sortKeysOf(const QString &expression, bool requireColumns) const
{
    std::vector<RowView::SortKey> keys;
    const QStringList parts = expression.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QStringList words = part.simplified().split(QLatin1Char(' '));
        if (words.isEmpty() || words[0].isEmpty())
            continue;
        bool descending = false;
        if (words.size() > 1) {
            const QString dir = words[1].toUpper();
            if (dir == QLatin1String("DESC"))
                descending = true;
            else if (dir != QLatin1String("ASC"))
                throw DatabaseError(QStringLiteral("Ungültige Sortierung »%1«").arg(expression));
        }
        if (words.size() > 2)
            throw DatabaseError(QStringLiteral("Ungültige Sortierung »%1«").arg(expression));
        QString col = words[0];
        if (col.startsWith(QLatin1Char('[')) && col.endsWith(QLatin1Char(']')))
            col = col.mid(1, col.size() - 2);
        const int index = columnIndex(col);
        if (index < 0 && requireColumns)
            throw DatabaseError(QStringLiteral("Nach dem Feld »%1« kann nicht sortiert werden: es gibt es in der "
                                               "Tabelle »%2« nicht.")
                                    .arg(col, m_name));
        keys.push_back({index, descending});
    }
    return keys;
}

void Dataset::setSort(const QString &expression)
{
    if (!active() || m_loading.valid()) {
        sortKeysOf(expression, false); // refuses a malformed expression at once
        m_sortText = expression;
        return;
    }
    std::vector<RowView::SortKey> keys = sortKeysOf(expression, true);
    postIfEditing();
    m_sortText = expression;
    if (!m_view.sortBy(std::move(keys)))
        return;
    rebuildView(true);
    notifyRowsReset();
    notifyCurrentChanged();
}

void Dataset::rebuildView(bool keepCurrent)
{
    const int currentStored = keepCurrent && m_pos >= 0 && m_pos < m_view.size() ? m_view.storedAt(m_pos) : -1;
    m_view.rebuild(m_filter.get());
    int pos = m_view.empty() ? -1 : 0;
    if (currentStored >= 0) {
        const int found = m_view.find(currentStored);
        if (found >= 0)
            pos = found;
    }
    m_pos = pos;
    m_eof = m_bof = m_view.empty();
}

int Dataset::countEqual(const QString &column, const QString &value)
{
    requireActive();
    const int c = requireColumn(column);
    if (m_loading.valid()) {
        // Digits and other characters without case compare alike in the database.
        const bool caseless = std::all_of(value.begin(), value.end(), [](QChar ch) {
            return ch.toCaseFolded() == ch && ch.toUpper() == ch && !ch.isSurrogate();
        });
        if (caseless)
            return int(m_db.select(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?")
                                       .arg(Schema::quoteIdentifier(m_name), Schema::quoteIdentifier(m_columns[size_t(c)].name)),
                                   {value})
                           .at(0)
                           .at(0)
                           .toLongLong());
        settle();
    }
    return m_view.countEqual(c, RowFilter::indexKey(value));
}

// --- editing --------------------------------------------------------------------------------

void Dataset::postIfEditing()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void Dataset::edit()
{
    settle();
    requireActive();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_view.empty()) {
        append();
        return;
    }
    const QVariant *cells = m_store.values(size_t(m_view.storedAt(m_pos)));
    m_buffer.assign(cells, cells + m_columns.size());
    m_dirty.assign(m_columns.size(), false);
    m_state = State::Edit;
}

void Dataset::append()
{
    settle();
    requireActive();
    postIfEditing();
    m_buffer.assign(m_columns.size(), QVariant());
    m_dirty.assign(m_columns.size(), false);
    m_state = State::Insert;
}

QVariant Dataset::convertForColumn(const ColumnDef &c, const QVariant &v) const
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    auto bad = [&](const QString &what) -> DatabaseError {
        return DatabaseError(what.arg(v.toString(), c.name));
    };
    switch (c.kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo: {
        QString s;
        if (v.typeId() == QMetaType::QDate)
            s = ShortDate::format(v.toDate());
        else if (v.typeId() == QMetaType::QDateTime)
            s = ShortDate::formatDateTime(v.toDateTime());
        else
            s = v.toString();
        if (c.kind == ColumnKind::Text && c.width > 0 && s.size() > c.width)
            throw DatabaseError(QStringLiteral("Der Text für das Feld »%1« ist zu lang (höchstens %2 Zeichen).")
                                    .arg(c.name)
                                    .arg(c.width));
        return s;
    }
    case ColumnKind::AutoNumber:
    case ColumnKind::Integer: {
        if (v.typeId() == QMetaType::Bool)
            return qint64(v.toBool() ? 1 : 0);
        if (v.typeId() == QMetaType::Double)
            return qint64(qRound64(v.toDouble()));
        if (v.typeId() == QMetaType::QString) {
            const QString t = v.toString().trimmed();
            if (t.isEmpty())
                return QVariant();
            bool ok;
            const qint64 n = t.toLongLong(&ok);
            if (!ok)
                throw bad(QStringLiteral("»%1« ist keine gültige Zahl für das Feld »%2«."));
            return n;
        }
        bool ok;
        const qint64 n = v.toLongLong(&ok);
        if (!ok)
            throw bad(QStringLiteral("»%1« ist keine gültige Zahl für das Feld »%2«."));
        return n;
    }
    case ColumnKind::YesNo: {
        if (v.typeId() == QMetaType::QString) {
            bool ok;
            const bool yes = textIsYes(v.toString(), &ok);
            if (!ok)
                throw bad(QStringLiteral("»%1« ist kein Ja/Nein-Wert für das Feld »%2«."));
            return qint64(yes ? 1 : 0);
        }
        return qint64(v.toLongLong() != 0 ? 1 : 0);
    }
    case ColumnKind::DateTime: {
        if (v.typeId() == QMetaType::QDateTime)
            return ShortDate::toStorage(v.toDateTime());
        if (v.typeId() == QMetaType::QDate)
            return ShortDate::toStorage(ShortDate::wallClock(v.toDate()));
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return QVariant();
        if (const auto parsed = ShortDate::parseDateTime(t))
            return ShortDate::toStorage(*parsed);
        const QDateTime stored = ShortDate::fromStorage(t);
        if (stored.isValid())
            return ShortDate::toStorage(stored);
        throw bad(QStringLiteral("»%1« ist kein gültiges Datum für das Feld »%2«."));
    }
    }
    return v;
}

void Dataset::setValue(const QString &column, const QVariant &value)
{
    requireActive();
    if (m_state != State::Edit && m_state != State::Insert)
        throw DatabaseError(
            QStringLiteral("Die Tabelle »%1« ist nicht im Bearbeitungsmodus (Feld »%2«).").arg(m_name, column));
    const int i = requireColumn(column);
    const ColumnDef &def = m_columns[size_t(i)];
    if (def.kind == ColumnKind::AutoNumber)
        throw DatabaseError(QStringLiteral("Das Feld »%1« wird von der Datenbank vergeben.").arg(def.name));
    m_buffer[size_t(i)] = convertForColumn(def, value);
    m_dirty[size_t(i)] = true;
}

void Dataset::post()
{
    settle();
    requireActive();
    if (m_state == State::Edit) {
        const int stored = m_view.storedAt(m_pos);
        const bool changed = std::find(m_dirty.begin(), m_dirty.end(), true) != m_dirty.end();
        if (changed) {
            writeRow(&m_store.rows[size_t(stored)], m_buffer, m_dirty); // on failure the edit stays pending
            std::copy(m_buffer.begin(), m_buffer.end(), m_store.values(size_t(stored)));
            m_view.rowChanged(stored, m_dirty);
        }
        m_state = State::Browse;
        m_buffer.clear();
        if (changed)
            notifyRowChanged(m_pos);
        return;
    }
    if (m_state == State::Insert) {
        const qint64 rowId = writeRow(nullptr, m_buffer, m_dirty);
        m_store.rows.push_back({rowId, false});
        m_store.cells.insert(m_store.cells.end(), std::make_move_iterator(m_buffer.begin()),
                             std::make_move_iterator(m_buffer.end()));
        m_state = State::Browse;
        m_buffer.clear();
        m_view.rowAppended(int(m_store.size()) - 1); // at the end until the rows are sorted again
        notifyRowsReset();
        setPosition(m_view.size() - 1);
        return;
    }
    throw DatabaseError(QStringLiteral("Die Tabelle »%1« ist nicht im Bearbeitungsmodus.").arg(m_name));
}

void Dataset::cancel()
{
    settle();
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_state = State::Browse;
    m_buffer.clear();
    notifyRowChanged(m_pos);
}

void Dataset::remove()
{
    settle();
    requireActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (m_view.empty())
        throw DatabaseError(QStringLiteral("Die Tabelle »%1« enthält keinen Datensatz zum Löschen.").arg(m_name));
    StoredRow &row = currentStored();
    deleteRow(row);
    row.deleted = true;
    ++m_store.deletedCount;
    m_view.rowRemoved(m_pos);
    const int pos = m_view.empty() ? -1 : std::min(m_pos, m_view.size() - 1);
    notifyRowsReset();
    setPosition(pos);
}

void Dataset::reloadKeepingRow()
{
    qint64 currentId = -1;
    if (m_pos >= 0 && m_pos < m_view.size())
        currentId = currentStored().rowId;
    m_state = State::Browse;
    m_buffer.clear();
    takeRows(loadRows());
    m_view.sortBy(sortKeysOf(m_sortText, false));
    rebuildView(false);
    int pos = m_view.empty() ? -1 : 0;
    for (int i = 0; i < m_view.size(); ++i)
        if (m_store.rows[size_t(m_view.storedAt(i))].rowId == currentId) {
            pos = i;
            break;
        }
    notifyRowsReset();
    setPosition(pos);
}

void Dataset::refresh()
{
    settle();
    requireActive();
    postIfEditing();
    reloadKeepingRow();
}

} // namespace vindel
