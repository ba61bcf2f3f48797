#include "reports/engine/ReportPreview.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace vindel::report {

PagesView::PagesView(const Document &document, Renderer &renderer, QWidget *parent)
    : QAbstractScrollArea(parent), m_document(document), m_renderer(renderer)
{
    setObjectName(QStringLiteral("PreviewPages"));
    viewport()->setAutoFillBackground(true);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    viewport()->setPalette(p);
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

QSize PagesView::pageSizeOnScreen() const
{
    return {int(std::lround(m_document.pageSize.width() * m_zoom)), int(std::lround(m_document.pageSize.height() * m_zoom))};
}

void PagesView::setZoom(double zoom)
{
    const int page = currentPage();
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    m_images.clear();
    updateRange();
    showPage(page);
    viewport()->update();
}

double PagesView::fitPageZoom() const
{
    const QSizeF page = m_document.pageSize;
    return std::min((viewport()->width() - 2 * kGap) / page.width(), (viewport()->height() - 2 * kGap) / page.height());
}

double PagesView::fitWidthZoom() const { return (viewport()->width() - 2 * kGap) / m_document.pageSize.width(); }

int PagesView::currentPage() const
{
    const int step = pageSizeOnScreen().height() + kGap;
    return std::clamp((verticalScrollBar()->value() + step / 3) / std::max(1, step), 0, std::max(0, m_document.pageCount() - 1));
}

void PagesView::showPage(int page)
{
    page = std::clamp(page, 0, std::max(0, m_document.pageCount() - 1));
    verticalScrollBar()->setValue(page * (pageSizeOnScreen().height() + kGap));
}

void PagesView::updateRange()
{
    const QSize page = pageSizeOnScreen();
    const int height = m_document.pageCount() * (page.height() + kGap) + kGap;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kGap - viewport()->width()));
}

QImage PagesView::pageImage(int page)
{
    if (const auto it = m_images.constFind(page); it != m_images.cend())
        return *it;
    const qreal ratio = devicePixelRatioF();
    QImage image(pageSizeOnScreen() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    m_renderer.prefetch({&m_document.pages[size_t(page)]}, m_zoom);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.paintPage(painter, m_document.pages[size_t(page)], m_zoom);
    painter.end();
    m_images.insert(page, image);
    return image;
}

void PagesView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QSize page = pageSizeOnScreen();
    const int step = page.height() + kGap;
    const int top = verticalScrollBar()->value();
    const int left = std::max(kGap, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
    const int first = std::max(0, (top - kGap) / std::max(1, step));
    const int last = std::min(m_document.pageCount() - 1, (top + viewport()->height()) / std::max(1, step));
    for (int p = first; p <= last; ++p) {
        const QPoint at(left, kGap + p * step - top);
        painter.fillRect(QRect(at + QPoint(3, 3), page), QColor(0x40, 0x40, 0x40));
        painter.drawImage(at, pageImage(p));
    }
    // Pages far out of sight are let go.
    for (auto it = m_images.begin(); it != m_images.end();)
        it = it.key() < first - 2 || it.key() > last + 2 ? m_images.erase(it) : std::next(it);
}

void PagesView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateRange();
}

void PagesView::scrollContentsBy(int, int)
{
    viewport()->update();
    emit currentPageChanged(currentPage());
}

ReportPreview::ReportPreview(const PreviewJob &job, Document document, QWidget *parent)
    : QDialog(parent), m_job(job), m_document(std::move(document)), m_renderer(job.pictures)
{
    setObjectName(QStringLiteral("QRStandardPreview"));
    setWindowTitle(job.title.isEmpty() ? QStringLiteral("Druckvorschau") : job.title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 1000);

    setupPrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        dialog.setMinMax(1, m_document.pageCount());
        return dialog.exec() == QDialog::Accepted;
    };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QToolBar;
    layout->addWidget(bar);
    m_view = new PagesView(m_document, m_renderer);
    layout->addWidget(m_view, 1);

    auto action = [this, bar](const char *name, const QString &text, auto slot) {
        QAction *a = bar->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    action("zoomPage", QStringLiteral("Ganze Seite"), [this] { m_view->setZoom(m_view->fitPageZoom()); });
    action("zoomWidth", QStringLiteral("Seitenbreite"), [this] { m_view->setZoom(m_view->fitWidthZoom()); });
    action("zoomIn", QStringLiteral("Vergrößern"), [this] { m_view->setZoom(m_view->zoom() * 1.25); });
    action("zoomOut", QStringLiteral("Verkleinern"), [this] { m_view->setZoom(m_view->zoom() / 1.25); });
    bar->addSeparator();
    action("firstPage", QStringLiteral("|<"), [this] { m_view->showPage(0); });
    action("previousPage", QStringLiteral("<"), [this] { m_view->showPage(m_view->currentPage() - 1); });
    m_pageField = new QSpinBox;
    m_pageField->setObjectName(QStringLiteral("pageNumber"));
    m_pageField->setRange(1, std::max(1, m_document.pageCount()));
    bar->addWidget(m_pageField);
    m_pageCount = new QLabel(QStringLiteral(" von %1 ").arg(m_document.pageCount()));
    bar->addWidget(m_pageCount);
    action("nextPage", QStringLiteral(">"), [this] { m_view->showPage(m_view->currentPage() + 1); });
    action("lastPage", QStringLiteral(">|"), [this] { m_view->showPage(m_document.pageCount() - 1); });
    bar->addSeparator();
    printAction = action("print", QStringLiteral("Drucken"), [this] { print(); });
    pdfAction = action("savePdf", QStringLiteral("Als PDF speichern"), [this] { savePdf(); });
    bar->addSeparator();
    closeAction = action("close", QStringLiteral("Schließen"), [this] { accept(); });

    connect(m_pageField, &QSpinBox::editingFinished, this, [this] { m_view->showPage(m_pageField->value() - 1); });
    connect(m_view, &PagesView::currentPageChanged, this, &ReportPreview::showPageNumber);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::showPageNumber(int page)
{
    const QSignalBlocker quiet(m_pageField);
    m_pageField->setValue(page + 1);
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFromTo(1, m_document.pageCount());
    printer.setPrintRange(QPrinter::AllPages);
    if (!setupPrinter || !setupPrinter(printer))
        return;
    // The pages are built anew for the print, as for the preview.
    const Document pages = m_job.build ? m_job.build() : m_document;
    if (printer.printRange() != QPrinter::PageRange)
        printer.setFromTo(0, 0);
    QString error;
    if (!m_renderer.print(pages, printer, &error)) {
        if (showError)
            showError(error);
        return;
    }
    if (m_job.afterPrint)
        m_job.afterPrint();
}

void ReportPreview::savePdf()
{
    const std::optional<QString> chosen = choosePdfFile ? choosePdfFile() : std::nullopt;
    if (!chosen)
        return;
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    const Document pages = m_job.build ? m_job.build() : m_document;
    QString error;
    if (!m_renderer.writePdf(pages, path, &error)) {
        if (showError)
            showError(QStringLiteral("Die PDF-Datei „%1“ kann nicht geschrieben werden.\n\n%2").arg(path, error));
        return;
    }
    if (m_job.afterPrint)
        m_job.afterPrint();
}

} // namespace vindel::report
