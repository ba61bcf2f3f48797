#pragma once

#include "photos/PhotoStore.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <optional>

class QAction;
class QMenu;

namespace vindel {

class AppContext;

// A picture the user chose with "Foto laden/ändern" for a diary entry (slot 8): held until the
// entry is saved, then written under the diary photo's name.
struct ChosenPhoto {
    PhotoFormat format = PhotoFormat::Jpeg;
    QByteArray jpeg;  // the file's bytes, written back unchanged
    QImage picture;   // what is shown (a bitmap is written anew from it)
};

// Writes a chosen picture into the photo folder under a name (the folder made when missing): a
// JPEG byte for byte, a bitmap anew. False, with the German message to show, when it cannot.
bool writeChosenPhoto(const PhotoStore &store, const ChosenPhoto &photo, const QString &name, QString *message);

// The photo menu PopupMenu1 of the seven photo slots of a plant (the main view's six thumbnails,
// the details page's literature photo) and its commands: show, load or replace, print, delete.
// PhotoCode (shared state) is the slot the menu was opened for; 8 is a diary photo.
class PlantPhotoCommands : public QObject {
    Q_OBJECT
public:
    explicit PlantPhotoCommands(AppContext &context);
    ~PlantPhotoCommands() override;

    // A click on a slot's picture (slot 1 to 7): the menu opens with what the slot offers.
    void PopupMenu1Popup(int slot, QPoint globalPos);
    void Fotoanzeigen1Click();
    void Fotoladen1Click();
    void Drucken1Click();
    void Fotolschen1Click();
    void Abbrechen1Click();

    // The load command for a diary entry (slot 8): asks for a file and returns its picture;
    // nothing when cancelled or refused (with the message).
    std::optional<ChosenPhoto> chooseDiaryPhoto();

    QMenu *PopupMenu1;
    QAction *Fotoanzeigen1;
    QAction *Fotoladen1;
    QAction *Drucken1;
    QAction *Fotolschen1;
    QAction *Abbrechen1;

    // The slot the commands act on.
    int slot() const { return m_slot; }

private:
    // The file the user chose, after the default folder and the extension rule; nothing when
    // cancelled or refused.
    struct Chosen {
        QString path;
        PhotoFormat format;
    };
    std::optional<Chosen> chooseFile();
    std::optional<ChosenPhoto> readChosen(const Chosen &chosen);
    void ensureDefaultFolder();
    QString column() const;
    void redisplay();

    AppContext &ctx;
    int m_slot = 0;
};

} // namespace vindel
