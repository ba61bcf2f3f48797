#include "catalogue/PlantOperations.h"

#include "app/AppContext.h"
#include "catalogue/PlantCursor.h"
#include "photos/PhotoStore.h"

#include <QFileInfo>
#include <QImage>

namespace vindel {

namespace {

const QString kId = QStringLiteral("ID");
const QString kNr = QStringLiteral("Nr");

QStringList photoColumns()
{
    QStringList columns;
    for (int slot = 1; slot <= 7; ++slot)
        columns << QStringLiteral("Bild%1").arg(slot);
    return columns;
}

bool isJpegName(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

} // namespace

int PlantOperations::nextPlantNumber()
{
    Table &plants = m_ctx.tables.Tab_Pflanzen_test;
    AllPlantsScope all(plants);
    plants.setIndexFieldNames(kNr);
    if (plants.isEmpty())
        return 1;
    plants.last();
    return int(plants.integer(kNr)) + 1;
}

bool PlantOperations::otherPlantHasNumber(int nr, qint64 plantId)
{
    return !m_ctx.tables.db
                .select(QStringLiteral("SELECT 1 FROM Pflanzen WHERE Nr = ? AND ID <> ? LIMIT 1"), {nr, plantId})
                .empty();
}

PlantOperations::Deleted PlantOperations::deleteCurrentPlant()
{
    DataTables &t = m_ctx.tables;
    SharedState &s = m_ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    Table &diary = t.Tab_Historie;
    Deleted result;
    plants.open();
    if (plants.isEmpty())
        return result;
    ScrollGuard guard(plants, ScrollGuard::OnExit::Restore);

    const qint64 id = plants.integer(kId);
    const int nr = int(plants.integer(kNr));
    QStringList names;
    for (const QString &column : photoColumns()) {
        const QString name = plants.text(column);
        if (!name.isEmpty())
            names << name;
    }

    {
        Transaction transaction(t.db);
        diary.open();
        diary.setFiltered(false);
        s.FilterValue = QString::number(nr);
        s.FilterText = QStringLiteral("(PflanzenID = ") + filterQuoted(s.FilterValue) + QStringLiteral(")");
        diary.setFilter(s.FilterText);
        diary.setFiltered(true);
        if (!otherPlantHasNumber(nr, id)) {
            diary.first();
            while (!diary.isEmpty()) {
                const QString name = diary.text(QStringLiteral("Bild"));
                if (!name.isEmpty())
                    names << name;
                diary.remove();
                ++result.diaryEntries;
            }
        }
        plants.remove();
        stampLastChange(m_ctx);
        transaction.commit();
    }
    result.deleted = true;

    // Files go only once the rows are gone for good, and only files nothing else names.
    const PhotoStore store(s.PhotoDir);
    names.removeDuplicates();
    for (const QString &name : names) {
        if (!store.contains(name))
            continue;
        if (PhotoStore::stillNamed(t.db, name)) {
            result.keptFiles << name;
            continue;
        }
        if (store.remove(name))
            result.removedFiles << name;
    }

    diary.close();
    diary.open();
    diary.refresh();
    plants.close();
    plants.open();
    plants.refresh();
    return result;
}

PlantOperations::Duplicated PlantOperations::duplicateCurrentPlant()
{
    DataTables &t = m_ctx.tables;
    SharedState &s = m_ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    Duplicated result;
    plants.open();
    if (plants.isEmpty())
        return result;
    ScrollGuard guard(plants, ScrollGuard::OnExit::Restore);

    static const char *const kCopied[] = {"Namen",   "Bezeichnung", "Herkunft",     "Töpfe",  "Kaufpreis", "Bestand",
                                          "Vorkommen", "Sommer",    "Winter",       "Kategorie", "Aussaat", "Blüte",
                                          "Familie", "Mundart",     "Düngung",      "Boden",  "Beschreibung",
                                          "Pflege",  "Vermehrung",  "Art",          "Variante", "Feldnummer"};
    std::vector<std::pair<QString, QString>> values;
    for (const char *column : kCopied) {
        const QString name = QString::fromUtf8(column);
        values.emplace_back(name, plants.text(name));
    }
    const QString plantName = plants.text(QStringLiteral("Namen"));
    const QString sourcePhoto = plants.text(QStringLiteral("Bild7"));
    const bool wasFiltered = plants.filtered();

    s.NextPlantNr = nextPlantNumber();
    const PhotoStore store(s.PhotoDir);
    QString written; // a file this operation wrote, removed again when the rows are not stored
    try {
        Transaction transaction(t.db);
        plants.setFiltered(false);
        plants.append();
        plants.setValue(kNr, s.NextPlantNr);
        for (const auto &[column, value] : values)
            plants.setValue(column, value);
        plants.post();
        result.id = plants.integer(kId);
        result.nr = s.NextPlantNr;

        if (!sourcePhoto.isEmpty()) {
            QString name = PhotoNaming::literaturePhoto(result.nr, plantName, sourcePhoto);
            if (store.contains(sourcePhoto)) {
                const QString sourcePath = *store.resolve(sourcePhoto);
                QString error;
                bool ok;
                if (isJpegName(sourcePhoto)) {
                    ok = store.copyJpeg(sourcePath, name, &error);
                } else {
                    const QImage picture(sourcePath);
                    ok = !picture.isNull() && store.writeBitmap(picture, name, &error);
                    if (picture.isNull())
                        error = QStringLiteral("Die Datei ist kein lesbares Bild.");
                }
                if (ok) {
                    result.photoCopied = true;
                    written = name;
                } else {
                    result.photoError = error;
                    name.clear();
                }
            }
            // A literature photo whose file is missing keeps its name, as the original did.
            if (!name.isEmpty()) {
                plants.edit();
                plants.setValue(QStringLiteral("Bild7"), name);
                plants.post();
                result.literaturePhoto = name;
            }
        }
        stampLastChange(m_ctx);
        transaction.commit();
    } catch (...) {
        if (!written.isEmpty())
            store.remove(written);
        try {
            plants.setFiltered(wasFiltered);
        } catch (...) {
        }
        throw;
    }
    result.created = true;

    plants.close();
    plants.open();
    plants.refresh();
    plants.setFiltered(wasFiltered);
    plants.setIndexFieldNames(QStringLiteral("Namen"));
    plants.locate(kId, result.id);
    return result;
}

int PlantOperations::carryNumber(int oldNr, int newNr, qint64 plantId)
{
    if (oldNr == newNr || otherPlantHasNumber(oldNr, plantId))
        return 0;
    Database &db = m_ctx.tables.db;
    db.exec(QStringLiteral("UPDATE Historie SET PflanzenID = ? WHERE PflanzenID = ?"),
            {QString::number(newNr), QString::number(oldNr)});
    int changed = db.changes();
    db.exec(QStringLiteral("UPDATE Listeninhalt SET PflanzenID = ? WHERE PflanzenID = ?"), {newNr, oldNr});
    changed += db.changes();
    return changed;
}

void PlantOperations::refreshReferences()
{
    for (Table *table : {&m_ctx.tables.Tab_Historie, &m_ctx.tables.Tab_Listeninhalt})
        if (table->active())
            table->refresh();
}

} // namespace vindel
