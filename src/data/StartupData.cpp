#include "data/StartupData.h"

#include "data/ShortDate.h"

namespace vindel::StartupData {

void ensurePhotoDir(DataTables &t, const QString &programDir)
{
    Table &s = t.Tab_Stammdaten;
    s.open();
    if (!s.text(QStringLiteral("Speicherpfad")).isEmpty())
        return;
    s.edit(); // appends the one row when the table is empty
    s.setValue(QStringLiteral("Speicherpfad"), programDir + QStringLiteral("Fotos/"));
    s.post();
}

void ensureObservationAction(DataTables &t)
{
    Table &a = t.Tab_Aktion;
    a.open();
    if (a.locate(QStringLiteral("Kenner"), QStringLiteral("0"), LocateOption::CaseInsensitive))
        return;
    a.append();
    a.setValue(QStringLiteral("Bezeichnung"), QStringLiteral("Beobachtung"));
    a.setValue(QStringLiteral("Kenner"), QStringLiteral("0"));
    a.setValue(QStringLiteral("Bemerkung"), QStringLiteral("Meine Beobachtung"));
    a.setValue(QStringLiteral("Farbe"), QStringLiteral("255"));
    a.post();
}

void completeDiary(DataTables &t)
{
    Table &h = t.Tab_Historie;
    h.open();
    h.setFiltered(false);
    // Walking every entry of a large diary costs; the database tells at once whether one lacks
    // its action.
    if (t.db.select(QStringLiteral("SELECT 1 FROM Historie WHERE Aktion IS NULL OR Aktion = '' LIMIT 1")).empty())
        return;
    Transaction tx(t.db);
    h.first();
    while (!h.eof()) {
        if (h.text(QStringLiteral("Aktion")).isEmpty()) {
            h.edit();
            h.setValue(QStringLiteral("Aktion"), QStringLiteral("Beobachtung"));
            h.setValue(QStringLiteral("Aktionkenner"), QStringLiteral("0"));
            if (const auto date = ShortDate::parse(h.text(QStringLiteral("Datum"))))
                h.setValue(QStringLiteral("Jahr"), QString::number(date->year()));
        }
        h.next();
    }
    h.edit();
    h.post();
    tx.commit();
    h.setFiltered(false);
}

void ensureIndexes(DataTables &t)
{
    for (const QString &index : Schema::createIndexSql())
        t.db.exec(index);
}

int colourOrWhite(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0xFFFFFF;
}

} // namespace vindel::StartupData
