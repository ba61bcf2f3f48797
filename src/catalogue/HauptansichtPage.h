#pragma once

#include "app/CatalogueOperations.h"
#include "app/Page.h"
#include "catalogue/ThumbnailLayout.h"

#include <array>
#include <memory>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace vindel {

class CatalogueGridInput;
class DataGrid;
class PhotoView;
class PlantBoxPhotos;
class PlantEditing;
class PlantPhotoSlots;
class ThumbnailLoader;

// The main view: the catalogue browser on the left (categories, genera, plants, search), the plant
// box "Pflanze" on the right with the current plant's fields and thumbnails.
class HauptansichtPage : public Page, public CatalogueOperations {
    Q_OBJECT
public:
    explicit HauptansichtPage(AppContext &context);
    ~HauptansichtPage() override;

    // Design geometry of the thumbnails Image1, Image2, Image4, Image6, Image7, Image8 in the
    // plant box, and of the plant box in the page.
    static const ThumbnailLayout::Thumbnails kThumbnailDesign;
    static const QRect kPlantBoxDesign;
    QWidget *thumbnail(int index) const;

    // What the start-up and the main window's activation do to the catalogue.
    // Start-up: the category lists, the first rows of the three cursors and the counts.
    void prepareAtStart();
    // Activation: the three cursors reopened on the rows of the shared state, the counts again.
    void resynchronise();
    // The thumbnails follow the plant box's size (once the start-up recorded the design).
    void recordThumbnailBaseline();
    void layoutThumbnails();
    const ThumbnailLayout::Baseline &thumbnailBaseline() const { return m_baseline; }

    // The display chain.
    void Kategoriezeigen() override;
    void Gattungzeigen() override;
    void Pflanzezeigen() override;

    // CatalogueOperations
    QString plantSortColumn() const override;
    bool editingPlant() const override;
    void setPendingPlantNumber(int number) override;
    void refreshPlantCount() override;
    QString searchField() const override;
    QString searchText() const override;
    QString sortText() const override;

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
    void BitBtn28Click(); // "Aktion eintragen"
    void BitBtn20Click(); // "Druckansicht"
    void BitBtn15Click(); // "Liste drucken"

    // Categories and genera.
    void BitBtn41Click(); // + category
    void BitBtn40Click(); // - category
    void BitBtn42Click(); // ? category
    void BitBtn29Click(); // + genus
    void BitBtn30Click(); // - genus
    void BitBtn7Click();  // ? genus

    void TabSheet1Show();
    void TabSheet1Exit();
    void pageShown() override { TabSheet1Show(); }
    void pageLeft() override { TabSheet1Exit(); }

    // The photos of the plant on show (slots 1 to 7) and the loader behind them.
    PlantPhotoSlots &photoSlots() const;
    ThumbnailLoader &thumbnailLoader() const;
    static constexpr int kSettleMs = 90;
    bool photosWaiting() const;

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
    QComboBox *ComboBox2; // category list of the plant box's editing mode
    QComboBox *ComboBox7;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QCalendarWidget *MonthCalendar3; // its tag: 1 fills Edit12, 2 fills Edit13
    QToolButton *Image15;            // calendar icon of "Aussaat:"
    QToolButton *Image13;            // calendar icon of "Blütezeit:"
    QPushButton *BitBtn20;           // "Druckansicht"
    QPushButton *BitBtn28;           // "Aktion eintragen"
    QPushButton *BitBtn15;           // "Liste drucken"
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
    void fillCategoryList();
    void showGenusCount();
    void applySortChoice();

    std::array<PhotoView *, 6> m_thumbnails{};
    PlantBoxPhotos *m_photos = nullptr;
    CatalogueGridInput *m_input = nullptr;
    PlantEditing *m_editing = nullptr;
    ThumbnailLayout::Baseline m_baseline{};
};

} // namespace vindel
