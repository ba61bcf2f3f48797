#pragma once

#include <QColor>
#include <QImage>
#include <QTableView>
#include <vector>

namespace vindel {

class ThumbnailLoader;
class VisiblePictures;

// One diary entry as the diary grid shows it.
struct DiaryGridRow {
    QString date;      // Datum, as stored
    QString action;    // Aktion
    QString text;      // Inhalt1
    QString photoPath; // the photo's full path when its file existed at filling, else empty
    QString id;        // ID; painted empty
};

// The diary page's grid StringGrid1: a header row and one 75-pixel row per entry, owner-drawn.
// Rows are numbered as the page counts them: 0 is the header, entry r is row r. Photos come
// through the shared thumbnail loader, one request per row in sight, and are drawn at the
// cell's full height from its left edge.
class DiaryGrid : public QTableView {
    Q_OBJECT
public:
    enum Column { DateColumn, ActionColumn, TextColumn, PhotoColumn, IdColumn, kColumnCount };
    static constexpr int kHeaderHeight = 25;
    static constexpr int kRowHeight = 75;

    explicit DiaryGrid(ThumbnailLoader &loader, QWidget *parent = nullptr);
    ~DiaryGrid() override;

    // Replaces every entry; the first entry row becomes the selected row.
    void setRows(std::vector<DiaryGridRow> rows);
    const std::vector<DiaryGridRow> &rows() const;
    // Header and entries.
    int gridRowCount() const;
    QString cellText(int gridRow, int column) const;
    int selectedGridRow() const;

    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const { return m_background; }

    // What the photo cell of an entry row shows now: the photo (or the photo-missing picture),
    // a placeholder, or null while the photo is on its way.
    QImage shownPicture(int gridRow) const;

signals:
    // The user selected a cell / clicked one (after selecting it).
    void cellSelected(int gridRow, int column);
    void cellClicked(int gridRow, int column);

protected:
    void enterEvent(QEnterEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class Model;
    class Painter;
    void requestVisible();
    void pictureArrived(int entry);

    Model *m_model;
    VisiblePictures *m_pictures;
    QColor m_background = Qt::white;
};

} // namespace vindel
