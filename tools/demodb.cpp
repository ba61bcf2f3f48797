// Writes a small demonstration catalogue into a folder: Pflanzen.mdb with categories, genera,
// plants, diary entries and actions, and drawn photos in Fotos/.
//   vindel-demodb <folder>
#include "data/DataTables.h"
#include "data/DatabaseError.h"
#include "data/NewDatabase.h"
#include "photos/PhotoStore.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>

using namespace vindel;

namespace {

struct DemoPlant {
    const char *kategorie, *gattung, *art, *variante, *mundart, *herkunft, *sommer, *winter;
};

const DemoPlant kPlants[] = {
    {"Kakteen", "Echinopsis", "eyriesii", "", "Seeigelkaktus", "Gärtnerei", "Balkon", "Keller, hell"},
    {"Kakteen", "Mammillaria", "elongata", "", "Goldstern", "Pflanzenbörse", "Fensterbank", "Fensterbank"},
    {"Kakteen", "Mammillaria", "spinosissima", "rot", "", "Tausch", "Balkon", "Wintergarten"},
    {"Kübelpflanzen", "Agave", "americana", "", "Hundertjährige Aloe", "Baumarkt", "Terrasse", "Garage, frostfrei"},
    {"Kübelpflanzen", "Citrus", "limon", "Meyer", "Zitrone", "Versand", "Terrasse", "Wintergarten"},
    {"Stauden", "Helleborus", "niger", "", "Christrose", "Gärtnerei", "Halbschatten", "im Freien"},
    {"Stauden", "Paeonia", "lactiflora", "Sarah Bernhardt", "Pfingstrose", "Geschenk", "Garten", "im Freien"},
    {"Stauden", "Rosa", "canina", "", "Hundsrose", "Eigener Steckling", "Garten", "im Freien"},
    {"Sukkulenten", "Aloe", "vera", "", "Echte Aloe", "Geschenk", "Fensterbank", "Wohnzimmer"},
    {"Sukkulenten", "Echeveria", "elegans", "", "Mexikanischer Schneeball", "Pflanzenbörse", "Balkon", "Fensterbank"},
};

// A flower on a blurred bed, different for every plant and slot.
QImage drawnPhoto(int seed)
{
    QImage image(1200, 900, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(seed) * 7919u + 17u);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bed(0, 0, 0, 900);
    bed.setColorAt(0, QColor(70 + int(rng.bounded(60)), 120, 60));
    bed.setColorAt(1, QColor(40, 70 + int(rng.bounded(50)), 30));
    p.fillRect(image.rect(), bed);
    const QColor petal = QColor::fromHsv(int(rng.bounded(360)), 170, 230);
    const QPointF centre(300 + rng.bounded(600), 250 + rng.bounded(400));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        p.setBrush(petal);
        p.drawEllipse(QPointF(0, -110), 60, 110);
        p.restore();
    }
    p.setBrush(QColor(240, 200, 40));
    p.drawEllipse(centre, 55, 55);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws without a screen
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: vindel-demodb <Ordner>\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath() + QLatin1Char('/');
    const QString photoDir = folder + QStringLiteral("Fotos/");
    try {
        QDir().mkpath(photoDir);
        createDatabase(folder + QStringLiteral("Pflanzen.mdb"));
        DataTables t;
        t.db.open(folder + QStringLiteral("Pflanzen.mdb"));
        Transaction tx(t.db);

        Table &s = t.Tab_Stammdaten;
        s.open();
        s.edit();
        s.setValue(QStringLiteral("Speicherpfad"), photoDir);
        s.setValue(QStringLiteral("Vorname"), QStringLiteral("Erika"));
        s.setValue(QStringLiteral("Nachname"), QStringLiteral("Mustermann"));
        s.post();

        QStringList categories, genera;
        for (const DemoPlant &d : kPlants) {
            if (!categories.contains(QString::fromUtf8(d.kategorie)))
                categories << QString::fromUtf8(d.kategorie);
            if (!genera.contains(QString::fromUtf8(d.gattung)))
                genera << QString::fromUtf8(d.gattung);
        }
        for (const QString &k : categories)
            t.db.exec(QStringLiteral("INSERT INTO Kategorien (Namen) VALUES (?)"), {k});
        for (const DemoPlant &d : kPlants)
            if (t.db.select(QStringLiteral("SELECT 1 FROM Gattung WHERE Familie = ?"), {QString::fromUtf8(d.gattung)})
                    .empty())
                t.db.exec(QStringLiteral("INSERT INTO Gattung (Familie, Kategorie) VALUES (?, ?)"),
                          {QString::fromUtf8(d.gattung), QString::fromUtf8(d.kategorie)});

        t.db.exec(QStringLiteral("INSERT INTO Aktionen (Kenner, Bezeichnung, Bemerkung, Farbe) VALUES "
                                 "('1', 'Gießen', '', '16711680'), ('2', 'Düngen', '', '32768'), "
                                 "('3', 'Umtopfen', '', '33023')"));

        Table &p = t.Tab_Pflanzen_test;
        p.open();
        int nr = 0;
        for (const DemoPlant &d : kPlants) {
            ++nr;
            const QString name = QStringList{QString::fromUtf8(d.gattung), QString::fromUtf8(d.art),
                                             QString::fromUtf8(d.variante)}
                                     .join(QLatin1Char(' '))
                                     .trimmed();
            p.append();
            p.setValue(QStringLiteral("Nr"), nr);
            p.setValue(QStringLiteral("Namen"), name);
            p.setValue(QStringLiteral("Kategorie"), QString::fromUtf8(d.kategorie));
            p.setValue(QStringLiteral("Familie"), QString::fromUtf8(d.gattung));
            p.setValue(QStringLiteral("Art"), QString::fromUtf8(d.art));
            p.setValue(QStringLiteral("Variante"), QString::fromUtf8(d.variante));
            p.setValue(QStringLiteral("Mundart"), QString::fromUtf8(d.mundart));
            p.setValue(QStringLiteral("Herkunft"), QString::fromUtf8(d.herkunft));
            p.setValue(QStringLiteral("Sommer"), QString::fromUtf8(d.sommer));
            p.setValue(QStringLiteral("Winter"), QString::fromUtf8(d.winter));
            p.setValue(QStringLiteral("Bestand"), QStringLiteral("%1.04.20%2").arg(10 + nr).arg(10 + nr));
            p.setValue(QStringLiteral("Nummeriert"), nr % 2 ? QStringLiteral("Ja") : QStringLiteral("Nein"));
            p.setValue(QStringLiteral("Beschriftet"), QStringLiteral("Ja"));
            p.setValue(QStringLiteral("FotoListe"), QStringLiteral("Bild1"));
            p.setValue(QStringLiteral("Beschreibung"), QStringLiteral("Eine robuste Pflanze für %1.").arg(QString::fromUtf8(d.sommer)));
            p.post();
            const int id = int(p.integer(QStringLiteral("ID")));
            p.edit();
            for (int slot = 1; slot <= 3; ++slot) {
                const QString file = PhotoNaming::plantPhoto(id, nr, slot, name, PhotoFormat::Jpeg);
                if (!drawnPhoto(nr * 10 + slot).save(photoDir + file, "JPG", 85))
                    throw DatabaseError(QStringLiteral("Das Foto »%1« kann nicht geschrieben werden.").arg(file));
                p.setValue(QStringLiteral("Bild%1").arg(slot), file);
            }
            p.post();

            for (int e = 0; e < 3; ++e) {
                const QDate date(2024, 3 + e * 2, 1 + nr);
                t.db.exec(QStringLiteral("INSERT INTO Historie (PflanzenID, Datum, SortDatum, Inhalt1, Aktion, "
                                         "Aktionkenner, Jahr) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                          {QString::number(nr), date.toString(QStringLiteral("dd.MM.yyyy")),
                           date.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                           QStringLiteral("Pflanze kräftig, neue Triebe."),
                           e == 0 ? QStringLiteral("Beobachtung") : QStringLiteral("Gießen"),
                           e == 0 ? QStringLiteral("0") : QStringLiteral("1"), QStringLiteral("2024")});
            }
            p.edit();
            p.setValue(QStringLiteral("Tagebuch"), QStringLiteral("3"));
            p.post();
        }
        tx.commit();
    } catch (const DatabaseError &e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
    std::printf("Beispielkatalog angelegt in %s\n", folder.toUtf8().constData());
    return 0;
}
