#pragma once

#include "reports/engine/PreviewJob.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QHash>
#include <optional>

class QAction;
class QLabel;
class QPrinter;
class QSpinBox;

namespace vindel::report {

// The pages of a document one under the other, painted when they come into sight.
class PagesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    PagesView(const Document &document, Renderer &renderer, QWidget *parent = nullptr);

    static constexpr int kGap = 12;
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The page at the top of the view (0-based) / scrolls a page to the top.
    int currentPage() const;
    void showPage(int page);
    // Zoom at which a whole page, or its width, fits the view.
    double fitPageZoom() const;
    double fitWidthZoom() const;

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pageSizeOnScreen() const;
    void updateRange();
    QImage pageImage(int page);

    const Document &m_document;
    Renderer &m_renderer;
    double m_zoom = 1.0;
    QHash<int, QImage> m_images; // the pages painted at the current zoom, near sight
};

// The print preview: zoom, page by page, "Drucken" with the printer's dialog (printer, copies,
// page range) and "Als PDF speichern". Printing builds the pages anew, as a print does.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const PreviewJob &job, Document document, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // The dialogs printing and saving ask. The printer dialog is installed by default; where to
    // save a PDF and how to show an error come from the program's dialog seam (without them,
    // "Als PDF speichern" does nothing and errors go unshown).
    std::function<bool(QPrinter &)> setupPrinter;
    std::function<std::optional<QString>()> choosePdfFile;
    std::function<void(const QString &)> showError;

    const Document &document() const { return m_document; }
    PagesView *pages() const { return m_view; }

    void print();
    void savePdf();

    QAction *printAction;
    QAction *pdfAction;
    QAction *closeAction;

private:
    void showPageNumber(int page);

    PreviewJob m_job;
    Document m_document;
    Renderer m_renderer;
    PagesView *m_view;
    QSpinBox *m_pageField;
    QLabel *m_pageCount;
};

} // namespace vindel::report
