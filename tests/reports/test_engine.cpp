// The report engine on its own: bands placed in order on pages, page breaks with the headers
// repeated, memos that grow, clip or run over pages, and one painting for preview, printer and PDF.
#include "reports/engine/ReportLayout.h"
#include "reports/engine/ReportPreview.h"
#include "support/PdfFiles.h"
#include "support/TestMain.h"

#include <QPainter>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace vindel;
using namespace vindel::report;

namespace {

// Rows of named values.
class Rows : public RecordSource {
public:
    explicit Rows(std::vector<QHash<QString, QString>> rows) : m_rows(std::move(rows)) {}
    int count() const override { return int(m_rows.size()); }
    void reset() override { m_pos = -1; }
    bool next() override { return ++m_pos < count(); }
    QString value(const QString &field) const override
    {
        return m_pos >= 0 && m_pos < count() ? m_rows[size_t(m_pos)].value(field) : QString();
    }

private:
    std::vector<QHash<QString, QString>> m_rows;
    int m_pos = -1;
};

Rows numbered(int n)
{
    std::vector<QHash<QString, QString>> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back({{"Nr", QString::number(i)}, {"Name", QStringLiteral("Pflanze %1").arg(i)}});
    return Rows(rows);
}

Element caption(const QString &name, const QString &text, QRect rect)
{
    Element e;
    e.kind = ElementKind::Caption;
    e.name = name;
    e.text = text;
    e.rect = rect;
    return e;
}

Element field(const QString &name, const QString &column, QRect rect)
{
    Element e;
    e.kind = ElementKind::Field;
    e.name = name;
    e.field = column;
    e.rect = rect;
    return e;
}

Element memo(const QString &name, const QString &column, QRect rect, bool grows)
{
    Element e = field(name, column, rect);
    e.kind = ElementKind::Memo;
    e.grows = grows;
    return e;
}

// A list: a title on page 1, a page header with the page number and a column header on every
// page, a 40-pixel detail per record, a summary with the count.
Report list(RecordSource *records)
{
    Report r;
    r.name = "Liste";
    r.source = records;
    Band header{"Kopf", BandKind::PageHeader, 30};
    Element page;
    page.kind = ElementKind::PageNumber;
    page.name = "Seite";
    page.text = "Seite: ";
    page.rect = {500, 0, 100, 20};
    header.add(page);
    r.addBand(header);
    Band title{"Titel", BandKind::Title, 100};
    title.add(caption("Ueberschrift", "Pflanzenliste", {0, 0, 300, 30}));
    r.addBand(title);
    Band columns{"Spalten", BandKind::ColumnHeader, 25};
    columns.add(caption("SpalteNr", "Nr.", {0, 0, 60, 20}));
    r.addBand(columns);
    Band detail{"Zeile", BandKind::Detail, 40};
    detail.add(field("Nr", "Nr", {0, 0, 60, 20}));
    detail.add(field("Name", "Name", {70, 0, 300, 20}));
    r.addBand(detail);
    Band summary{"Schluss", BandKind::Summary, 30};
    Element count;
    count.kind = ElementKind::DetailCount;
    count.name = "Anzahl";
    count.text = "Anzahl Pflanzen: ";
    count.rect = {0, 0, 300, 20};
    summary.add(count);
    r.addBand(summary);
    return r;
}

// Records the sizes pictures were asked for.
class CountingLoader : public PictureLoader {
public:
    QList<QSize> asked;
    QImage load(const QString &, QSize pixels) override
    {
        asked << pixels;
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    }
};

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void pageSetup();
    void bandsOnPages();
    void emptyListStillPrintsItsFurniture();
    void memosGrowClipAndRunOver();
    void switchedOffBandsAndElements();
    void pdfHasThePagesAndTexts();
    void picturesAreReadAtThePrintedSize();
    void previewPrintsAndSaves();
};

void TestEngine::pageSetup()
{
    const PageSetup setup;
    QCOMPARE(setup.pagePixels().toSize(), QSize(794, 1123));
    const QRectF area = setup.printableRect();
    QCOMPARE(qRound(area.left()), 76);  // 20 mm
    QCOMPARE(qRound(area.top()), 38);   // 10 mm
    QCOMPARE(qRound(area.right()), 775); // 5 mm from the right
    QCOMPARE(qRound(area.bottom()), 1085);
    QCOMPARE(font("Arial", 10).pixelSize(), 13);
}

// The bands of a long list: page header and column header on every page, the title on the
// first only, as many details as fit, the summary with the count at the end.
void TestEngine::bandsOnPages()
{
    Rows rows = numbered(50);
    Report r = list(&rows);
    const Document d = layOut(r, QDate(2024, 6, 1));
    // Page 1: 38 + 30 header + 100 title + 25 columns = 193; (1085 - 193) / 40 = 22 details.
    // Page 2: 38 + 30 + 25 = 93; (1085 - 93) / 40 = 24 details; page 3 the last 4.
    QCOMPARE(d.pageCount(), 3);
    QStringList first = d.bandNames(0);
    QCOMPARE(first.mid(0, 4), (QStringList{"Kopf", "Titel", "Spalten", "Zeile"}));
    QCOMPARE(first.count("Zeile"), 22);
    QCOMPARE(d.bandNames(1).mid(0, 3), (QStringList{"Kopf", "Spalten", "Zeile"}));
    QCOMPARE(d.bandNames(1).count("Zeile"), 24);
    QCOMPARE(d.bandNames(2), (QStringList{"Kopf", "Spalten", "Zeile", "Zeile", "Zeile", "Zeile", "Schluss"}));
    QCOMPARE(d.detailCount, 50);
    QCOMPARE(d.find("Anzahl").front()->text, QStringLiteral("Anzahl Pflanzen: 50"));
    QCOMPARE(d.find("Seite")[2]->text, QStringLiteral("Seite: 3"));
    QVERIFY(d.dump().contains("  Band Titel 68+100\n    Caption Ueberschrift [76,68 300x30] Pflanzenliste\n"));
    QVERIFY(d.dump().contains("Seite 2\n  Band Kopf 38+30\n"));
    // Nothing runs past the bottom margin.
    for (const Page &page : d.pages)
        for (const PlacedBand &b : page.bands)
            QVERIFY(b.top + b.height <= 1085);
    QCOMPARE(d.texts(2).last(), QStringLiteral("Anzahl Pflanzen: 50"));
}

void TestEngine::emptyListStillPrintsItsFurniture()
{
    Rows none = numbered(0);
    Report r = list(&none);
    const Document d = layOut(r, QDate(2024, 6, 1));
    QCOMPARE(d.pageCount(), 1);
    QCOMPARE(d.bandNames(0), (QStringList{"Kopf", "Titel", "Spalten", "Schluss"}));
    QCOMPARE(d.find("Anzahl").front()->text, QStringLiteral("Anzahl Pflanzen: 0"));
}

void TestEngine::memosGrowClipAndRunOver()
{
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    Rows one({{{"Kurz", "eins\nzwei\ndrei\nvier"}, {"Lang", lines.join('\n')}}});
    Report r;
    r.source = &one;
    Band detail{"Blatt", BandKind::Detail, 100};
    detail.add(memo("Fest", "Kurz", {0, 0, 300, 30}, false)); // two lines of 15 fit
    detail.add(memo("Waechst", "Kurz", {0, 40, 300, 20}, true));
    detail.add(caption("Darunter", "unter dem Text", {0, 70, 300, 20}));
    r.addBand(detail);
    Band section{"Abschnitt", BandKind::SubDetail, 56};
    section.add(caption("Kopf", "Beschreibung:", {0, 0, 300, 20}));
    section.add(memo("Text", "Lang", {0, 20, 600, 20}, true));
    r.addBand(section);
    const Document d = layOut(r, QDate(2024, 6, 1));

    const int line = QFontMetrics(r.setup.baseFont).lineSpacing();
    QCOMPARE(d.find("Fest").front()->text.split('\n').size(), 30 / line);
    const Placed *grown = d.find("Waechst").front();
    QCOMPARE(grown->text, QStringLiteral("eins\nzwei\ndrei\nvier"));
    QCOMPARE(grown->rect.height(), 4 * line);
    // What stood under the memo moves down by what it grew.
    QCOMPARE(d.find("Darunter").front()->rect.top(), 38 + 70 + (4 * line - 20));
    QCOMPARE(d.pages[0].bands[0].height, 100 + 4 * line - 20);

    // The long text runs over pages, every line once and in order, none past a page's end.
    QVERIFY(d.pageCount() >= 2);
    QStringList printed;
    for (const Placed *part : d.find("Text")) {
        QVERIFY(part->rect.bottom() < 1085);
        printed += part->text.split('\n');
    }
    QCOMPARE(printed, lines);
    QCOMPARE(d.find("Kopf").size(), size_t(1)); // the heading is not repeated
    QCOMPARE(d.bandNames(1).first(), QStringLiteral("Abschnitt"));
}

void TestEngine::switchedOffBandsAndElements()
{
    Rows rows = numbered(3);
    Report r = list(&rows);
    int titleRuns = 0;
    r.band("Titel").beforePrint = [&](Band &b) {
        ++titleRuns;
        b.element("Ueberschrift").enabled = false;
    };
    r.band("Zeile").beforePrint = [&rows](Band &b) { b.enabled = rows.value("Nr") != "2"; };
    int reportRuns = 0;
    r.beforePrint = [&] { ++reportRuns; };
    const Document d = layOut(r, QDate(2024, 6, 1));
    QCOMPARE(reportRuns, 1);
    QCOMPARE(titleRuns, 1);
    QVERIFY(d.find("Ueberschrift").empty());
    QCOMPARE(d.bandNames(0).count("Zeile"), 2);
    QCOMPARE(d.detailCount, 2);
    QCOMPARE(d.find("Anzahl").front()->text, QStringLiteral("Anzahl Pflanzen: 2"));
    layOut(r, QDate(2024, 6, 1));
    QCOMPARE(reportRuns, 2); // the handlers run for every build
}

void TestEngine::pdfHasThePagesAndTexts()
{
    Rows rows = numbered(50);
    Report r = list(&rows);
    const Document d = layOut(r, QDate(2024, 6, 1));
    QTemporaryDir dir;
    const QString file = dir.filePath("liste.pdf");
    QString error;
    QVERIFY2(Renderer().writePdf(d, file, &error), qPrintable(error));
    QCOMPARE(test::pdfPageCount(file), 3);
    const QStringList pages = test::pdfText(file).split('\f');
    QVERIFY(pages[0].contains("Pflanzenliste"));
    QVERIFY(pages[0].contains("Pflanze 22"));
    QVERIFY(!pages[0].contains("Pflanze 23"));
    QVERIFY(pages[1].contains("Seite: 2"));
    QVERIFY(pages[2].contains("Anzahl Pflanzen: 50"));
    // A folder that does not exist: no file, a reason.
    QVERIFY(!Renderer().writePdf(d, dir.filePath("fehlt/liste.pdf"), &error));
    QVERIFY(!error.isEmpty());
}

void TestEngine::picturesAreReadAtThePrintedSize()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath("foto.jpg");
    QImage(10, 10, QImage::Format_RGB32).save(photo);
    QImage placeholder(20, 20, QImage::Format_RGB32);
    placeholder.fill(Qt::red);
    Page page;
    Placed there;
    there.kind = ElementKind::Picture;
    there.rect = {0, 0, 132, 89};
    there.picture = {photo, placeholder};
    Placed gone = there;
    gone.rect = {200, 0, 132, 89};
    gone.picture = {dir.filePath("fehlt.jpg"), placeholder};
    page.elements = {there, gone};

    auto loader = std::make_shared<CountingLoader>();
    Renderer renderer(loader);
    QImage screen(800, 200, QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        QPainter p(&screen);
        renderer.paintPage(p, page, 1.0);
    }
    QCOMPARE(loader->asked, QList<QSize>{QSize(132, 89)});
    QCOMPARE(screen.pixelColor(60, 40), QColor(Qt::blue));
    QCOMPARE(screen.pixelColor(260, 40), QColor(Qt::red)); // the missing file's placeholder
    // A printer of 1200 dpi gets pictures of 300 dpi, not more.
    QImage fine(3200, 800, QImage::Format_RGB32);
    {
        QPainter p(&fine);
        renderer.paintPage(p, page, 4.0);
    }
    QCOMPARE(loader->asked.last(), QSize(qRound(132 * 300 / 96.0), qRound(89 * 300 / 96.0)));
}

void TestEngine::previewPrintsAndSaves()
{
    Rows rows = numbered(50);
    Report r = list(&rows);
    int builds = 0, printed = 0;
    PreviewJob job;
    job.title = "Pflanzenliste";
    job.build = [&] {
        ++builds;
        return layOut(r, QDate(2024, 6, 1));
    };
    job.afterPrint = [&] { ++printed; };
    ReportPreview preview(job, job.build());
    preview.resize(800, 900);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.document().pageCount(), 3);
    preview.pages()->showPage(2);
    QCOMPARE(preview.pages()->currentPage(), 2);
    QCOMPARE(preview.findChild<QSpinBox *>("pageNumber")->value(), 3);
    const double before = preview.pages()->zoom();
    preview.findChild<QAction *>("zoomIn")->trigger();
    QVERIFY(preview.pages()->zoom() > before);
    QCOMPARE(preview.pages()->currentPage(), 2);

    // "Drucken": pages 2 to 3 of a new build, then the after-print handler.
    QTemporaryDir dir;
    preview.setupPrinter = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("druck.pdf"));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return true;
    };
    preview.printAction->trigger();
    QCOMPARE(builds, 2);
    QCOMPARE(printed, 1);
    QCOMPARE(test::pdfPageCount(dir.filePath("druck.pdf")), 2);
    QVERIFY(test::pdfText(dir.filePath("druck.pdf")).contains("Seite: 2"));
    // A cancelled printer dialog prints nothing.
    preview.setupPrinter = [](QPrinter &) { return false; };
    preview.printAction->trigger();
    QCOMPARE(printed, 1);

    // "Als PDF speichern": the whole report, ".pdf" added to the name.
    preview.choosePdfFile = [&] { return std::optional<QString>(dir.filePath("liste")); };
    preview.pdfAction->trigger();
    QCOMPARE(test::pdfPageCount(dir.filePath("liste.pdf")), 3);
    QCOMPARE(printed, 2);
    QStringList errors;
    preview.showError = [&](const QString &e) { errors << e; };
    preview.choosePdfFile = [&] { return std::optional<QString>(dir.filePath("fehlt/liste.pdf")); };
    preview.pdfAction->trigger();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].startsWith("Die PDF-Datei"));
    preview.closeAction->trigger();
    QVERIFY(!preview.isVisible());
}

VINDEL_TEST_MAIN(TestEngine)
#include "test_engine.moc"
