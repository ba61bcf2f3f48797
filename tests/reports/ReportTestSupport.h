#pragma once

// Plants, settings and lists for the report tests, and what a preview showed.

#include "catalogue/HauptansichtPage.h"
#include "data/ShortDate.h"
#include "photos/Placeholders.h"
#include "support/AppFixture.h"
#include "support/PdfFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QVariantMap>

namespace reporttest {

using namespace vindel;
using namespace vindel::test;

inline QString photoFolder(AppFixture &app) { return app.programDir() + QStringLiteral("Fotos/"); }

// A plant with the columns given (Nr and Namen at least).
inline void addPlant(AppFixture &app, int id, const QVariantMap &columns)
{
    QDir().mkpath(photoFolder(app));
    QStringList names{QStringLiteral("ID")};
    QVariantList values{id};
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names << it.key();
        values << it.value();
    }
    app.exec("INSERT INTO Pflanzen (" + names.join(',') + ") VALUES (" + QStringList(names.size(), "?").join(',') + ")",
             values);
}

inline void addEntry(AppFixture &app, int plantNr, const QString &date, const QString &action, const QString &number,
                     const QString &text, const QString &photo = QString())
{
    const std::optional<QDate> d = ShortDate::parse(date, QDate(2024, 6, 1));
    app.exec("INSERT INTO Historie (PflanzenID, Datum, SortDatum, Inhalt1, Aktion, Aktionkenner, Jahr, Bild) "
             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
             {QString::number(plantNr), date, d ? QVariant(ShortDate::toStorage(ShortDate::wallClock(*d))) : QVariant(),
              text, action, number, d ? QString::number(d->year()) : QString(), photo});
}

inline void setOwner(AppFixture &app, const QString &printName)
{
    app.exec("UPDATE Stammdaten SET Nachname = 'Gärtner', Vorname = 'Grete', Straße = 'Rosenweg 3', PLZ = '79100', "
             "Ort = 'Freiburg', DruckName = ?",
             {printName});
}

inline HauptansichtPage *mainPage(AppFixture &app) { return app.find<HauptansichtPage>("TabSheet1"); }

// What the catalogue shows: the plant list's filter and order, the current plant, the count.
inline QString catalogueState(AppFixture &app)
{
    const Table &plants = app.tables().Tab_Pflanzen_test;
    return QStringList{plants.filtered() ? plants.filter() : QStringLiteral("(kein Filter)"), plants.sort(),
                       plants.text("Namen"), QString::number(plants.recordCount()),
                       app.find<QLabel>("Label16")->text(), QString::number(plants.tag)}
        .join(QStringLiteral(" | "));
}

// The last preview's document.
inline const report::Document &lastPreview(AppFixture &app) { return app.prompter().previews().back(); }

inline bool isPlaceholder(const report::Placed *picture, Placeholder which)
{
    return picture && picture->picture.path.isEmpty() && picture->picture.fallback == placeholderImage(which);
}

} // namespace reporttest
