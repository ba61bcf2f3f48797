// The main window's reactions while the program runs: activation with its page choice and flags,
// Escape, the mouse wheel over grids and report previews, and the colour reset.
#include "app/Colours.h"
#include "app/DataGrid.h"
#include "app/Tag.h"
#include "app/WheelHook.h"
#include "catalogue/HauptansichtPage.h"
#include "catalogue/NeuePflanzePage.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace vindel;
using namespace vindel::test;

namespace {

void addCatalogue(AppFixture &app)
{
    for (const char *name : {"Bäume", "Kakteen", "Stauden", "Zwiebeln"})
        app.exec("INSERT INTO Kategorien (Namen) VALUES (?)", {QString::fromUtf8(name)});
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Aloe', 'Kakteen')");
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Agave', 'Kakteen')");
    for (int nr = 1; nr <= 4; ++nr)
        app.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie) VALUES (?, ?, 'Kakteen', 'Aloe')",
                 {nr, QStringLiteral("Pflanze %1").arg(nr)});
}

// One turn of the wheel by angle (120 is one notch away from the user) over a widget.
void turnWheel(QWidget *over, int angle)
{
    const QPointF local(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent event(local, over->mapToGlobal(local), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &event);
}

// Leaves the main window for another window of the program and comes back, as a dialog does.
bool visitAndReturn(AppFixture &app, const char *windowName)
{
    AppWindow *other = app.find<AppWindow>(QLatin1String(windowName));
    if (!other || !app.activate(other))
        return false;
    other->hide();
    return app.returnToMainWindow();
}

QString currentPage(AppFixture &app) { return app.mainWindow()->activePageName(); }

} // namespace

class TestActivation : public QObject {
    Q_OBJECT
private slots:
    void pageChoiceByFlags_data();
    void pageChoiceByFlags();
    void otherWindowsDoNotActivate();
    void activationRelocatesCursorsAndCounts();
    void activationColours();
    void escapeHidesDatePickers();
    void titleOpensSowingDatePicker();
    void wheelMovesFocusedGridOneRowPerNotch();
    void wheelWithoutFocusedGridPassesOn();
    void wheelScrollsReportPreviewFourLines();
    void colourReset();
};

void TestActivation::pageChoiceByFlags_data()
{
    QTest::addColumn<int>("photoCode");
    QTest::addColumn<QString>("flaggedWindow"); // window or "BitBtn20" whose tag is 1
    QTest::addColumn<QString>("startPage");
    QTest::addColumn<QString>("expectedPage");
    QTest::addColumn<bool>("plantGridFocused");
    QTest::addColumn<int>("photoCodeAfter");
    QTest::addColumn<int>("flagAfter");

    QTest::newRow("no flag: main view") << 0 << "" << "TabSheet2" << "TabSheet1" << false << 0 << 0;
    QTest::newRow("thumbnail photo: main view") << 3 << "" << "TabSheet6" << "TabSheet1" << false << 3 << 0;
    QTest::newRow("large photo: details") << 7 << "" << "TabSheet1" << "TabSheet2" << false << 0 << 0;
    QTest::newRow("diary photo: page stays") << 8 << "" << "TabSheet5" << "TabSheet5" << false << 8 << 0;
    QTest::newRow("data sheet: page stays, flag stays") << 0 << "TRep_druckansicht" << "TabSheet2" << "TabSheet2"
                                                        << false << 0 << 1;
    QTest::newRow("diary report: diary") << 0 << "TRep_Historie" << "TabSheet2" << "TabSheet3" << false << 0 << 0;
    // The calendar's flag is used once: later returns do not all lead to the diary.
    QTest::newRow("year calendar: diary") << 0 << "TKalender" << "TabSheet4" << "TabSheet3" << false << 0 << 0;
    QTest::newRow("list report: plant grid") << 0 << "TRep_Liste" << "TabSheet1" << "TabSheet1" << true << 0 << 0;
    QTest::newRow("print button: plant grid") << 0 << "BitBtn20" << "TabSheet1" << "TabSheet1" << true << 0 << 0;
}

void TestActivation::pageChoiceByFlags()
{
    QFETCH(int, photoCode);
    QFETCH(QString, flaggedWindow);
    QFETCH(QString, startPage);
    QFETCH(QString, expectedPage);
    QFETCH(bool, plantGridFocused);
    QFETCH(int, photoCodeAfter);
    QFETCH(int, flagAfter);

    AppFixture app;
    addCatalogue(app);
    QVERIFY(app.start());
    app.mainWindow()->activatePage(startPage);
    app.find("Edit33")->setFocus();
    app.state().PhotoCode = photoCode;
    auto flagOf = [&]() -> int {
        if (flaggedWindow == QLatin1String("BitBtn20"))
            return Tag::of(app.find("BitBtn20"));
        return app.find<AppWindow>(flaggedWindow)->tag;
    };
    if (flaggedWindow == QLatin1String("BitBtn20"))
        Tag::set(app.find("BitBtn20"), 1);
    else if (!flaggedWindow.isEmpty())
        app.find<AppWindow>(flaggedWindow)->tag = 1;

    QVERIFY(visitAndReturn(app, "TSortieren"));
    QCOMPARE(currentPage(app), expectedPage);
    QCOMPARE(app.find("DBGrid1")->hasFocus(), plantGridFocused);
    QCOMPARE(app.state().PhotoCode, photoCodeAfter);
    if (!flaggedWindow.isEmpty())
        QCOMPARE(flagOf(), flagAfter);
}

void TestActivation::otherWindowsDoNotActivate()
{
    AppFixture app;
    QVERIFY(app.start());
    app.mainWindow()->activatePage("TabSheet5");
    // A window that is not one of the program's (a message box, a pop-up) comes and goes.
    QWidget box;
    box.resize(200, 100);
    QVERIFY(app.activate(&box));
    box.hide();
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(currentPage(app), QStringLiteral("TabSheet5"));
    // Returning from one of the program's windows does count.
    QVERIFY(visitAndReturn(app, "TKategorie"));
    QCOMPARE(currentPage(app), QStringLiteral("TabSheet1"));
}

void TestActivation::activationRelocatesCursorsAndCounts()
{
    AppFixture app;
    addCatalogue(app);
    QVERIFY(app.start());
    DataTables &t = app.tables();
    // Another window moved the cursors for its own purposes; the IDs say where they belong.
    t.Tab_Kate_test.tag = t.Tab_Gattung.tag = t.Tab_Pflanzen_test.tag = 1;
    t.Tab_Kate_test.locate("Namen", "Stauden");
    const int stauden = int(t.Tab_Kate_test.integer("ID"));
    t.Tab_Gattung.locate("Familie", "Aloe");
    const int aloe = int(t.Tab_Gattung.integer("ID"));
    t.Tab_Pflanzen_test.locate("Namen", "Pflanze 3");
    const int plant3 = int(t.Tab_Pflanzen_test.integer("ID"));
    app.state().CurrentCategoryId = stauden;
    app.state().CurrentGenusId = aloe;
    app.state().CurrentPlantId = plant3;
    {
        // All moved under the scroll guard, so the display chain does not make them current.
        t.Tab_Kate_test.first();
        t.Tab_Gattung.first();
        t.Tab_Pflanzen_test.first();
        t.Tab_Gattung.setFilter("(Familie LIKE ' Alle') OR (Familie LIKE 'Aloe')");
        t.Tab_Gattung.setFiltered(true);
        t.Tab_Gattung.locate("Familie", " Alle");
        t.Tab_Kate_test.tag = t.Tab_Gattung.tag = t.Tab_Pflanzen_test.tag = 0;
    }

    QSignalSpy categoryMoves(&t.Tab_Kate_test, &Dataset::afterScroll);
    QVERIFY(visitAndReturn(app, "TSortieren"));
    QCOMPARE(t.Tab_Kate_test.text("Namen"), QStringLiteral("Stauden"));
    QCOMPARE(t.Tab_Gattung.text("Familie"), QStringLiteral("Aloe"));
    QCOMPARE(t.Tab_Pflanzen_test.text("Namen"), QStringLiteral("Pflanze 3"));
    QCOMPARE(categoryMoves.count(), 0); // relocated under the scroll guard
    QCOMPARE(t.Tab_Kate_test.tag + t.Tab_Gattung.tag + t.Tab_Pflanzen_test.tag, 0);
    QCOMPARE(app.find<QLabel>("Label16")->text(), QStringLiteral("4 Einträge gefunden!"));
    QCOMPARE(app.find<QLabel>("Label6")->text(), QStringLiteral("5 Kategorien"));
    // " Alle" and Aloe pass the genus filter: one genus.
    QCOMPARE(app.find<QLabel>("Label75")->text(), QStringLiteral("1 Gattung "));
    t.Tab_Gattung.setFilter("(Familie LIKE ' Alle')");
    QVERIFY(visitAndReturn(app, "TSortieren"));
    QCOMPARE(app.find<QLabel>("Label75")->text(), QStringLiteral("0 Gattungen"));
}

void TestActivation::activationColours()
{
    AppFixture app;
    QVERIFY(app.start());
    app.state().FormColor = 0x010203;
    app.state().TabSheetColor = 0x040506;
    app.state().GroupBoxColor = 0x070809;
    QVERIFY(visitAndReturn(app, "TListe"));
    QCOMPARE(backgroundOf(app.mainWindow()), 0x010203);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(backgroundOf(app.mainWindow()->pageControl()->widget(i)), 0x040506);
    // The seven group boxes named by caption take the colour; the others keep theirs.
    for (const char *box : {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7"})
        QVERIFY2(backgroundOf(app.find(box)) == 0x070809, box);
    QVERIFY(backgroundOf(app.find("GroupBox8")) != 0x070809);
    QVERIFY(backgroundOf(app.find("CheckBox3")) != 0x070809);
}

void TestActivation::escapeHidesDatePickers()
{
    AppFixture app;
    QVERIFY(app.start());
    auto *sowing = app.find<QCalendarWidget>("MonthCalendar1");
    auto *plantBox = app.find<QCalendarWidget>("MonthCalendar3");
    QVERIFY(sowing->isHidden() && plantBox->isHidden());
    plantBox->show();
    app.mainWindow()->neuePflanze()->Image5Click();
    QVERIFY(!sowing->isHidden() && !plantBox->isHidden());
    const QDate before = sowing->selectedDate();

    // Wherever the focus is in the main window.
    auto *search = app.find<QLineEdit>("Edit33");
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(sowing->isHidden());
    QVERIFY(plantBox->isHidden());
    QCOMPARE(sowing->selectedDate(), before);

    // Other keys leave them alone.
    plantBox->show();
    QTest::keyClick(search, Qt::Key_A);
    QVERIFY(!plantBox->isHidden());
}

void TestActivation::titleOpensSowingDatePicker()
{
    AppFixture app;
    app.prompter().setToday(QDate(2024, 5, 17));
    QVERIFY(app.start());
    auto *sowing = app.find<QCalendarWidget>("MonthCalendar1");
    sowing->setSelectedDate(QDate(2020, 1, 1));
    QWidget *title = app.find("Title");
    QVERIFY(title);
    QTest::mouseClick(title, Qt::LeftButton);
    QVERIFY(!sowing->isHidden());
    QCOMPARE(Tag::of(sowing), 1);
    QCOMPARE(sowing->selectedDate(), QDate(2024, 5, 17));
}

void TestActivation::wheelMovesFocusedGridOneRowPerNotch()
{
    AppFixture app;
    addCatalogue(app);
    QVERIFY(app.start());
    Table &categories = app.tables().Tab_Kate_test;
    auto *grid = app.find<DataGrid>("DBGrid2");
    grid->setFocus();
    QVERIFY(grid->hasFocus());
    QCOMPARE(categories.currentRow(), 0);
    QSignalSpy moves(&categories, &Dataset::afterScroll);

    turnWheel(grid->viewport(), -120); // towards the user: down
    QCOMPARE(categories.currentRow(), 1);
    QCOMPARE(categories.text("Namen"), QStringLiteral("Bäume"));
    QCOMPARE(moves.count(), 1);
    QCOMPARE(grid->currentIndex().row(), 1);

    turnWheel(grid->viewport(), -240); // two notches at once
    QCOMPARE(categories.currentRow(), 3);
    QCOMPARE(moves.count(), 3);

    turnWheel(grid->viewport(), 120);
    QCOMPARE(categories.currentRow(), 2);

    // A fine-grained wheel: half a notch does nothing yet, the second half moves one row.
    turnWheel(grid->viewport(), 60);
    QCOMPARE(categories.currentRow(), 2);
    turnWheel(grid->viewport(), 60);
    QCOMPARE(categories.currentRow(), 1);

    // The focused grid moves, whichever widget is under the mouse.
    turnWheel(app.find<DataGrid>("DBGrid1")->viewport(), -120);
    QCOMPARE(categories.currentRow(), 2);
    QCOMPARE(app.tables().Tab_Pflanzen_test.currentRow(), 0);
}

void TestActivation::wheelWithoutFocusedGridPassesOn()
{
    AppFixture app;
    addCatalogue(app);
    QVERIFY(app.start());
    auto *combo = app.find<QComboBox>("ComboBox5");
    combo->setFocus();
    QCOMPARE(combo->currentIndex(), 0);
    turnWheel(app.find<DataGrid>("DBGrid2")->viewport(), -120);
    QCOMPARE(app.tables().Tab_Kate_test.currentRow(), 0);
    // The combo box under the mouse gets the wheel as usual.
    turnWheel(combo, -120);
    QCOMPARE(combo->currentIndex(), 1);
}

void TestActivation::wheelScrollsReportPreviewFourLines()
{
    AppFixture app;
    QVERIFY(app.start());
    auto makePreview = [](QDialog &dialog) {
        auto *area = new QScrollArea(&dialog);
        auto *page = new QWidget;
        page->setFixedSize(300, 3000);
        area->setWidget(page);
        area->verticalScrollBar()->setSingleStep(10);
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(area);
        dialog.resize(320, 300);
        return area;
    };
    QDialog preview;
    markAsReportPreview(&preview);
    QScrollArea *area = makePreview(preview);
    QVERIFY(app.activate(&preview));
    turnWheel(area->viewport(), -120);
    QCOMPARE(area->verticalScrollBar()->value(), 4 * 10);
    turnWheel(area->viewport(), -120);
    QCOMPARE(area->verticalScrollBar()->value(), 8 * 10);
    turnWheel(area->viewport(), 120);
    QCOMPARE(area->verticalScrollBar()->value(), 4 * 10);
    preview.hide();

    // Any other window scrolls as the toolkit does (three lines).
    QDialog plain;
    QScrollArea *plainArea = makePreview(plain);
    QVERIFY(app.activate(&plain));
    turnWheel(plainArea->viewport(), -120);
    QCOMPARE(plainArea->verticalScrollBar()->value(), QApplication::wheelScrollLines() * 10);
}

void TestActivation::colourReset()
{
    AppFixture app;
    for (const char *name : {"Stauden", "Kakteen"})
        app.exec("INSERT INTO Kategorien (Namen) VALUES (?)", {QString::fromUtf8(name)});
    app.exec("UPDATE Stammdaten SET Formfarbe = '1', Tabsheetfarbe = '2', Groupboxfarbe = '3'");
    QVERIFY(app.start());
    QCOMPARE(backgroundOf(app.find("TKategorie")), 1);

    app.find<QPushButton>("BitBtn34")->click();
    const auto rows = app.select("SELECT Formfarbe, Tabsheetfarbe, Groupboxfarbe FROM Stammdaten");
    QCOMPARE(rows[0][0].toString(), QStringLiteral("10484695"));
    QCOMPARE(rows[0][1].toString(), QStringLiteral("6879679"));
    QCOMPARE(rows[0][2].toString(), QStringLiteral("11468799"));
    QCOMPARE(backgroundOf(app.mainWindow()), 0x9FFBD7);
    QCOMPARE(backgroundOf(app.find("Shape4")), 0x9FFBD7);
    QCOMPARE(backgroundOf(app.find("TabSheet4")), 0x68F9BF);
    QCOMPARE(backgroundOf(app.find("Shape2")), 0x68F9BF);
    QCOMPARE(backgroundOf(app.find("GroupBox1")), 0xAEFFFF);
    QCOMPARE(backgroundOf(app.find("Shape3")), 0xAEFFFF);
    QCOMPARE(backgroundOf(app.find("PageControl1")), 0xAEFFFF);
    QCOMPARE(currentPage(app), QStringLiteral("TabSheet1"));
    QCOMPARE(app.find<QComboBox>("ComboBox1")->count(), 2);
    QCOMPARE(app.prompter().messageTexts(), QStringList());
    // Other windows keep their colour until the next start.
    QCOMPARE(backgroundOf(app.find("TKategorie")), 1);
}

VINDEL_TEST_MAIN(TestActivation)
#include "test_activation.moc"
