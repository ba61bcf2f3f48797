#pragma once

#include "app/Page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vindel {

class AlbumGrid;
class DataGrid;

// "Fotoalbum": every picture of the photo folder as a grid of thumbnails, five a row, narrowed by
// file name, plant number or date; a double click shows a photo large. Its list of files is the
// table ListeallerFotos, which "Aktuallisieren" rebuilds from the folder.
class FotoalbumPage : public Page {
    Q_OBJECT
public:
    explicit FotoalbumPage(AppContext &context);

    void TabSheet6Show();
    void TabelleFotos();
    void StringGrid2SelectCell(int row, int column);
    void StringGrid2DblClick();
    void BitBtn38Click(); // "Aktuallisieren"
    void ComboBox21Change();
    void Edit51Change();
    void Button2Click(); // "Liste anzeigen"
    void pageShown() override { TabSheet6Show(); }

    QComboBox *ComboBox21;
    QLineEdit *Edit51;
    QPushButton *Button2;
    DataGrid *DBGrid6;
    QPushButton *BitBtn38;
    QProgressBar *ProgressBar1;
    AlbumGrid *StringGrid2; // its tag: 1 while the viewer shows a photo opened from the album
    QLabel *Label140;

private:
    void showCount();
};

} // namespace vindel
