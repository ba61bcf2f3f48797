#pragma once

#include "photos/PhotoSlots.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>

namespace vindel {

class AppContext;
class PhotoView;
class PlantPhotoSlots;

// The photos of the plant on show as the main view fetches them: the six thumbnails of its plant
// box, and the seven slots of the plant (the details page paints the seventh). While the user
// moves quickly through the list (a key held down, the wheel turned fast) photos that are not in
// the cache wait until the key is released or the list rests; thumbnails that change size get
// pictures made for their new frame.
class PlantBoxPhotos : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 90;

    PlantBoxPhotos(AppContext &context, const std::array<PhotoView *, 6> &thumbnails, QObject *parent = nullptr);
    ~PlantBoxPhotos() override;

    // The plant on show and its columns Bild1 ... Bild7 (again, or another plant).
    void show(const QStringList &columns);
    // A key is held down over the plant list: plants passed by get no photos.
    void setKeyRepeating(bool repeating) { m_keyRepeating = repeating; }
    bool keyRepeating() const { return m_keyRepeating; }
    // The key is up: the plant the list stopped on gets its photos at once.
    void keyReleased();
    bool waiting() const { return m_settle.isActive(); }

    PlantPhotoSlots &currentPlant() const { return m_slots; }

private:
    void request();
    void reframe();
    void apply(int slot, const QImage &picture, SlotState state);
    bool allAtHand(const QStringList &columns) const;

    AppContext &ctx;
    PlantPhotoSlots &m_slots;
    std::array<PhotoView *, 6> m_thumbnails;
    QStringList m_columns; // Bild1 ... Bild7 of the plant on show
    QString m_folder;
    QElapsedTimer m_lastPlantChange;
    QTimer m_settle;  // photos wait for the list to rest
    QTimer m_reframe; // thumbnails changed size
    bool m_keyRepeating = false;
};

} // namespace vindel
