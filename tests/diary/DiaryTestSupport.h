#pragma once

// Plants with diaries, and the diary windows as a person reaches them, for the end-to-end tests
// of the diary page, the entry window, the action window and the year calendar.

#include "data/ShortDate.h"
#include "diary/DiaryGrid.h"
#include "diary/TagebuchPage.h"
#include "support/AppFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTest>
#include <QVariantList>

namespace diarytest {

using namespace vindel;
using namespace vindel::test;

inline QString photoFolder(AppFixture &app) { return app.programDir() + QStringLiteral("Fotos/"); }
// Where the user keeps the pictures they load.
inline QString cameraFolder(AppFixture &app) { return app.programDir() + QStringLiteral("Kamera/"); }

inline void addPlant(AppFixture &app, int id, int nr, const QString &name, const QString &genus = QString())
{
    QDir().mkpath(photoFolder(app));
    app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Familie) VALUES (?, ?, ?, ?)", {id, nr, name, genus});
}

struct Entry {
    QString date;
    QString action = QStringLiteral("Beobachtung");
    QString number = QStringLiteral("0");
    QString text;
    QString photo;   // Bild
    QString year;    // Jahr; the date's year when empty
};

// A diary row as the entry window writes it: SortDatum only for a date that reads as one.
inline qint64 addEntry(AppFixture &app, int plantNr, const Entry &e)
{
    const std::optional<QDate> date = ShortDate::parse(e.date, QDate(2024, 6, 1));
    const QVariant sort = date ? QVariant(ShortDate::toStorage(ShortDate::wallClock(*date))) : QVariant();
    const QString year = !e.year.isEmpty() ? e.year : date ? QString::number(date->year()) : QString();
    app.exec("INSERT INTO Historie (PflanzenID, Datum, SortDatum, Inhalt1, Aktion, Aktionkenner, Jahr, Bild) "
             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
             {QString::number(plantNr), e.date, sort, e.text, e.action, e.number, year, e.photo});
    return app.select("SELECT max(ID) FROM Historie")[0][0].toLongLong();
}

inline void addAction(AppFixture &app, const QString &number, const QString &name, const QString &remark = QString(),
                      const QString &colour = QString())
{
    app.exec("INSERT INTO Aktionen (Kenner, Bezeichnung, Bemerkung, Farbe) VALUES (?, ?, ?, ?)",
             {number, name, remark, colour});
}

inline TagebuchPage *diaryPage(AppFixture &app) { return app.find<TagebuchPage>(QStringLiteral("TabSheet3")); }

// The diary page of the current plant, as a click on its tab shows it.
inline TagebuchPage *openDiary(AppFixture &app)
{
    app.mainWindow()->activatePage(QStringLiteral("TabSheet3"));
    return diaryPage(app);
}

// The grid's cells of one column, entry rows only.
inline QStringList column(TagebuchPage *page, int column)
{
    QStringList cells;
    for (int row = 1; row < page->StringGrid1->gridRowCount(); ++row)
        cells << page->StringGrid1->cellText(row, column);
    return cells;
}

// A click on a cell of the diary grid (row 1 is the first entry).
inline void clickCell(TagebuchPage *page, int gridRow, int column)
{
    DiaryGrid *grid = page->StringGrid1;
    const QModelIndex index = grid->model()->index(gridRow - 1, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

inline int count(AppFixture &app, const QString &sql, const QVariantList &params = {})
{
    return app.select(sql, params)[0][0].toInt();
}

} // namespace diarytest
