#pragma once

// A small garden for the editing tests: two categories, three genera, three plants with diary
// and list entries, photo files in the photo folder.

#include "catalogue/HauptansichtPage.h"
#include "support/AppFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace editingtest {

using namespace vindel;
using namespace vindel::test;

struct Garden {
    AppFixture app;
    QString photos;

    Garden()
    {
        photos = app.programDir() + QStringLiteral("Fotos/");
        QDir().mkpath(photos);
        app.exec("INSERT INTO Kategorien (Namen) VALUES ('Stauden')");
        app.exec("INSERT INTO Kategorien (Namen) VALUES ('Sträucher')");
        app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Rosa', 'Sträucher')");
        app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Iris', 'Stauden')");
        app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Phlox', 'Stauden')");
        app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Kategorie, Familie, Art, Variante, Herkunft, Sommer, Winter, "
                 "Vorkommen, Bezeichnung, Nummeriert, Beschriftet, FotoListe, Bild1, Bild7, Beschreibung) VALUES "
                 "(1, 7, 'Rosa canina', 'Sträucher', 'Rosa', 'canina', '', 'Markt', 'Beet', 'Keller', 'Wald', "
                 "'am Zaun', 'Nein', 'Ja', 'Bild1', '1 Nr 7 Bild1 Rosa canina.JPG', '7 Bild7 Rosa canina.JPG', 'Wildrose')");
        app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Kategorie, Familie, Art, Bild2) VALUES "
                 "(2, 8, 'Iris sibirica', 'Stauden', 'Iris', 'sibirica', '2 Nr 8 Bild2 Iris sibirica.JPG')");
        app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Kategorie, Familie, Art) VALUES "
                 "(3, 3, 'Phlox paniculata', 'Stauden', 'Phlox', 'paniculata')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion, Bild) VALUES ('7', '01.05.2024', 'Beobachtung', "
                 "'21 Nr 7 Historie Rosa canina.JPG')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion, Bild) VALUES ('7', '02.05.2024', 'Beobachtung', '')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion, Bild) VALUES ('8', '03.05.2024', 'Beobachtung', "
                 "'23 Nr 8 Historie Iris sibirica.JPG')");
        app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', 7, 'Rosa canina')");
        app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', 8, 'Iris sibirica')");
        for (const char *name : {"1 Nr 7 Bild1 Rosa canina.JPG", "7 Bild7 Rosa canina.JPG", "2 Nr 8 Bild2 Iris sibirica.JPG",
                                 "21 Nr 7 Historie Rosa canina.JPG", "23 Nr 8 Historie Iris sibirica.JPG"})
            writeFile(photos + QString::fromUtf8(name), jpegBytes(Qt::red));
    }

    bool start() { return app.start(); }

    HauptansichtPage *page() { return app.mainWindow()->hauptansicht(); }
    template <class T = QWidget> T *find(const char *name) { return app.mainWindow()->findChild<T *>(QLatin1String(name)); }
    QLineEdit *edit(const char *name) { return find<QLineEdit>(name); }

    // Makes the plant current the way the catalogue does, so that it is shown.
    bool show(int id)
    {
        Table &plants = app.tables().Tab_Pflanzen_test;
        if (plants.tag != 0)
            return false;
        if (!plants.locate("ID", id))
            return false;
        app.mainWindow()->hauptansicht()->Pflanzezeigen();
        return edit("Edit15")->text() == plants.text("Namen");
    }

    int rows(const QString &sql, const QVariantList &params = {})
    {
        return app.select(sql, params).front().front().toInt();
    }
    QString value(const QString &sql, const QVariantList &params = {})
    {
        return app.select(sql, params).front().front().toString();
    }
};

} // namespace editingtest
