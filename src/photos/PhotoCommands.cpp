#include "photos/PhotoCommands.h"

#include "app/AppContext.h"
#include "app/AppWindow.h"
#include "photos/JpegDecoder.h"
#include "photos/PhotoLoader.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoSlots.h"
#include "photos/TFotozeigen.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrinter>

namespace vindel {

namespace {

const QString kFilter = QStringLiteral("Alle  (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp|JPEG-Grafikdatei (*.jpeg)|*.jpeg|"
                                       "Bitmaps (*.bmp)|*.bmp|JPEG-Grafikdatei (*.jpg)|*.jpg");

QByteArray readAll(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = f.errorString();
        return {};
    }
    return f.readAll();
}

} // namespace

PlantPhotoCommands::PlantPhotoCommands(AppContext &context) : ctx(context)
{
    PopupMenu1 = new QMenu;
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char *name, const QString &text, void (PlantPhotoCommands::*command)()) {
        QAction *a = PopupMenu1->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, command] { ctx.run([this, command] { (this->*command)(); }); });
        return a;
    };
    Fotoanzeigen1 = item("Fotoanzeigen1", QStringLiteral("Foto anzeigen"), &PlantPhotoCommands::Fotoanzeigen1Click);
    Fotoladen1 = item("Fotoladen1", QStringLiteral("Foto laden/ändern"), &PlantPhotoCommands::Fotoladen1Click);
    Drucken1 = item("Drucken1", QStringLiteral("Drucken"), &PlantPhotoCommands::Drucken1Click);
    Fotolschen1 = item("Fotolschen1", QStringLiteral("Foto löschen"), &PlantPhotoCommands::Fotolschen1Click);
    Abbrechen1 = item("Abbrechen1", QStringLiteral("Abbrechen"), &PlantPhotoCommands::Abbrechen1Click);
    // The chosen command acts on the slot the menu was opened for; closing it without a choice
    // leaves that slot named too, as the menu's closing always does.
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] { ctx.state.PhotoCode = m_slot; });
}

PlantPhotoCommands::~PlantPhotoCommands() { delete PopupMenu1; }

QString PlantPhotoCommands::column() const { return QLatin1String(photoSlot(m_slot).column); }

void PlantPhotoCommands::PopupMenu1Popup(int slot, QPoint globalPos)
{
    SharedState &s = ctx.state;
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    m_slot = slot;
    const QString name = plants.text(column());
    s.CurrentPhotoPath = s.PhotoDir + name;
    const bool there = !name.isEmpty() && PhotoStore(s.PhotoDir).contains(name);
    if (!there)
        photoServices(ctx).currentPlant().showPlaceholder(slot);
    for (QAction *a : {Fotoanzeigen1, Fotolschen1, Drucken1})
        a->setEnabled(there);
    s.PhotoCode = 0;
    PopupMenu1->popup(globalPos);
}

void PlantPhotoCommands::Abbrechen1Click() { ctx.state.PhotoCode = 0; }

// The default folder is made when it is missing; when that needs its parents made too, the user
// hears of it.
void PlantPhotoCommands::ensureDefaultFolder()
{
    const QString folder = ctx.state.ProgramDir + QStringLiteral("Fotos");
    if (QFileInfo::exists(folder) || QDir().mkdir(folder))
        return;
    if (QDir().mkpath(folder))
        ctx.prompter.information(QStringLiteral("Verzeichnis wurde erstellt !"));
}

std::optional<PlantPhotoCommands::Chosen> PlantPhotoCommands::chooseFile()
{
    ensureDefaultFolder();
    Table &settings = ctx.tables.Tab_Stammdaten;
    settings.open();
    const std::optional<QString> file = ctx.prompter.openFile(QStringLiteral("Öffnen der Fotos für Datensammlung"),
                                                             settings.text(QStringLiteral("Fotopfad")), kFilter);
    if (!file)
        return std::nullopt;
    const std::optional<PhotoFormat> format = PhotoNaming::formatOfChosenFile(*file);
    if (!format) {
        ctx.prompter.information(QStringLiteral("Das Bild hat nicht das richtige Format von \".BMP\" oder \".JPG\"!"));
        return std::nullopt;
    }
    return Chosen{*file, *format};
}

bool writeChosenPhoto(const PhotoStore &store, const ChosenPhoto &photo, const QString &name, QString *message)
{
    QString error;
    const bool written = store.ensureFolder(&error)
                         && (photo.format == PhotoFormat::Jpeg ? store.writeJpegData(photo.jpeg, name, &error)
                                                               : store.writeBitmap(photo.picture, name, &error));
    if (!written && message)
        *message = QStringLiteral("Das Foto kann nicht im Fotoordner „%1“ gespeichert werden.\n\n%2")
                       .arg(QDir::toNativeSeparators(store.folder()), error);
    return written;
}

std::optional<ChosenPhoto> PlantPhotoCommands::readChosen(const Chosen &chosen)
{
    ChosenPhoto photo;
    photo.format = chosen.format;
    QString error;
    const QByteArray bytes = readAll(chosen.path, &error);
    const PhotoLoadResult loaded = bytes.isEmpty() ? PhotoLoadResult{} : loadPhotoData(bytes);
    if (!loaded.ok()) {
        ctx.prompter.error(QStringLiteral("Das Bild „%1“ kann nicht gelesen werden.%2")
                               .arg(QDir::toNativeSeparators(chosen.path),
                                    error.isEmpty() && loaded.error.isEmpty()
                                        ? QString()
                                        : QStringLiteral("\n\n") + (error.isEmpty() ? loaded.error : error)));
        return std::nullopt;
    }
    if (chosen.format == PhotoFormat::Jpeg && !isJpegData(bytes)) {
        ctx.prompter.error(QStringLiteral("Die Datei „%1“ ist kein JPEG-Bild.").arg(QDir::toNativeSeparators(chosen.path)));
        return std::nullopt;
    }
    photo.picture = loaded.image;
    if (chosen.format == PhotoFormat::Jpeg)
        photo.jpeg = bytes;
    return photo;
}

void PlantPhotoCommands::Fotoladen1Click()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    const int slot = m_slot;
    s.PhotoCode = 0;
    t.Tab_Stammdaten.open();
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    if (plants.isEmpty())
        return;
    const std::optional<Chosen> chosen = chooseFile();
    if (!chosen)
        return;
    const std::optional<ChosenPhoto> photo = readChosen(*chosen);
    if (!photo)
        return;

    // The file is written first; the column names it only once it is there.
    const QString name = PhotoNaming::plantPhoto(int(plants.integer(QStringLiteral("ID"))),
                                                 int(plants.integer(QStringLiteral("Nr"))), slot,
                                                 plants.text(QStringLiteral("Namen")), photo->format);
    QString message;
    if (!writeChosenPhoto(PhotoStore(s.PhotoDir), *photo, name, &message)) {
        ctx.prompter.error(message);
        return;
    }
    plants.edit();
    plants.setValue(QLatin1String(photoSlot(slot).column), name);
    if (slot == 1)
        plants.setValue(QStringLiteral("FotoListe"), QStringLiteral("Bild1"));
    try {
        plants.post();
    } catch (...) {
        plants.cancel();
        throw;
    }
    redisplay();
}

std::optional<ChosenPhoto> PlantPhotoCommands::chooseDiaryPhoto()
{
    ctx.state.PhotoCode = 8;
    std::optional<ChosenPhoto> photo;
    if (const std::optional<Chosen> chosen = chooseFile())
        photo = readChosen(*chosen);
    ctx.state.PhotoCode = 0;
    return photo;
}

void PlantPhotoCommands::Fotoanzeigen1Click()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    const int slot = m_slot;
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    s.CurrentPlantNr = int(plants.integer(QStringLiteral("Nr")));
    if (t.Tab_Kate_test.active())
        s.SavedCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    const std::optional<QString> path = PhotoStore(s.PhotoDir).resolve(plants.text(column()));
    auto *viewer = ctx.window<TFotozeigen>();
    if (!viewer || !path)
        return;
    TFotozeigen::Showing showing;
    showing.caption = (slot == kLiteratureSlot ? QStringLiteral("Literaturfoto von Nr.: ")
                                               : QStringLiteral("Eigenes Foto von Nr.: "))
                      + plants.text(QStringLiteral("Nr")) + QLatin1Char(' ') + plants.text(QStringLiteral("Namen"));
    showing.path = *path;
    showing.editMode = slot == kLiteratureSlot ? -1 : slot;
    s.PhotoCode = slot;
    viewer->open(showing, ctx.frame ? ctx.frame->mainWindow() : nullptr);
}

void PlantPhotoCommands::Fotolschen1Click()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    t.Tab_Stammdaten.open();
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    s.PhotoCode = 0;
    if (plants.isEmpty())
        return;
    const QString name = plants.text(column());
    s.CurrentPhotoPath = s.PhotoDir + name;
    const PhotoStore store(s.PhotoDir);
    if (name.isEmpty() || !store.contains(name))
        return;
    if (!ctx.prompter.confirm(QStringLiteral("Wollen Sie das Bild wirklich Löschen?")))
        return;
    plants.edit();
    plants.setValue(column(), QString());
    try {
        plants.post();
    } catch (...) {
        plants.cancel();
        throw;
    }
    // The file goes once no row names it any more (another plant or an entry may share it).
    if (!PhotoStore::stillNamed(t.db, name))
        store.remove(name);
    redisplay();
}

void PlantPhotoCommands::Drucken1Click()
{
    SharedState &s = ctx.state;
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    const int slot = m_slot;
    s.PhotoCode = 0;
    QPrinter printer(QPrinter::HighResolution);
    if (!ctx.prompter.printSetup(printer))
        return;
    // The picture the slot shows, whole: one picture pixel per printer dot, at the top left.
    QImage picture;
    const QString name = plants.text(QLatin1String(photoSlot(slot).column));
    if (name.isEmpty()) {
        picture = slotPicture(slot, SlotState::Empty);
    } else if (const auto path = PhotoStore(s.PhotoDir).resolve(name)) {
        const PhotoLoadResult r = loadPhoto(*path);
        picture = slotPicture(slot, slotStateFor(r), r.image);
    } else {
        picture = slotPicture(slot, SlotState::Missing);
    }
    QPainter painter(&printer);
    if (painter.isActive())
        painter.drawImage(QPoint(0, 0), picture);
}

void PlantPhotoCommands::redisplay()
{
    if (ctx.catalogue)
        ctx.catalogue->Pflanzezeigen();
}

} // namespace vindel
