#pragma once

// A small catalogue and the moves a person makes in the catalogue browser, for the catalogue's
// end-to-end tests.

#include "app/DataGrid.h"
#include "catalogue/HauptansichtPage.h"
#include "support/AppFixture.h"

#include <QComboBox>
#include <QTest>

namespace browsertest {

using namespace vindel;
using namespace vindel::test;

struct Plant {
    int nr;
    const char *name;
    const char *category;
    const char *genus;
    const char *numbered; // Nummeriert
    const char *labelled; // Beschriftet
};

// Categories Stauden, Kakteen, Zwiebeln (no genus); genera Aloe and Agave (Kakteen), Phlox
// (Stauden); Aloe also has a plant in Stauden, Rosmarin a blank genus, Rotklee none.
inline const std::vector<Plant> &plants()
{
    static const std::vector<Plant> all{
        {1, "Aloe vera", "Kakteen", "Aloe", "Ja", "Nein"},
        {2, "Agave americana", "Kakteen", "Agave", "Nein", "Nein"},
        {3, "Phlox paniculata", "Stauden", "Phlox", "Ja", "Ja"},
        {12, "Rosmarin", "Stauden", " ", "Nein", "Ja"},
        {5, "Rotklee", "Stauden", "", "Nein", "Nein"},
        {6, "Aloe arborescens", "Stauden", "Aloe", "Ja", "Nein"},
        {8, "Rainfarn", "Stauden", "Phlox", "Nein", "Nein"},
    };
    return all;
}

inline void addCatalogue(AppFixture &app)
{
    for (const char *name : {"Stauden", "Kakteen", "Zwiebeln"})
        app.exec("INSERT INTO Kategorien (Namen) VALUES (?)", {QString::fromUtf8(name)});
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Aloe', 'Kakteen')");
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Agave', 'Kakteen')");
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Phlox', 'Stauden')");
    for (const Plant &p : plants())
        app.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie, Nummeriert, Beschriftet) VALUES (?, ?, ?, ?, ?, ?)",
                 {p.nr, QString::fromUtf8(p.name), QString::fromUtf8(p.category), QString::fromUtf8(p.genus),
                  QString::fromUtf8(p.numbered), QString::fromUtf8(p.labelled)});
}

inline HauptansichtPage *mainView(AppFixture &app) { return app.mainWindow()->hauptansicht(); }

// The program on the small catalogue. Rows may be added before start(), which returns the main
// view, or nullptr when the program did not come up.
//
//     Catalogue app;
//     HauptansichtPage *view = app.start();
//     QVERIFY(view);
struct Catalogue : AppFixture {
    Catalogue() { addCatalogue(*this); }
    HauptansichtPage *start() { return AppFixture::start() ? mainView(*this) : nullptr; }
};

// The row of the grid whose first column shows the text (-1 when none does).
inline int rowOf(DataGrid *grid, const QString &text, int column = 0)
{
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, column).data().toString() == text)
            return r;
    return -1;
}

// Clicks a row of a grid as a person does: press, release, click.
inline bool clickRow(DataGrid *grid, const QString &text, int column = 0, Qt::MouseButton button = Qt::LeftButton)
{
    const int row = rowOf(grid, text, column);
    if (row < 0)
        return false;
    grid->scrollTo(grid->model()->index(row, column));
    const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
    QTest::mouseClick(grid->viewport(), button, {}, at);
    return true;
}

// Chooses an entry of a combo box with the arrow keys, as the keyboard does.
inline bool choose(QComboBox *box, const QString &text)
{
    const int wanted = box->findText(text);
    if (wanted < 0)
        return false;
    box->setFocus();
    while (box->currentIndex() != wanted)
        QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    return true;
}

// Names in the plant grid, top to bottom.
inline QStringList gridPlants(AppFixture &app)
{
    DataGrid *grid = mainView(app)->DBGrid1;
    QStringList names;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        names << grid->model()->index(r, 1).data().toString();
    return names;
}

} // namespace browsertest
