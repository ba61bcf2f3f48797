#pragma once

// A plant with photos, and the clicks a person makes on its photo slots, for the end-to-end tests
// of the photo commands, the viewer and the album.

#include "PhotoTestData.h"
#include "catalogue/HauptansichtPage.h"
#include "photos/PhotoCommands.h"
#include "photos/PhotoView.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace phototest {

using namespace vindel;
using namespace vindel::test;

inline QString photoFolder(AppFixture &app) { return app.programDir() + QStringLiteral("Fotos/"); }
// Where the user keeps the pictures they load.
inline QString sourceFolder(AppFixture &app) { return app.programDir() + QStringLiteral("Kamera/"); }

inline QByteArray solidJpeg(QColor colour, QSize size = {320, 240})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encode(image, "JPEG");
}

inline QString sourceFile(AppFixture &app, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(sourceFolder(app));
    writeFile(sourceFolder(app) + name, bytes);
    return sourceFolder(app) + name;
}

// The plant ID 3, Nr 15, "Iris" (the only plant), with its photo folder.
inline void addIris(AppFixture &app, const QStringList &photos = {})
{
    QDir().mkpath(photoFolder(app));
    QStringList columns{QStringLiteral("ID"), QStringLiteral("Nr"), QStringLiteral("Namen")};
    QVariantList values{3, 15, QStringLiteral("Iris")};
    for (int i = 0; i < photos.size(); ++i) {
        columns << QStringLiteral("Bild%1").arg(i + 1);
        values << photos[i];
    }
    app.exec("INSERT INTO Pflanzen (" + columns.join(',') + ") VALUES (" + QStringList(columns.size(), "?").join(',') + ")",
             values);
    app.exec("UPDATE Stammdaten SET Fotopfad = ?", {sourceFolder(app)});
}

inline PlantPhotoCommands &commands(AppFixture &app) { return app.context().service<PlantPhotoCommands>(); }

// A click on the slot's picture and the choice of a command, as the menu does it: it closes,
// then the command runs.
inline void choose(AppFixture &app, int slot, QAction *PlantPhotoCommands::*item)
{
    PlantPhotoCommands &c = commands(app);
    c.PopupMenu1Popup(slot, QPoint(10, 10));
    c.PopupMenu1->hide();
    QAction *action = c.*item;
    if (action->isEnabled())
        action->trigger();
}

} // namespace phototest
