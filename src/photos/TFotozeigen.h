#pragma once

#include "app/AppWindow.h"

#include <QImage>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vindel {

class PhotoView;
class ThumbnailLoader;
struct PhotoLoadResult;

// The photo viewer: one photo large, with the plant's number and name and the photo's date over
// it, stepping through the album's photos in album mode, and handing the photo to the stored
// photo editor.
class TFotozeigen : public AppWindow {
    Q_OBJECT
public:
    explicit TFotozeigen(AppContext &context);
    ~TFotozeigen() override;

    // What an opener shows.
    struct Showing {
        QString caption;       // empty: the caption stays as it is
        QString path;          // the photo file, or
        QImage picture;        // a picture held in memory (the diary entry window's)
        bool album = false;    // opened from the album: stepping through its photos
        int editMode = -2;     // the edit button's number (0, 1 to 6, 8); -1 hides the button; -2 leaves it
    };
    // The opener is disabled while the viewer shows; closing enables it again.
    void open(const Showing &showing, QWidget *opener);

    void FormActivate();
    void FormClose();
    void BitBtn1Click(); // "Nächstes Foto"
    void BitBtn2Click(); // "Vorheriges Foto"
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn3Click(); // "Foto bearbeiten"

    bool albumMode() const { return m_album; }
    // The file shown (empty for a picture held in memory).
    QString shownPath() const { return m_path; }

    PhotoView *Image1;
    QLabel *Label1; // name
    QLabel *Label2; // date
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QPushButton *BitBtn3; // its tag: the edit mode number

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showFile(const QString &path);
    void requestPicture();
    void applyLabels();
    void step(void (Dataset::*move)());
    void onReady(int requester, quint64 ticket, const PhotoLoadResult &result);

    ThumbnailLoader &m_loader;
    int m_requester;
    QString m_path;
    QImage m_memoryPicture;
    bool m_album = false;
    bool m_closing = false;
    QTimer m_reframe;
};

} // namespace vindel
