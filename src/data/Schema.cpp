#include "data/Schema.h"

#include <QRegularExpression>

namespace vindel {

const ColumnDef *TableDef::column(const QString &columnName) const
{
    for (const ColumnDef &c : columns)
        if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

namespace {

ColumnDef autoNumber(const char *n) { return {QString::fromUtf8(n), ColumnKind::AutoNumber, 0}; }
ColumnDef integer(const char *n) { return {QString::fromUtf8(n), ColumnKind::Integer, 0}; }
ColumnDef text(const char *n, int width) { return {QString::fromUtf8(n), ColumnKind::Text, width}; }
ColumnDef memo(const char *n) { return {QString::fromUtf8(n), ColumnKind::Memo, 0}; }
ColumnDef dateTime(const char *n) { return {QString::fromUtf8(n), ColumnKind::DateTime, 0}; }

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;
    t.push_back({"Kategorien", {autoNumber("ID"), text("Namen", 50)}});
    t.push_back({"Gattung", {autoNumber("ID"), text("Familie", 50), text("Kategorie", 50)}});

    TableDef plants{"Pflanzen",
                    {autoNumber("ID"), integer("Nr"), text("Namen", 255), text("Kategorie", 50),
                     text("Familie", 50), text("Art", 50), text("Variante", 50), text("Bezeichnung", 255),
                     text("Mundart", 50), memo("Beschreibung"), text("Töpfe", 20), text("Kaufpreis", 50),
                     text("Herkunft", 50), text("Aussaat", 50), text("Blüte", 50)}};
    for (int i = 1; i <= 7; ++i)
        plants.columns.push_back({QStringLiteral("Bild%1").arg(i), ColumnKind::Text, 100});
    for (ColumnDef c : {memo("Pflege"), memo("Vermehrung"), text("Sommer", 50), text("Winter", 50),
                        text("Bestand", 50), text("Nummeriert", 20), text("Beschriftet", 20),
                        text("FotoListe", 255), text("Tagebuch", 50), text("Feldnummer", 255), memo("Düngung"),
                        memo("Boden"), text("Etikett", 255), text("Vorkommen", 255), text("Webseite1", 255),
                        text("Webseite2", 255), text("Webseite3", 255)})
        plants.columns.push_back(c);
    t.push_back(plants);

    t.push_back({"Historie",
                 {autoNumber("ID"), text("PflanzenID", 50), text("Datum", 50), dateTime("SortDatum"),
                  memo("Inhalt1"), text("Aktion", 50), text("Aktionkenner", 255), text("Jahr", 50),
                  text("Bild", 255), text("Bildda", 50)}});
    t.push_back({"Aktionen", {text("Kenner", 255), text("Bezeichnung", 50), text("Bemerkung", 255), text("Farbe", 255)}});
    t.push_back({"ComboboxListe", {text("Herkunft", 50), text("Sommer", 50), text("Winter", 50)}});
    t.push_back({"Kontakte",
                 {autoNumber("ID"), text("Anrede", 50), text("Vorname", 50), text("Nachname", 50),
                  text("Firma", 255), text("Straße", 255), text("PLZ", 50), text("Ort", 50), text("Telefon", 50),
                  text("Mobil", 50), text("Fax", 50), text("Email", 255), text("WEB", 255), text("Branche", 50),
                  text("Erstellt", 50), text("Bemerkungen", 255)}});
    t.push_back({"Stammdaten",
                 {text("Vorname", 50), text("Nachname", 50), text("Straße", 255), text("PLZ", 50), text("Ort", 50),
                  text("Telefon", 50), text("EMail", 255), text("DruckName", 50), text("Speicherpfad", 255),
                  text("Fotopfad", 255), text("Formfarbe", 255), text("Tabsheetfarbe", 255),
                  text("Groupboxfarbe", 255), text("Datensicherung", 255), text("Fotossichern", 255),
                  integer("DatensicherungTage"), text("Sicherungspfad", 255), text("Letztesicherung", 255),
                  text("Fotobearbeitung", 255), dateTime("Letzte")}});
    t.push_back({"Liste", {text("Nr", 50), text("Liste", 255), text("Erstellt", 50)}});
    t.push_back({"Listeninhalt",
                 {text("ListenNr", 50), text("Liste", 255), integer("PflanzenID"), text("Pflanze", 255),
                  text("Erstellt", 50)}});

    TableDef labels{"Etiketten", {text("EName", 50), integer("Breite")}};
    for (int i = 1; i <= 8; ++i)
        labels.columns.push_back({QStringLiteral("Combobox%1").arg(i), ColumnKind::Text, 50});
    labels.columns.push_back(text("Zeile1Name", 50));
    labels.columns.push_back(text("Zeile2Name", 50));
    for (const char *prop : {"Size", "Heigth", "Charset", "Color"})
        for (int line = 1; line <= 2; ++line)
            labels.columns.push_back(
                {QStringLiteral("Zeile%1%2").arg(line).arg(QLatin1String(prop)), ColumnKind::Integer, 0});
    for (int line = 1; line <= 2; ++line)
        for (const char *style : {"Fett", "Kursiv", "FettKursiv"})
            labels.columns.push_back(
                {QStringLiteral("Zeile%1Style%2").arg(line).arg(QLatin1String(style)), ColumnKind::YesNo, 0});
    labels.columns.push_back({QStringLiteral("QRCode"), ColumnKind::YesNo, 0});
    t.push_back(labels);

    t.push_back({"ListeallerFotos",
                 {autoNumber("ID"), text("Fotoname", 255), text("Fotodatum", 255), integer("Nr")}});
    return t;
}

} // namespace

namespace Schema {

const std::vector<TableDef> &tables()
{
    static const std::vector<TableDef> all = buildTables();
    return all;
}

const TableDef *table(const QString &name)
{
    for (const TableDef &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList requiredTableNames()
{
    QStringList names;
    for (const TableDef &t : tables())
        if (t.name != QLatin1String("ListeallerFotos"))
            names << t.name;
    return names;
}

const TableDef &plantTable() { return *table(QStringLiteral("Pflanzen")); }

QString declaredType(const ColumnDef &column)
{
    switch (column.kind) {
    case ColumnKind::AutoNumber:
        return QStringLiteral("INTEGER");
    case ColumnKind::Integer:
        return QStringLiteral("INTEGER");
    case ColumnKind::Text:
        return QStringLiteral("TEXT(%1)").arg(column.width > 0 ? column.width : 255);
    case ColumnKind::Memo:
        return QStringLiteral("LONGTEXT"); // TEXT affinity, told apart from TEXT(n) by its name
    case ColumnKind::DateTime:
        return QStringLiteral("DATETIME");
    case ColumnKind::YesNo:
        return QStringLiteral("BOOLEAN");
    }
    return QStringLiteral("TEXT(255)");
}

ColumnDef columnFromDeclaration(const QString &name, const QString &declared, bool primaryKey)
{
    const QString t = declared.trimmed().toUpper();
    ColumnDef c{name, ColumnKind::Text, 255};
    static const QRegularExpression width(QStringLiteral("\\((\\d+)\\)"));
    if (t == QLatin1String("INTEGER") && primaryKey) {
        c = {name, ColumnKind::AutoNumber, 0};
    } else if (t.startsWith(QLatin1String("INT")) || t == QLatin1String("LONG")) {
        c = {name, ColumnKind::Integer, 0};
    } else if (t == QLatin1String("LONGTEXT") || t == QLatin1String("MEMO")) {
        c = {name, ColumnKind::Memo, 0};
    } else if (t.startsWith(QLatin1String("DATE"))) {
        c = {name, ColumnKind::DateTime, 0};
    } else if (t == QLatin1String("BOOLEAN") || t == QLatin1String("YESNO") || t == QLatin1String("BIT")) {
        c = {name, ColumnKind::YesNo, 0};
    } else {
        const auto m = width.match(t);
        c.width = m.hasMatch() ? m.captured(1).toInt() : 255;
    }
    return c;
}

QStringList createIndexSql()
{
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS Historie_PflanzenID ON Historie (PflanzenID)")};
}

QString quoteIdentifier(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString createTableSql(const TableDef &table)
{
    QStringList cols;
    for (const ColumnDef &c : table.columns) {
        QString def = quoteIdentifier(c.name) + QLatin1Char(' ') + declaredType(c);
        if (c.kind == ColumnKind::AutoNumber)
            def += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
        cols << def;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoteIdentifier(table.name), cols.join(QLatin1String(", ")));
}

} // namespace Schema
} // namespace vindel
