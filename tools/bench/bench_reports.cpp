// Speed of the printed reports, driving the real report windows offscreen: laying out the long
// list of 1,000 plants with camera photos, the first page of its preview, and PDF files of the
// long list and of a 500-page short list.
//   build/tools/bench/bench_reports [plants=1000] [short-list plants=7500] [distinct pictures=7]
#include "BenchPrompter.h"
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"
#include "reports/TRep_Liste.h"
#include "reports/TRep_Listekurz.h"
#include "reports/engine/ReportPreview.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;
using namespace vindel::bench;

namespace {

void makeCatalogue(const QString &programDir, int plants, int distinct)
{
    const QString base = programDir + QStringLiteral("Bilder/");
    const QString folder = programDir + QStringLiteral("Fotos/");
    QDir().mkpath(base);
    QDir().mkpath(folder);
    writeCameraPictures(base, distinct);
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));
    Database db;
    db.open(programDir + QStringLiteral("Pflanzen.mdb"));
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE Stammdaten SET Speicherpfad = ?"), {folder});
    for (int i = 1; i <= plants; ++i) {
        // Every plant its own file (a link to one of the pictures), so nothing is read twice.
        const QString photo = QStringLiteral("%1 Nr %1 Bild1 Pflanze.JPG").arg(i);
        QFile::link(base + QStringLiteral("kamera%1.JPG").arg(i % distinct), folder + photo);
        db.exec(QStringLiteral("INSERT INTO Pflanzen (ID, Nr, Namen, Kategorie, Familie, Art, Herkunft, Sommer, Winter, "
                               "FotoListe, Bild1) VALUES (?, ?, ?, 'Stauden', 'Iris', 'germanica', 'Markt', 'Sonne', "
                               "'Keller', 'Bild1', ?)"),
                {i, i, QStringLiteral("Pflanze %1").arg(i, 5, 10, QLatin1Char('0')), photo});
    }
    tx.commit();
}

// The first page of the preview, as the preview window paints it when it opens.
double firstPreviewPage(const report::PreviewJob &job, report::Document pages)
{
    QElapsedTimer t;
    t.start();
    report::ReportPreview preview(job, std::move(pages));
    preview.resize(900, 1000);
    preview.show();
    QTest::qWaitForWindowExposed(&preview);
    preview.pages()->viewport()->repaint();
    return msSince(t);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int plants = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int shortPlants = argc > 2 ? std::max(1, atoi(argv[2])) : 7500;
    const int distinct = argc > 3 ? std::max(1, atoi(argv[3])) : 7;
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    makeCatalogue(programDir, std::max(plants, shortPlants), distinct);

    QuietPrompter prompter;
    report::PreviewJob lastJob;
    prompter.onPreview = [&](const report::PreviewJob &job) { lastJob = job; };
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return 1;
    DataTables &t = program.context().tables;
    t.Tab_Pflanzen_test.setFilter(QStringLiteral("(Nr <= %1)").arg(plants));
    t.Tab_Pflanzen_test.tag = 1;
    t.Tab_Pflanzen_test.setFiltered(true);
    t.Tab_Pflanzen_test.tag = 0;

    auto *list = program.context().window<TRep_Liste>();
    list->preview(); // hands the job over
    Figures layout;
    report::Document pages;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t0;
        t0.start();
        pages = lastJob.build();
        layout.add(msSince(t0));
    }
    std::printf("long list of %d plants with photos (%d pages): layout median %.0f ms (min %.0f, max %.0f; goal < 2000)\n",
                plants, pages.pageCount(), layout.median(), layout.min(), layout.max());

    Figures first;
    for (int i = 0; i < 5; ++i)
        first.add(firstPreviewPage(lastJob, pages));
    std::printf("first page of its preview, photos read at the size shown: median %.0f ms (min %.0f, max %.0f; goal < 300)\n",
                first.median(), first.min(), first.max());

    {
        QElapsedTimer t0;
        t0.start();
        const report::Document fresh = lastJob.build();
        report::Renderer(lastJob.pictures).writePdf(fresh, dir.filePath(QStringLiteral("lang.pdf")));
        std::printf("its PDF (%d pages, %d camera photos read at 300 dpi): %.1f s\n", fresh.pageCount(), plants,
                    msSince(t0) / 1000);
    }

    t.Tab_Pflanzen_test.tag = 1;
    t.Tab_Pflanzen_test.setFilter(QStringLiteral("(Nr <= %1)").arg(shortPlants));
    t.Tab_Pflanzen_test.tag = 0;
    auto *shortList = program.context().window<TRep_Listekurz>();
    shortList->preview();
    Figures pdf;
    int pageCount = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t0;
        t0.start();
        const report::Document fresh = lastJob.build();
        report::Renderer(lastJob.pictures).writePdf(fresh, dir.filePath(QStringLiteral("kurz.pdf")));
        pdf.add(msSince(t0));
        pageCount = fresh.pageCount();
    }
    std::printf("short list of %d plants as PDF (%d pages, laid out and written): median %.1f s (min %.1f, max %.1f; goal < 10)\n",
                shortPlants, pageCount, pdf.median() / 1000, pdf.min() / 1000, pdf.max() / 1000);
    return 0;
}
