// The catalogue browser end to end: the display chain with its filters and count labels, the
// search in all its cases, the yes/no filter, sorting, type-ahead, hover, the list menu, the date
// picker of the plant box, and leaving and showing the page.
#include "BrowserTestSupport.h"
#include "app/Colours.h"
#include "app/Tag.h"
#include "support/TestMain.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

using namespace browsertest;

class TestBrowser : public QObject {
    Q_OBJECT
private slots:
    void categoryAndGenusFilters_data();
    void categoryAndGenusFilters();
    void genusCountLabels_data();
    void genusCountLabels();
    void search_data();
    void search();
    void starWithAllKeepsThePlantBox();
    void numberSearchRewritesTheBox();
    void searchWithQuoteInName();
    void yesNoFilter();
    void sortChoice();
    void typeAheadInPlantGrid();
    void typeAheadInGenusGrid();
    void hoverHighlightsAndFocuses();
    void rightClickShowsPlantAndOpensListMenu();
    void datePickerFillsSowingAndFlowering();
    void pageLeftAndShown();
};

void TestBrowser::categoryAndGenusFilters_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("genus");
    QTest::addColumn<QString>("filterText");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QStringList>("plants");
    QTest::addColumn<QString>("countLabel");

    QTest::newRow(" Alle /  Alle: all plants") << " Alle" << " Alle" << "(Kategorie LIKE ' Alle')" << false
                                               << QStringList{"Agave americana", "Aloe arborescens", "Aloe vera",
                                                              "Phlox paniculata", "Rainfarn", "Rosmarin", "Rotklee"}
                                               << "7 Einträge gefunden!";
    QTest::newRow("Stauden /  Alle") << "Stauden" << " Alle" << "(Kategorie LIKE 'Stauden')" << true
                                     << QStringList{"Aloe arborescens", "Phlox paniculata", "Rainfarn", "Rosmarin",
                                                    "Rotklee"}
                                     << "5 Einträge gefunden!";
    QTest::newRow(" Alle / Aloe: every category") << " Alle" << "Aloe" << "(Familie ='Aloe')" << true
                                                  << QStringList{"Aloe arborescens", "Aloe vera"}
                                                  << "2 Einträge gefunden!";
    QTest::newRow("Kakteen / Aloe") << "Kakteen" << "Aloe" << "(Kategorie LIKE 'Kakteen') AND (Familie LIKE 'Aloe')"
                                    << true << QStringList{"Aloe vera"} << "1 Eintrag gefunden!";
    QTest::newRow("Zwiebeln: no plants") << "Zwiebeln" << " Alle" << "(Kategorie LIKE 'Zwiebeln')" << true
                                         << QStringList{} << "0 Einträge gefunden!";
}

void TestBrowser::categoryAndGenusFilters()
{
    QFETCH(QString, category);
    QFETCH(QString, genus);
    QFETCH(QString, filterText);
    QFETCH(bool, filtered);
    QFETCH(QStringList, plants);
    QFETCH(QString, countLabel);

    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataTables &t = app.tables();
    QVERIFY(clickRow(view->DBGrid2, category));
    QCOMPARE(t.Tab_Kate_test.text("Namen"), category);
    QVERIFY(clickRow(view->DBGrid4, genus));
    QCOMPARE(t.Tab_Gattung.text("Familie"), genus);

    QCOMPARE(app.state().FilterText.isEmpty(), false);
    QCOMPARE(t.Tab_Pflanzen_test.filter(), filterText);
    QCOMPARE(t.Tab_Pflanzen_test.filtered(), filtered);
    QCOMPARE(gridPlants(app), plants);
    QCOMPARE(view->Label16->text(), countLabel);
    // The chain ends with the first plant of the list on show.
    QCOMPARE(view->Edit15->text(), plants.isEmpty() ? QString() : plants.first());
    QCOMPARE(app.state().CurrentCategoryId, int(t.Tab_Kate_test.integer("ID")));
    QCOMPARE(app.state().CurrentGenusId, int(t.Tab_Gattung.integer("ID")));
    QCOMPARE(t.Tab_Kate_test.tag + t.Tab_Gattung.tag + t.Tab_Pflanzen_test.tag, 0);
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestBrowser::genusCountLabels_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("genera");
    QTest::addColumn<QString>("label");
    QTest::newRow("one genus") << "Stauden" << QStringList{" Alle", "Phlox"} << "1 Gattung";
    QTest::newRow("none besides  Alle") << "Zwiebeln" << QStringList{" Alle"} << "0 Gattungen";
    QTest::newRow("two genera") << "Kakteen" << QStringList{" Alle", "Agave", "Aloe"} << "2 Gattungen";
}

void TestBrowser::genusCountLabels()
{
    QFETCH(QString, category);
    QFETCH(QStringList, genera);
    QFETCH(QString, label);
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    QVERIFY(clickRow(view->DBGrid2, category));
    QStringList shown;
    for (int r = 0; r < view->DBGrid4->model()->rowCount(); ++r)
        shown << view->DBGrid4->model()->index(r, 0).data().toString();
    QCOMPARE(shown, genera);
    QCOMPARE(app.state().GenusFilter, "(Kategorie LIKE '" + category + "') OR (Familie  LIKE ' Alle')");
    QCOMPARE(view->Label75->text(), label);
    QCOMPARE(app.tables().Tab_Gattung.text("Familie"), QStringLiteral(" Alle"));
}

void TestBrowser::search_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("genus");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("plants");

    QTest::newRow("name under a category") << "Stauden" << " Alle" << "Namen" << "ro"
                                           << "(Kategorie LIKE 'Stauden*') AND (Namen  LIKE 'ro*')"
                                           << QStringList{"Rosmarin", "Rotklee"};
    QTest::newRow("name under category and genus") << "Kakteen" << "Aloe" << "Namen" << "a"
                                                   << "(Kategorie LIKE 'Kakteen*') AND (Familie LIKE 'Aloe*') AND "
                                                      "(Namen  LIKE 'a*')"
                                                   << QStringList{"Aloe vera"};
    QTest::newRow("under  Alle the genus is ignored") << " Alle" << "Aloe" << "Namen" << "r"
                                                      << "(Namen LIKE 'r*')"
                                                      << QStringList{"Rainfarn", "Rosmarin", "Rotklee"};
    QTest::newRow("leading star finds inside") << " Alle" << " Alle" << "Namen" << "*lo"
                                               << "(Namen LIKE '*lo*')"
                                               << QStringList{"Aloe arborescens", "Aloe vera", "Phlox paniculata"};
    QTest::newRow("star alone: all plants") << "Stauden" << " Alle" << "Namen" << "*" << ""
                                            << QStringList{"Agave americana", "Aloe arborescens", "Aloe vera",
                                                           "Phlox paniculata", "Rainfarn", "Rosmarin", "Rotklee"};
    QTest::newRow("search field Gattung") << " Alle" << " Alle" << "Gattung" << "ph" << "(Familie LIKE 'ph*')"
                                          << QStringList{"Phlox paniculata", "Rainfarn"};
    QTest::newRow("blank genus: plants without genus") << "Stauden" << " Alle" << "Gattung" << " "
                                                       << "(Familie LIKE ' ')" << QStringList{"Rosmarin"};
    QTest::newRow("number, exact, in a category") << "Stauden" << " Alle" << "Nr." << "12"
                                                  << "(Kategorie LIKE 'Stauden') AND (Nr  LIKE '12')"
                                                  << QStringList{"Rosmarin"};
    QTest::newRow("number under  Alle") << " Alle" << " Alle" << "Nr." << "1" << "(Nr  LIKE '1')"
                                        << QStringList{"Aloe vera"};
}

void TestBrowser::search()
{
    QFETCH(QString, category);
    QFETCH(QString, genus);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, filter);
    QFETCH(QStringList, plants);

    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataTables &t = app.tables();
    QVERIFY(clickRow(view->DBGrid2, category));
    QVERIFY(clickRow(view->DBGrid4, genus));
    QVERIFY(choose(view->ComboBox5, field));
    QTest::keyClicks(view->Edit33, text);

    QCOMPARE(view->Edit33->text(), text);
    QCOMPARE(t.Tab_Pflanzen_test.filter(), filter);
    QVERIFY(t.Tab_Pflanzen_test.filtered());
    QCOMPARE(gridPlants(app), plants);
    QCOMPARE(view->Label16->text(), QString::number(plants.size()) + " Einträge gefunden!");
    QCOMPARE(view->Label6->text(), QStringLiteral("4 Einträge gefunden!"));
    // The category stays; the first plant found is on show.
    QCOMPARE(t.Tab_Kate_test.text("Namen"), category);
    QCOMPARE(app.state().SavedCategoryId, int(t.Tab_Kate_test.integer("ID")));
    QCOMPARE(view->Edit15->text(), plants.first());
    QCOMPARE(t.Tab_Kate_test.tag + t.Tab_Gattung.tag + t.Tab_Pflanzen_test.tag, 0);

    // Emptying the box lists every plant of the category, whatever the genus.
    view->Edit33->clear();
    if (category != QLatin1String(" Alle"))
        QCOMPARE(t.Tab_Pflanzen_test.filter(), "(Kategorie LIKE '" + category + "*')");
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestBrowser::starWithAllKeepsThePlantBox()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataTables &t = app.tables();
    QVERIFY(clickRow(view->DBGrid2, "Stauden"));
    QVERIFY(clickRow(view->DBGrid1, "Rotklee", 1));
    QCOMPARE(view->Edit15->text(), QStringLiteral("Rotklee"));
    QVERIFY(clickRow(view->DBGrid2, " Alle"));
    QVERIFY(clickRow(view->DBGrid1, "Rosmarin", 1));
    QCOMPARE(view->Edit15->text(), QStringLiteral("Rosmarin"));
    QTest::keyClicks(view->Edit33, "*");
    QVERIFY(!t.Tab_Pflanzen_test.filtered());
    QCOMPARE(gridPlants(app).size(), 7);
    QCOMPARE(t.Tab_Pflanzen_test.sort(), QStringLiteral("Namen"));
    QCOMPARE(view->Label16->text(), QStringLiteral("7 Einträge gefunden!"));
    QCOMPARE(view->Edit15->text(), QStringLiteral("Rosmarin")); // not refreshed
    QCOMPARE(t.Tab_Kate_test.tag + t.Tab_Gattung.tag + t.Tab_Pflanzen_test.tag, 0);
}

void TestBrowser::numberSearchRewritesTheBox()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    QVERIFY(choose(view->ComboBox5, "Nr."));
    // "1", "12", then "12x", which is not a number: the box is rewritten to 1, plant 1 searched.
    QTest::keyClicks(view->Edit33, "12");
    QCOMPARE(gridPlants(app), QStringList{"Rosmarin"});
    QTest::keyClicks(view->Edit33, "x");
    QCOMPARE(view->Edit33->text(), QStringLiteral("1"));
    QCOMPARE(app.tables().Tab_Pflanzen_test.filter(), QStringLiteral("(Nr  LIKE '1')"));
    QCOMPARE(gridPlants(app), QStringList{"Aloe vera"});
    QCOMPARE(view->Label125->text(), QStringLiteral("1"));
    // Leading zeros and blanks make the same number.
    view->Edit33->setText(QStringLiteral(" 012"));
    QCOMPARE(view->Edit33->text(), QStringLiteral("12"));
    QCOMPARE(gridPlants(app), QStringList{"Rosmarin"});
}

// A quote in a category name or in the search text does not break the filters.
void TestBrowser::searchWithQuoteInName()
{
    Catalogue app;
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Omas Garten''s')");
    app.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie) VALUES (20, 'Bauer''s Rose', 'Omas Garten''s')");
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    QVERIFY(clickRow(view->DBGrid2, "Omas Garten's"));
    QCOMPARE(gridPlants(app), QStringList{"Bauer's Rose"});
    QTest::keyClicks(view->Edit33, "Bauer'");
    QCOMPARE(gridPlants(app), QStringList{"Bauer's Rose"});
    QCOMPARE(view->Edit15->text(), QStringLiteral("Bauer's Rose"));
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestBrowser::yesNoFilter()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataTables &t = app.tables();
    QVERIFY(view->ComboBox6->isHidden());

    QVERIFY(choose(view->ComboBox5, "Nummeriert"));
    QVERIFY(!view->ComboBox6->isHidden());
    QCOMPARE(view->ComboBox6->geometry(), view->Edit33->geometry());
    QCOMPARE(view->ComboBox6->currentText(), QStringLiteral("Ja"));
    QCOMPARE(t.Tab_Pflanzen_test.filter(), QStringLiteral("(Kategorie LIKE '*') AND (Nummeriert LIKE 'Ja')"));
    QCOMPARE(gridPlants(app), (QStringList{"Aloe arborescens", "Aloe vera", "Phlox paniculata"}));

    // " Alle" and "Nein": every category.
    QVERIFY(choose(view->ComboBox6, "Nein"));
    QCOMPARE(gridPlants(app), (QStringList{"Agave americana", "Rainfarn", "Rosmarin", "Rotklee"}));
    QCOMPARE(view->Label16->text(), QStringLiteral("4 Einträge gefunden!"));
    QCOMPARE(view->Label6->text(), QStringLiteral("4 Einträge gefunden!"));
    // The plant box follows through the after-scroll notification.
    QCOMPARE(view->Edit15->text(), QStringLiteral("Agave americana"));

    // In a category; the field "Beschriftet".
    QVERIFY(clickRow(view->DBGrid2, "Stauden"));
    QVERIFY(choose(view->ComboBox5, "Beschriftet"));
    QCOMPARE(t.Tab_Pflanzen_test.filter(), QStringLiteral("(Kategorie LIKE 'Stauden*') AND (Beschriftet LIKE 'Ja')"));
    QCOMPARE(gridPlants(app), (QStringList{"Phlox paniculata", "Rosmarin"}));

    // Another field hides the list again.
    QVERIFY(choose(view->ComboBox5, "Bestand"));
    QVERIFY(view->ComboBox6->isHidden());
}

void TestBrowser::sortChoice()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    QVERIFY(clickRow(view->DBGrid1, "Rosmarin", 1));
    QVERIFY(choose(view->ComboBox8, "nach Nummern"));
    QStringList numbers;
    for (int r = 0; r < view->DBGrid1->model()->rowCount(); ++r)
        numbers << view->DBGrid1->model()->index(r, 0).data().toString();
    QCOMPARE(numbers, (QStringList{"1", "2", "3", "5", "6", "8", "12"}));
    // The user's choice: the first plant of the new order is current and shown.
    QCOMPARE(view->Edit15->text(), QStringLiteral("Aloe vera"));
    QCOMPARE(app.state().CurrentPlantId, int(app.tables().Tab_Pflanzen_test.integer("ID")));
    QVERIFY(choose(view->ComboBox8, "A - Z"));
    QCOMPARE(gridPlants(app).first(), QStringLiteral("Agave americana"));

    // A caller holding the scroll guard keeps its plant.
    QVERIFY(clickRow(view->DBGrid1, "Rotklee", 1));
    app.tables().Tab_Pflanzen_test.tag = 1;
    view->ComboBox8->setCurrentIndex(1);
    view->ComboBox8Change();
    app.tables().Tab_Pflanzen_test.tag = 0;
    QCOMPARE(app.tables().Tab_Pflanzen_test.text("Namen"), QStringLiteral("Rotklee"));
}

void TestBrowser::typeAheadInPlantGrid()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataGrid *grid = view->DBGrid1;
    grid->setFocus();
    QTest::keyClick(grid, 'R');
    QCOMPARE(app.state().TypeAheadText, QStringLiteral("R"));
    QCOMPARE(view->Edit15->text(), QStringLiteral("Rainfarn"));
    QTest::keyClick(grid, Qt::Key_O);
    QCOMPARE(app.state().TypeAheadText, QStringLiteral("Ro"));
    QCOMPARE(view->Edit15->text(), QStringLiteral("Rosmarin"));
    QCOMPARE(grid->currentIndex().row(), rowOf(grid, "Rosmarin", 1));
    // A digit is no letter: the text starts again and the first plant is found.
    QTest::keyClick(grid, Qt::Key_5);
    QCOMPARE(app.state().TypeAheadText, QString());
    QCOMPARE(view->Edit15->text(), QStringLiteral("Agave americana"));
    // Letters in any case; a press of the mouse starts again.
    QTest::keyClicks(grid, "pH");
    QCOMPARE(view->Edit15->text(), QStringLiteral("Phlox paniculata"));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
    QCOMPARE(app.state().TypeAheadText, QString());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
    // Umlauts count as letters.
    QTest::keyClick(grid, 'R');
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QString::fromUtf8("ä"));
    QApplication::sendEvent(grid, &umlaut);
    QCOMPARE(app.state().TypeAheadText, QString::fromUtf8("Rä"));
}

void TestBrowser::typeAheadInGenusGrid()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataGrid *grid = view->DBGrid4;
    grid->setFocus();
    QTest::keyClicks(grid, "ag");
    QCOMPARE(app.tables().Tab_Gattung.text("Familie"), QStringLiteral("Agave"));
    QTest::keyClick(grid, Qt::Key_P);
    QCOMPARE(app.state().TypeAheadText, QStringLiteral("agp"));
    QCOMPARE(app.tables().Tab_Gattung.text("Familie"), QStringLiteral("Agave")); // no genus starts so
    // The genus chain ran: the plant list shows the genus's plants.
    QCOMPARE(gridPlants(app), QStringList{"Agave americana"});
    QCOMPARE(view->Label16->text(), QStringLiteral("1 Eintrag gefunden!"));
    // Leaving the grid starts the search again.
    view->Edit33->setFocus();
    QCOMPARE(app.state().TypeAheadText, QString());
}

void TestBrowser::hoverHighlightsAndFocuses()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    const QColor lightBlue = fromWinColour(0xFFE7D9);
    app.state().TypeAheadText = QStringLiteral("Ro");
    QTest::mouseMove(view->DBGrid4->viewport(), {20, 10});
    QVERIFY(view->DBGrid4->hasFocus());
    QCOMPARE(view->DBGrid4->palette().color(QPalette::Base), lightBlue);
    QVERIFY(view->DBGrid2->palette().color(QPalette::Base) != lightBlue);
    QCOMPARE(app.state().TypeAheadText, QStringLiteral("Ro")); // kept over the genus grid

    QTest::mouseMove(view->DBGrid1->viewport(), {30, 10});
    QVERIFY(view->DBGrid1->hasFocus());
    QCOMPARE(view->DBGrid1->palette().color(QPalette::Base), lightBlue);
    QVERIFY(view->DBGrid4->palette().color(QPalette::Base) != lightBlue);
    QCOMPARE(app.state().TypeAheadText, QString());

    QTest::mouseMove(view->Edit33, {10, 5});
    QVERIFY(view->Edit33->hasFocus());
}

void TestBrowser::rightClickShowsPlantAndOpensListMenu()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    QCOMPARE(view->Edit15->text(), QStringLiteral("Agave americana"));
    QVERIFY(clickRow(view->DBGrid1, "Rainfarn", 1, Qt::RightButton));
    QCOMPARE(view->Edit15->text(), QStringLiteral("Rainfarn"));
    QCOMPARE(app.tables().Tab_Pflanzen_test.text("Namen"), QStringLiteral("Rainfarn"));
    QMenu *menu = view->ListMenu;
    QTRY_VERIFY(menu->isVisible());
    QStringList items;
    for (QAction *a : menu->actions())
        items << a->text();
    QCOMPARE(items, (QStringList{"Zu einer Liste hinzufügen", "Pflanze ist auf Liste ...", "Abbrechen"}));

    // "Abbrechen" only closes the menu.
    menu->actions().at(2)->trigger();
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());

    // The name field opens it too; its first item opens the list window over the disabled main window.
    QTest::mousePress(view->Edit15, Qt::RightButton, {}, {5, 5});
    QTRY_VERIFY(menu->isVisible());
    menu->actions().at(0)->trigger();
    menu->close();
    AppWindow *lists = app.find<AppWindow>("TListe");
    QVERIFY(lists->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    lists->closeAndReturn();
    QVERIFY(app.mainWindow()->isEnabled());
    view->PflanzegehrtzuListe1Click();
    AppWindow *onLists = app.find<AppWindow>("TAufListe");
    QVERIFY(onLists->isVisible());
    onLists->closeAndReturn();
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestBrowser::datePickerFillsSowingAndFlowering()
{
    Catalogue app;
    app.prompter().setToday(QDate(2024, 5, 17));
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    QCalendarWidget *picker = view->MonthCalendar3;
    view->Image15->click();
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->selectedDate(), QDate(2024, 5, 17));
    QCOMPARE(Tag::of(picker), 1);
    emit picker->activated(QDate(2024, 5, 17)); // a double click on the date
    QCOMPARE(view->Edit12->text(), QStringLiteral("17.05.2024"));
    QCOMPARE(Tag::of(picker), 0);
    QVERIFY(!picker->isVisible());

    view->Image13->click();
    QCOMPARE(Tag::of(picker), 2);
    picker->setSelectedDate(QDate(2024, 6, 3));
    emit picker->activated(QDate(2024, 6, 3));
    QCOMPARE(view->Edit13->text(), QStringLiteral("03.06.2024"));
    QCOMPARE(view->Edit12->text(), QStringLiteral("17.05.2024"));

    // The sowing field's hint names the plant under the mouse.
    QTest::mouseMove(view->Edit12, {5, 5});
    QCOMPARE(view->Edit12->toolTip(), view->Edit15->text());
}

void TestBrowser::pageLeftAndShown()
{
    Catalogue app;
    HauptansichtPage *view = app.start();
    QVERIFY(view);
    DataTables &t = app.tables();
    QVERIFY(clickRow(view->DBGrid2, "Kakteen"));
    QVERIFY(clickRow(view->DBGrid4, "Aloe"));
    const int aloe = int(t.Tab_Gattung.integer("ID"));
    app.mainWindow()->activatePage("TabSheet5");
    QCOMPARE(app.state().CurrentGenusId, aloe);
    QCOMPARE(app.state().CurrentPlantId, int(t.Tab_Pflanzen_test.integer("ID")));
    const int plant = app.state().CurrentPlantId;
    {
        // Something else moved the cursors for its own purposes.
        t.Tab_Gattung.tag = t.Tab_Pflanzen_test.tag = 1;
        t.Tab_Gattung.first();
        t.Tab_Pflanzen_test.setFiltered(false);
        t.Tab_Pflanzen_test.last();
        t.Tab_Gattung.tag = t.Tab_Pflanzen_test.tag = 0;
    }
    app.mainWindow()->activatePage("TabSheet1");
    QCOMPARE(t.Tab_Gattung.text("Familie"), QStringLiteral("Aloe"));
    QCOMPARE(int(t.Tab_Pflanzen_test.integer("ID")), plant);
    QCOMPARE(view->Label16->text(), QStringLiteral("7 Einträge gefunden!"));
}

VINDEL_TEST_MAIN(TestBrowser)
#include "test_browser.moc"
