#pragma once

#include "app/Page.h"
#include "app/ThumbnailLayout.h"
#include "photos/PhotoSlots.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QToolButton;

namespace vindel {

class DataGrid;
class PhotoView;
class PlantPhotoSlots;
class ThumbnailLoader;
class Table;

// The main view: the catalogue browser on the left (categories, genera, plants, search), the plant
// box "Pflanze" on the right with the current plant's fields and thumbnails.
class HauptansichtPage : public Page {
    Q_OBJECT
public:
    explicit HauptansichtPage(AppContext &context);
    ~HauptansichtPage() override;

    // Design geometry of the thumbnails Image1, Image2, Image4, Image6, Image7, Image8 in the
    // plant box, and of the plant box in the page.
    static const ThumbnailLayout::Thumbnails kThumbnailDesign;
    static const QRect kPlantBoxDesign;
    QWidget *thumbnail(int index) const;

    // The display chain.
    void Kategoriezeigen();
    void Gattungzeigen();
    void Pflanzezeigen();

    // Handlers of the browser.
    void Edit33Change();     // search
    void ComboBox5Change();  // search field
    void ComboBox6Change();  // yes/no value
    void ComboBox8Change();  // sort
    void ComboBox7Change();  // photo slot for lists
    void typeAhead(DataGrid *grid, const QString &typed);
    void openListMenu(const QPoint &globalPos);
    void zurLIsteClick();
    void PflanzegehrtzuListe1Click();
    void Image15Click(); // date picker for the sowing date
    void Image13Click(); // date picker for the flowering time
    void MonthCalendar3DblClick();

    // Categories and genera.
    void BitBtn41Click(); // + category
    void BitBtn40Click(); // - category
    void BitBtn42Click(); // ? category
    void BitBtn29Click(); // + genus
    void BitBtn30Click(); // - genus
    void BitBtn7Click();  // ? genus
    // The category lists of the new-plant page (ComboBox1) and of this page (ComboBox2).
    void rebuildCategoryLists();

    void TabSheet1Show();
    void TabSheet1Exit();
    void pageShown() override { TabSheet1Show(); }
    void pageLeft() override { TabSheet1Exit(); }

    // The photos of the plant on show (slots 1 to 7) and the loader behind them.
    PlantPhotoSlots &photoSlots() const { return *m_photos; }
    ThumbnailLoader &thumbnailLoader() const { return *m_loader; }
    // Photos of a plant met while the user moves quickly through the list (a key held down, the
    // wheel turned fast) wait until the key is released or the list rests this long, unless they
    // are in the cache.
    static constexpr int kSettleMs = 90;
    bool photosWaiting() const { return m_settle.isActive(); }

    QGroupBox *GroupBox1; // "Kategorien"
    QGroupBox *GroupBox2; // "Gattung"
    QGroupBox *GroupBox3; // "Pflanzenliste"
    QGroupBox *GroupBox4; // "Pflanze"
    QGroupBox *GroupBox5; // "Suche nach:"
    DataGrid *DBGrid2;    // categories
    DataGrid *DBGrid4;    // genera
    DataGrid *DBGrid1;    // plants
    QLabel *Label6;
    QLabel *Label75;
    QLabel *Label16;
    QComboBox *ComboBox5;
    QLineEdit *Edit33;
    QComboBox *ComboBox6;
    QComboBox *ComboBox8;
    QComboBox *ComboBox2; // category list kept in step with the new-plant page
    QComboBox *ComboBox7;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QCalendarWidget *MonthCalendar3; // its tag: 1 fills Edit12, 2 fills Edit13
    QToolButton *Image15;            // calendar icon of "Aussaat:"
    QToolButton *Image13;            // calendar icon of "Blütezeit:"
    QPushButton *BitBtn20;           // "Druckansicht"
    QPushButton *BitBtn41, *BitBtn40, *BitBtn42; // category + - ?
    QPushButton *BitBtn29, *BitBtn30, *BitBtn7;  // genus + - ?
    QMenu *ListMenu;                             // the plant grid's list menu

    // The read-only fields of the plant box.
    QLabel *Label125;   // Nr
    QLineEdit *Edit46;  // the number being edited; hidden outside the editing mode
    QLineEdit *Edit16;  // Kategorie
    QLineEdit *Edit15;  // Namen
    QLineEdit *Edit34;  // Familie
    QLineEdit *Edit4;   // Art
    QLineEdit *Edit30;  // Variante
    QLineEdit *Edit8;   // Bezeichnung
    QLineEdit *Edit25;  // Vorkommen
    QLineEdit *Edit49;  // Feldnummer
    QLineEdit *Edit17;  // Mundart
    QLineEdit *Edit12;  // Aussaat
    QLineEdit *Edit11;  // Kaufpreis
    QLineEdit *Edit9;   // Herkunft
    QLineEdit *Edit13;  // Blüte
    QLineEdit *Edit10;  // Töpfe
    QLineEdit *Edit24;  // Bestand
    QLineEdit *Edit14;  // Sommer
    QLineEdit *Edit27;  // Winter

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBrowser();
    void buildPlantBox();
    void connectChain();
    void fillFields();
    void showPhotos();
    void requestPhotos();
    void applyPicture(int slot, const QImage &picture, SlotState state);
    QWidget *pictureControl(int slot);
    bool allPhotosAtHand(const QStringList &columns) const;
    void hoverGrid(DataGrid *grid);
    QWidget *mainControl(const QString &name) const;
    void runGuarded(void (HauptansichtPage::*handler)());
    void chainStepDone() { ++m_chainRuns; }

    std::array<PhotoView *, 6> m_thumbnails{};
    QPointer<QWidget> m_image9;
    std::shared_ptr<ThumbnailLoader> m_loader;
    std::unique_ptr<PlantPhotoSlots> m_photos;
    QStringList m_photoColumns; // Bild1 ... Bild7 of the plant on show
    QString m_photoFolder;
    QElapsedTimer m_lastPlantChange;
    QTimer m_settle;  // photos wait for the list to rest
    bool m_keyRepeating = false; // a key is held down over a grid
    QTimer m_reframe; // thumbnails changed size: fetch pictures for the new frames
    quint64 m_chainRuns = 0;        // display chain runs triggered by cursor moves
    quint64 m_chainRunsAtPress = 0; // ... when the last mouse or key press began
};

} // namespace vindel
