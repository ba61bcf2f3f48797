// The statistics page, read from its charts' series, and the information window.
#include "app/DataGrid.h"
#include "catalogue/HauptansichtPage.h"
#include "stats/StatistikPage.h"
#include "stats/TInfo.h"
#include "support/AppFixture.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace vindel;
using namespace vindel::test;

namespace {

StatistikPage *statisticsPage(AppFixture &app)
{
    app.mainWindow()->activatePage("TabSheet8");
    return app.find<StatistikPage>("TabSheet8");
}

// The bars of a chart as its series holds them, the first (bottom) one first.
std::vector<ChartBar> barsOf(QChartView *view)
{
    auto *series = static_cast<QHorizontalBarSeries *>(view->chart()->series().first());
    const QBarSet *set = series->barSets().first();
    const QStringList labels = static_cast<QBarCategoryAxis *>(view->chart()->axes(Qt::Vertical).first())->categories();
    std::vector<ChartBar> bars;
    for (int i = 0; i < set->count(); ++i)
        bars.push_back({labels.value(i), int(set->at(i))});
    return bars;
}

QString describe(const std::vector<ChartBar> &bars)
{
    QStringList out;
    for (const ChartBar &b : bars)
        out << b.label + "=" + QString::number(b.value);
    return out.join(", ");
}

// Two categories; roses in two spellings, one plant without a genus.
void addGarden(AppFixture &app)
{
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Sträucher'), ('Zwiebeln')");
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Rosa', 'Sträucher'), ('Tulipa', 'Zwiebeln'), "
             "('Allium', 'Zwiebeln')");
    app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Kategorie, Familie) VALUES "
             "(1, 1, 'a', 'Sträucher', 'Rosa'), (2, 2, 'b', 'Sträucher', 'rosa'), (3, 3, 'c', 'Sträucher', 'Rosa'), "
             "(4, 4, 'd', 'Sträucher', ''), (5, 5, 'e', 'Zwiebeln', 'Tulipa'), (6, 6, 'f', 'Zwiebeln', 'Allium'), "
             "(7, 7, 'g', 'Zwiebeln', 'Tulipa')");
    app.exec("INSERT INTO Historie (PflanzenID, Datum) VALUES ('1', '01.05.2024'), ('2', '02.05.2024')");
    QDir().mkpath(app.programDir() + "Fotos");
    for (int i = 0; i < 3; ++i)
        writeFile(app.programDir() + QStringLiteral("Fotos/%1.JPG").arg(i), "x");
    app.exec("UPDATE Stammdaten SET Speicherpfad = ?", {app.programDir() + "Fotos"});
}

void chooseCategory(AppFixture &app, const QString &name)
{
    QVERIFY(app.tables().Tab_Kate_test.locate("Namen", name));
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void genusCountsTable_data();
    void genusCountsTable();
    void overviewAndAllGenera();
    void genusChartForACategory();
    void thirteenBarsAtATime();
    void emptyCatalogue();
    void informationWindow();
};

void TestStatistics::genusCountsTable_data()
{
    QTest::addColumn<QStringList>("genera");
    QTest::addColumn<QString>("bars");
    QTest::newRow("cases apart, none first") << QStringList{"rosa", "Rosa", "", "Allium", "Rosa"}
                                             << "ohne Gattung=1, Allium=1, Rosa=2, rosa=1";
    QTest::newRow("umlauts among the letters") << QStringList{"Zinnia", "Ölbaum", "Aster"} << "Aster=1, Ölbaum=1, Zinnia=1";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TestStatistics::genusCountsTable()
{
    QFETCH(QStringList, genera);
    QFETCH(QString, bars);
    QCOMPARE(describe(genusCounts(genera)), bars);
}

// The five totals without any filter, while the catalogue keeps its search.
void TestStatistics::overviewAndAllGenera()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    app.find<HauptansichtPage>("TabSheet1")->Edit33->setText("a");
    const int shown = app.tables().Tab_Pflanzen_test.recordCount();
    StatistikPage *p = statisticsPage(app);
    QCOMPARE(describe(barsOf(p->Chart1)),
             QStringLiteral("gespeicherte Fotos=3, Tagebucheinträge=2, Pflanzen gesamt=7, Gattungen=3, Kategorien=2"));
    QCOMPARE(describe(barsOf(p->Chart2)), QStringLiteral("ohne Gattung=1, Allium=1, Rosa=2, rosa=1, Tulipa=2"));
    QCOMPARE(p->Chart2->chart()->title(), QStringLiteral("Alle Kategorien"));
    QCOMPARE(p->Label2->text(), QStringLiteral("3 Gattungen"));
    QVERIFY(p->Label1->text().startsWith("Kategorie: "));
    auto *set = static_cast<QHorizontalBarSeries *>(p->Chart1->chart()->series().first())->barSets().first();
    QCOMPARE(set->color(), QColor(0x00, 0x80, 0x00));
    QVERIFY(static_cast<QHorizontalBarSeries *>(p->Chart1->chart()->series().first())->isLabelsVisible());
    QCOMPARE(app.tables().Tab_Pflanzen_test.recordCount(), shown);
}

// Chosen in the list: the plants of that category per genus, the title, the labels.
void TestStatistics::genusChartForACategory()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    StatistikPage *p = statisticsPage(app);
    chooseCategory(app, "Zwiebeln");
    QCOMPARE(describe(barsOf(p->Chart2)), QStringLiteral("Allium=1, Tulipa=2"));
    QCOMPARE(p->Chart2->chart()->title(), QStringLiteral("Gattungen in der Kategorie: Zwiebeln"));
    QCOMPARE(p->Label1->text(), QStringLiteral("Kategorie: Zwiebeln"));
    QCOMPARE(p->Label2->text(), QStringLiteral("2 Gattungen"));
    chooseCategory(app, "Sträucher");
    QCOMPARE(describe(barsOf(p->Chart2)), QStringLiteral("ohne Gattung=1, Rosa=2, rosa=1"));
    // By keyboard in the list as well.
    p->DBGrid5->setFocus();
    QTest::keyClick(p->DBGrid5, Qt::Key_Down);
    QCOMPARE(p->Label1->text(), QStringLiteral("Kategorie: Zwiebeln"));
    QCOMPARE(describe(barsOf(p->Chart2)), QStringLiteral("Allium=1, Tulipa=2"));
}

void TestStatistics::thirteenBarsAtATime()
{
    AppFixture app;
    for (int i = 0; i < 20; ++i)
        app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Familie) VALUES (?, ?, 'x', ?)",
                 {i + 1, i + 1, QStringLiteral("Gattung %1").arg(i, 2, 10, QLatin1Char('0'))});
    QVERIFY(app.start());
    StatistikPage *p = statisticsPage(app);
    auto *axis = static_cast<QBarCategoryAxis *>(p->Chart2->chart()->axes(Qt::Vertical).first());
    QCOMPARE(axis->count(), 20);
    QCOMPARE(axis->min(), QStringLiteral("Gattung 00"));
    QCOMPARE(axis->max(), QStringLiteral("Gattung 12"));
    QVERIFY(p->GenusScroll->isVisibleTo(p));
    p->GenusScroll->setValue(p->GenusScroll->maximum());
    QCOMPARE(axis->min(), QStringLiteral("Gattung 07"));
    QCOMPARE(axis->max(), QStringLiteral("Gattung 19"));
}

void TestStatistics::emptyCatalogue()
{
    AppFixture app;
    QVERIFY(app.start());
    StatistikPage *p = statisticsPage(app);
    const std::vector<ChartBar> overview = barsOf(p->Chart1);
    QCOMPARE(overview.size(), size_t(5));
    QCOMPARE(overview[2], (ChartBar{"Pflanzen gesamt", 0}));
    QCOMPARE(overview[0], (ChartBar{"gespeicherte Fotos", 0}));
    QVERIFY(barsOf(p->Chart2).empty());
}

// Every line; the counts are totals while the catalogue keeps its narrower view.
void TestStatistics::informationWindow()
{
    AppFixture app;
    addGarden(app);
    app.exec("UPDATE Stammdaten SET Letzte = ?", {QDateTime(QDate(2026, 12, 8), QTime(20, 41, 7))});
    QVERIFY(app.start());
    app.find<HauptansichtPage>("TabSheet1")->Edit33->setText("a");
    const int shown = app.tables().Tab_Pflanzen_test.recordCount();
    QVERIFY(shown < 7);
    app.find<QPushButton>("BitBtn36")->click();
    auto *info = app.find<TInfo>("TInfo");
    QVERIFY(info->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(info->findChild<QLabel *>("Version")->text(), QStringLiteral("V 4.0"));
    const QDateTime built = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    QCOMPARE(info->ProgramDate->text(), built.toString("dd.MM.yyyy hh:mm:ss"));
    QCOMPARE(info->ProgramFolder->text(), QDir::toNativeSeparators(app.programDir()));
    QCOMPARE(info->LastUseDate->text(), QStringLiteral("08.12.2026"));
    QCOMPARE(info->LastUseTime->text(), QStringLiteral("20:41"));
    QCOMPARE(info->PlantCount->text(), QStringLiteral("7"));
    QCOMPARE(info->DiaryCount->text(), QStringLiteral("2"));
    QCOMPARE(info->Label28->text(), TInfo::kMail);
    QCOMPARE(app.tables().Tab_Pflanzen_test.recordCount(), shown);

    info->BitBtn1->click();
    QTest::mouseClick(info->Label28, Qt::LeftButton);
    QCOMPARE(app.prompter().dialogs().size(), 2);
    QCOMPARE(app.prompter().dialogs()[0].detail, TInfo::kUpdatePage);
    QCOMPARE(app.prompter().dialogs()[1].detail,
             QStringLiteral("mailto:") + TInfo::kMail + QStringLiteral("?Subject= ") + TInfo::kMailSubject);
    info->BitBtn2->click();
    QVERIFY(!info->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
}

VINDEL_TEST_MAIN(TestStatistics)
#include "test_statistics.moc"
