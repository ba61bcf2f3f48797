#include "data/SchemaUpgrade.h"

#include "data/ShortDate.h"

namespace vindel {

namespace {

QString added(const char *version, const char *table, const char *column)
{
    return QStringLiteral("Neue Software - Version %1\n\nTabelle \"%2\" hat das Feld \"%3\" bekommen ")
        .arg(QLatin1String(version), QLatin1String(table), QString::fromUtf8(column));
}

QString madeMemo(const char *column)
{
    return QStringLiteral("Neue Software - Version 3.0\n\nTabelle \"Pflanzen\" hat das Feld \"%1\" im Typ auf Memo "
                          "geändert ")
        .arg(QString::fromUtf8(column));
}

struct Step {
    QString probe;  // a statement; empty for the memo check of the plant cursor
    const char *memoColumn;
    QString repair;
    QString message;
};

std::vector<Step> steps()
{
    auto add = [](const char *table, const char *column, const char *type, const char *version) {
        return Step{QStringLiteral("select Top 1 %1 from %2").arg(QString::fromUtf8(column), QLatin1String(table)),
                    nullptr,
                    QStringLiteral("ALTER TABLE %1 ADD %2 %3")
                        .arg(QLatin1String(table), QString::fromUtf8(column), QLatin1String(type)),
                    added(version, table, column)};
    };
    std::vector<Step> s;
    s.push_back(add("Aktionen", "Kenner", "String", "3.0"));
    s.back().message.replace(QLatin1String("3.0\n"), QLatin1String("3.0 \n"));
    s.push_back(add("Aktionen", "Farbe", "String", "3.0"));
    s.push_back(add("Historie", "Aktionkenner", "String", "3.0"));
    for (const char *c : {"Formfarbe", "Tabsheetfarbe", "Groupboxfarbe", "Datensicherung", "Fotossichern"})
        s.push_back(add("Stammdaten", c, "String", "3.0"));
    s.push_back(add("Stammdaten", "DatensicherungTage", "Integer", "3.0"));
    s.push_back(add("Stammdaten", "Sicherungspfad", "String", "3.0"));
    s.push_back(add("Stammdaten", "Letztesicherung", "String", "3.0"));
    for (const char *c : {"Feldnummer", "Vorkommen", "Etikett"})
        s.push_back(add("Pflanzen", c, "String", "3.0"));
    s.push_back({QStringLiteral("select Top 1 Fotoname from ListeallerFotos"), nullptr,
                 QStringLiteral("CREATE TABLE ListeallerFotos (ID Counter, Fotoname String, Fotodatum String, Nr "
                                "integer, PRIMARY KEY ( ID ))"),
                 QStringLiteral("Neue Software - Version \n\nTabelle \"ListeallerFotos\" wurde erstellt ")});
    s.push_back({QStringLiteral("select Top 1 Nr from ListeallerFotos"), nullptr,
                 QStringLiteral("ALTER TABLE ListeallerFotos ADD Nr Integer"),
                 QStringLiteral("Neue Software - Version 3.0 \n\nTabelle \"ListeallerFotos\" hat das Feld \"Nr\" "
                                "bekommen ")});
    s.push_back({QString(), "Düngung", QStringLiteral("ALTER TABLE Pflanzen ALTER COLUMN Düngung memo"),
                 madeMemo("Düngung")});
    s.push_back({QString(), "Boden", QStringLiteral("ALTER TABLE Pflanzen ALTER COLUMN Boden memo"),
                 madeMemo("Boden")});
    for (const char *c : {"Webseite1", "Webseite2", "Webseite3"})
        s.push_back(add("Pflanzen", c, "String", "4.0"));
    s.push_back(add("Stammdaten", "Fotobearbeitung", "String", "4.0"));
    s.push_back({QStringLiteral("select Top 1 SortDatum from Historie"), nullptr,
                 QStringLiteral("ALTER TABLE Historie ADD SortDatum DATE"),
                 QStringLiteral("Neue Software - Version 4.0\n\nTabelle \"Historie\" hat das Feld \"Datum\" im Typ "
                                "auf DATE geändert ")});
    // Label designs remember whether their strips carry a QR code of the plant number. A column of
    // this program's own, added without a word: there is nothing the user must know about it.
    s.push_back(add("Etiketten", "QRCode", "YesNo", "4.1"));
    s.back().message.clear();
    return s;
}

// The plant cursor declares Düngung and Boden as memo columns and cannot open while the database
// holds the first of them that is not one. Steps 17 and 18 probe that: the first failure repairs
// Düngung (harmless when only Boden is still text), the second Boden.
bool plantMemoColumnsFine(Database &db)
{
    for (const ColumnDef &c : db.columns(QStringLiteral("Pflanzen")))
        if ((c.name.compare(QStringLiteral("Düngung"), Qt::CaseInsensitive) == 0
             || c.name.compare(QStringLiteral("Boden"), Qt::CaseInsensitive) == 0)
            && c.kind != ColumnKind::Memo)
            return false;
    return true;
}

} // namespace

void SchemaUpgrade::run(const MessageSink &message)
{
    Query &q = m_tables.ADOQuery_Pflanzen;
    const std::vector<Step> all = steps();
    for (size_t i = 0; i < all.size(); ++i) {
        const Step &step = all[i];
        bool present = true;
        try {
            if (step.memoColumn) {
                present = plantMemoColumnsFine(m_tables.db);
            } else {
                q.sql.clear();
                q.sql << step.probe;
                q.execSQL();
            }
        } catch (const DatabaseError &e) {
            // Only a missing table or column is repaired; a damaged or unwritable file is not
            // patched further, it stops the start with its own message.
            if (e.cause() != DatabaseError::Cause::MissingObject && e.cause() != DatabaseError::Cause::Other)
                throw;
            present = false;
        }
        if (present)
            continue;
        q.sql.clear();
        q.sql << step.repair;
        q.execSQL(); // a failing repair ends the upgrade with its error
        if (step.repair.contains(QLatin1String("Tabsheetfarbe")))
            m_tables.ADOQuery_Stammdaten.tag = 1;
        if (step.repair.contains(QLatin1String("SortDatum")))
            backfillSortDatum();
        if (message && !step.message.isEmpty())
            message(step.message);
    }
}

void SchemaUpgrade::backfillSortDatum()
{
    Table &h = m_tables.Tab_Historie;
    Transaction tx(m_tables.db);
    h.close();
    h.open();
    if (!h.isEmpty()) {
        h.first();
        while (!h.eof()) {
            h.edit();
            if (const auto date = ShortDate::parse(h.text(QStringLiteral("Datum"))))
                h.setValue(QStringLiteral("SortDatum"), ShortDate::wallClock(*date));
            h.next();
        }
        h.edit();
        h.post();
    }
    tx.commit();
    h.close();
    h.open();
}

} // namespace vindel
