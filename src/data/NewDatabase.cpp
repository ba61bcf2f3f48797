#include "data/NewDatabase.h"

#include "data/Database.h"

#include <QFileInfo>

namespace vindel {

namespace {

// Suggestions for origin, summer and winter location; a row may leave a column empty.
struct Suggestion {
    const char *herkunft;
    const char *sommer;
    const char *winter;
};

const Suggestion kSuggestions[] = {
    {"Gärtnerei", "Garten", "Keller"},
    {"Baumarkt", "Balkon", "Wintergarten"},
    {"Gartencenter", "Terrasse", "Gewächshaus"},
    {"Versand", "Gewächshaus", "Treppenhaus"},
    {"Pflanzenbörse", "Halbschatten", "Garage, frostfrei"},
    {"Tausch", "Sonne", "Wohnzimmer"},
    {"Geschenk", "Schatten", "Schlafzimmer, kühl"},
    {"Eigene Aussaat", "Fensterbank", "im Freien mit Schutz"},
    {"Eigener Steckling", "Hauswand", "Kalthaus"},
    {"Botanischer Garten", "Teich", "Fensterbank"},
};

} // namespace

void createDatabase(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Die Datei »%1« gibt es schon; sie wird nicht überschrieben.").arg(path));
    Database db;
    db.openOrCreate(path);
    Transaction tx(db);
    for (const TableDef &t : Schema::tables())
        db.exec(Schema::createTableSql(t));
    for (const QString &index : Schema::createIndexSql())
        db.exec(index);

    db.exec(QStringLiteral("INSERT INTO Kategorien (Namen) VALUES (' Alle')"));
    db.exec(QStringLiteral("INSERT INTO Gattung (Familie, Kategorie) VALUES (' Alle', ' Alle')"));
    db.exec(QStringLiteral("INSERT INTO Stammdaten (DruckName, Formfarbe, Tabsheetfarbe, Groupboxfarbe, "
                           "Datensicherung, Fotossichern, DatensicherungTage) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("Nein"), QStringLiteral("10484695"), QStringLiteral("6879679"),
             QStringLiteral("11468799"), QStringLiteral("j"), QStringLiteral("n"), 21});
    for (const Suggestion &s : kSuggestions)
        db.exec(QStringLiteral("INSERT INTO ComboboxListe (Herkunft, Sommer, Winter) VALUES (?, ?, ?)"),
                {QString::fromUtf8(s.herkunft), QString::fromUtf8(s.sommer), QString::fromUtf8(s.winter)});
    db.exec(QStringLiteral("INSERT INTO Aktionen (Kenner, Bezeichnung, Bemerkung, Farbe) VALUES (?, ?, ?, ?)"),
            {QStringLiteral("0"), QStringLiteral("Beobachtung"), QStringLiteral("Meine Beobachtung"),
             QStringLiteral("255")});
    tx.commit();
    db.close();
}

} // namespace vindel
