// Speed of the label preview for a list of 1,000 plants, driving the real designer offscreen:
// from "Drucken" to the first page painted, once with plain strips and once with QR codes.
//   build/tools/bench/bench_labels [plants=1000]
#include "BenchPrompter.h"
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"
#include "labels/TEtikettgestaltung.h"
#include "reports/engine/ReportPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;
using namespace vindel::bench;

namespace {

void makeList(const QString &programDir, int plants)
{
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));
    Database db;
    db.open(programDir + QStringLiteral("Pflanzen.mdb"));
    Transaction tx(db);
    db.exec(QStringLiteral("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet')"));
    for (int i = 1; i <= plants; ++i) {
        const QString name = QStringLiteral("Pflanze %1").arg(i, 5, 10, QLatin1Char('0'));
        db.exec(QStringLiteral("INSERT INTO Pflanzen (ID, Nr, Namen, Familie, Art, Variante, Feldnummer) "
                               "VALUES (?, ?, ?, 'Iris', 'germanica', 'Blau', 'B 7')"),
                {i, i, name});
        db.exec(QStringLiteral("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', ?, ?)"),
                {i, name});
    }
    tx.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int plants = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    makeList(programDir, plants);

    QuietPrompter prompter;
    report::PreviewJob lastJob;
    prompter.onPreview = [&](const report::PreviewJob &job) { lastJob = job; };
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return 1;
    program.context().tables.Tab_Listeninhalt.open();
    auto *designer = program.context().window<TEtikettgestaltung>();
    designer->SpinEdit1->setValue(10);

    for (bool qr : {false, true}) {
        designer->CheckBox1->setChecked(qr);
        Figures total;
        int pages = 0;
        for (int i = 0; i < 7; ++i) {
            QElapsedTimer t;
            t.start();
            designer->BitBtn1Click();
            report::Document doc = lastJob.build();
            pages = doc.pageCount();
            report::ReportPreview preview(lastJob, std::move(doc));
            preview.resize(900, 1000);
            preview.show();
            QTest::qWaitForWindowExposed(&preview);
            preview.pages()->viewport()->repaint();
            total.add(msSince(t));
        }
        std::printf("label preview of %d plants, 10 mm strips%s (%d pages), from \"Drucken\" to the first page: "
                    "median %.0f ms (min %.0f, max %.0f; goal < 1000)\n",
                    plants, qr ? " with QR codes" : "", pages, total.median(), total.min(), total.max());
    }
    return 0;
}
