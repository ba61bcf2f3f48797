// Categories and genera maintained from the main view: adding, renaming with the cascade to
// genera and plants (exact names only, all or nothing), deleting, the " Alle" rows protected.
#include "BrowserTestSupport.h"
#include "app/Tag.h"
#include "catalogue/TGattung.h"
#include "catalogue/TKategorie.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace browsertest;

namespace {

// Types text the way the keyboard does, umlauts included.
void type(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, c.unicode() < 128 && c.isLetter() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_A,
                            QString(c), Qt::NoModifier);
}

// The small catalogue with a category that differs from Stauden only in case: it is never
// touched by what happens to Stauden.
struct MixedCaseCatalogue : Catalogue {
    MixedCaseCatalogue()
    {
        exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie) VALUES (30, 'Salbei', 'stauden', 'Salvia')");
        exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Salvia', 'stauden')");
    }
};

QStringList column(AppFixture &app, const QString &sql)
{
    QStringList values;
    for (const auto &row : app.select(sql))
        values << row[0].toString();
    return values;
}

QStringList items(QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

TKategorie *categoryDialog(AppFixture &app) { return app.find<TKategorie>("TKategorie"); }
TGattung *genusDialog(AppFixture &app) { return app.find<TGattung>("TGattung"); }

// Clicks a button that opens a dialog and waits until the dialog is the active window, so that
// closing it returns to the main window as it does for a person.
template <class Dialog> Dialog *open(QPushButton *button, Dialog *dialog)
{
    button->click();
    return dialog->isVisible() && QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

} // namespace

class TestCategories : public QObject {
    Q_OBJECT
private slots:
    void addCategory();
    void renameCarriesPlantsAndGenera();
    void cancelThenRename();
    void emptyNameIsRefused();
    void failedRenameChangesNothing();
    void deleteCategoryWithPlants();
    void deleteAnswerNoKeepsAll();
    void allIsProtected_data();
    void allIsProtected();
    void addGenus();
    void renameGenus();
    void renameGenusMovingItToAnotherCategory();
    void genusListOpenedWhileRenaming();
    void deleteGenus();
};

void TestCategories::addCategory()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QCOMPARE(page->BitBtn41->toolTip(), QStringLiteral("Neue Kategorie anlegen!"));
    QVERIFY(clickRow(page->DBGrid2, "Kakteen"));
    TKategorie *dialog = open(page->BitBtn41, categoryDialog(app));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(Tag::of(page->BitBtn41), 1);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Kategorie"));
    QCOMPARE(dialog->size(), QSize(416, 264));
    QCOMPARE(dialog->Label1->text(), QStringLiteral("Neue Kategorie anlegen"));
    QCOMPARE(dialog->Label2->text(), QStringLiteral("Neuer Name:"));
    QVERIFY(dialog->Label4->isHidden());
    QCOMPARE(dialog->Edit1->text(), QString());
    QVERIFY(!dialog->SaveButton->isEnabled());
    type(dialog->Edit1, QStringLiteral("Gräser"));
    QVERIFY(dialog->SaveButton->isEnabled());
    dialog->SaveButton->click();

    QVERIFY(!dialog->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(Tag::of(page->BitBtn41) + Tag::of(page->BitBtn42), 0);
    QCOMPARE(column(app, "SELECT Namen FROM Kategorien ORDER BY ID"),
             (QStringList{" Alle", "Stauden", "Kakteen", "Zwiebeln", "Gräser"}));
    const QStringList lists{"Gräser", "Kakteen", "Stauden", "Zwiebeln"};
    QCOMPARE(items(app.find<QComboBox>("ComboBox1")), lists);
    QCOMPARE(items(page->ComboBox2), lists);
    QCOMPARE(items(page->ComboBox2).size(), 4);
    // Back on the category that was current, shown anew.
    QCOMPARE(app.tables().Tab_Kate_test.text("Namen"), QStringLiteral("Kakteen"));
    QCOMPARE(gridPlants(app), (QStringList{"Agave americana", "Aloe vera"}));
    QVERIFY(rowOf(page->DBGrid2, "Gräser") >= 0);
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.tables().Tab_Kate_test.text("Namen"), QStringLiteral("Kakteen"));
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestCategories::renameCarriesPlantsAndGenera()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Stauden"));
    TKategorie *dialog = open(page->BitBtn42, categoryDialog(app));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(Tag::of(page->BitBtn42), 1);
    QCOMPARE(dialog->Label1->text(), QStringLiteral("Kategorie ändern"));
    QCOMPARE(dialog->Label2->text(), QStringLiteral("Name:"));
    QVERIFY(!dialog->Label4->isHidden());
    QCOMPARE(dialog->Label4->text(), QStringLiteral("Der geänderte Name der Kategorie wird bei allen Gattungen und "
                                                    "Pflanzen dieser Kategorie entsprechend geändert!"));
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("Stauden"));
    QVERIFY(!dialog->SaveButton->isEnabled());
    dialog->Edit1->selectAll();
    type(dialog->Edit1, QStringLiteral("Gräser"));
    dialog->SaveButton->click();
    QVERIFY(!dialog->isVisible());

    QCOMPARE(column(app, "SELECT Namen FROM Pflanzen WHERE Kategorie = 'Gräser' ORDER BY Nr"),
             (QStringList{"Phlox paniculata", "Rotklee", "Aloe arborescens", "Rainfarn", "Rosmarin"}));
    QCOMPARE(column(app, "SELECT Familie FROM Gattung WHERE Kategorie = 'Gräser'"), QStringList{"Phlox"});
    QCOMPARE(column(app, "SELECT count(*) FROM Pflanzen WHERE Kategorie = 'Stauden'"), QStringList{"0"});
    QCOMPARE(column(app, "SELECT Kategorie FROM Pflanzen WHERE Nr = 30"), QStringList{"stauden"});
    QCOMPARE(column(app, "SELECT Kategorie FROM Gattung WHERE Familie = 'Salvia'"), QStringList{"stauden"});
    QCOMPARE(column(app, "SELECT Kategorie FROM Pflanzen WHERE Nr = 1"), QStringList{"Kakteen"});
    QCOMPARE(items(page->ComboBox2), (QStringList{"Gräser", "Kakteen", "Zwiebeln"}));
    QCOMPARE(items(app.find<QComboBox>("ComboBox1")), (QStringList{"Gräser", "Kakteen", "Zwiebeln"}));
    // The old name is gone: the first category is on show.
    QCOMPARE(app.tables().Tab_Kate_test.text("Namen"), QStringLiteral(" Alle"));
    QVERIFY(clickRow(page->DBGrid2, "Gräser"));
    QCOMPARE(gridPlants(app),
             (QStringList{"Aloe arborescens", "Phlox paniculata", "Rainfarn", "Rosmarin", "Rotklee"}));
    QCOMPARE(Tag::of(page->BitBtn41) + Tag::of(page->BitBtn42), 0);
}

void TestCategories::cancelThenRename()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Zwiebeln"));
    TKategorie *dialog = open(page->BitBtn41, categoryDialog(app));
    QVERIFY(dialog);
    type(dialog->Edit1, QStringLiteral("Farne"));
    dialog->CancelButton->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(Tag::of(page->BitBtn41) + Tag::of(page->BitBtn42), 0);
    QCOMPARE(column(app, "SELECT count(*) FROM Kategorien"), QStringList{"4"});
    QVERIFY(app.returnToMainWindow());

    QVERIFY(open(page->BitBtn42, dialog));
    QCOMPARE(dialog->Label1->text(), QStringLiteral("Kategorie ändern"));
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("Zwiebeln"));
    dialog->Edit1->selectAll();
    type(dialog->Edit1, QStringLiteral("Knollen"));
    dialog->SaveButton->click();
    QCOMPARE(column(app, "SELECT Namen FROM Kategorien ORDER BY ID"),
             (QStringList{" Alle", "Stauden", "Kakteen", "Knollen"}));
}

// Deleting the name again leaves the button enabled, but an empty name is not stored.
void TestCategories::emptyNameIsRefused()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Stauden"));
    TKategorie *dialog = open(page->BitBtn42, categoryDialog(app));
    QVERIFY(dialog);
    type(dialog->Edit1, QStringLiteral("x"));
    dialog->Edit1->selectAll();
    QTest::keyClick(dialog->Edit1, Qt::Key_Backspace);
    QVERIFY(dialog->SaveButton->isEnabled());
    dialog->SaveButton->click();
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error),
             QStringList{"Bitte geben Sie einen Namen für die Kategorie ein!"});
    QVERIFY(dialog->isVisible());
    QCOMPARE(column(app, "SELECT count(*) FROM Pflanzen WHERE Kategorie = 'Stauden'"), QStringList{"5"});
    dialog->CancelButton->click();
}

// A failure in the middle of the cascade leaves the database and the table objects as before.
void TestCategories::failedRenameChangesNothing()
{
    MixedCaseCatalogue app;
    app.exec("CREATE TRIGGER no_genus_change BEFORE UPDATE ON Gattung BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    DataTables &t = app.tables();
    QVERIFY(clickRow(page->DBGrid2, "Stauden"));
    TKategorie *dialog = open(page->BitBtn42, categoryDialog(app));
    QVERIFY(dialog);
    dialog->Edit1->selectAll();
    type(dialog->Edit1, QStringLiteral("Gräser"));
    dialog->SaveButton->click();

    QCOMPARE(app.prompter().messageTexts(MessageKind::Error).size(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(column(app, "SELECT count(*) FROM Kategorien WHERE Namen = 'Stauden'"), QStringList{"1"});
    QCOMPARE(column(app, "SELECT count(*) FROM Pflanzen WHERE Kategorie = 'Stauden'"), QStringList{"5"});
    QCOMPARE(column(app, "SELECT count(*) FROM Pflanzen WHERE Kategorie = 'Gräser'"), QStringList{"0"});
    // The table objects read the same.
    QVERIFY(t.Tab_Kate_test.locate("Namen", "Stauden"));
    QVERIFY(!t.Tab_Kate_test.locate("Namen", QString::fromUtf8("Gräser")));
    t.Tab_Pflanzen_test.tag = 1;
    QVERIFY(t.Tab_Pflanzen_test.locate("Nr", 3));
    QCOMPARE(t.Tab_Pflanzen_test.text("Kategorie"), QStringLiteral("Stauden"));
    t.Tab_Pflanzen_test.tag = 0;
    QCOMPARE(t.Tab_Kate_test.tag + t.Tab_Gattung.tag + t.Tab_Pflanzen_test.tag, 0);
    dialog->CancelButton->click();
    QVERIFY(app.mainWindow()->isEnabled());
}

void TestCategories::deleteCategoryWithPlants()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QCOMPARE(page->BitBtn40->toolTip(), QStringLiteral("Kategorie Löschen?"));
    QVERIFY(clickRow(page->DBGrid2, "Stauden"));
    app.prompter().answerYes();
    page->BitBtn40->click();
    QCOMPARE(app.prompter().messageTexts(),
             (QStringList{"Die Kategorie \"Stauden\" wirklich löschen? \n\nHinweis: \n\nEs wird bei den Pflanzen der "
                          "gelöschten Kategorie ein leeres Feld eingetragen ! ",
                          "Kategorie wurde gelöscht! "}));
    QCOMPARE(column(app, "SELECT Namen FROM Kategorien ORDER BY ID"), (QStringList{" Alle", "Kakteen", "Zwiebeln"}));
    QCOMPARE(column(app, "SELECT Nr FROM Pflanzen WHERE Kategorie = '' ORDER BY Nr"),
             (QStringList{"3", "5", "6", "8", "12"}));
    QCOMPARE(column(app, "SELECT Kategorie FROM Pflanzen WHERE Nr = 30"), QStringList{"stauden"});
    // Its genera keep the old category.
    QCOMPARE(column(app, "SELECT Kategorie FROM Gattung WHERE Familie = 'Phlox'"), QStringList{"Stauden"});
    QCOMPARE(items(page->ComboBox2), (QStringList{"Kakteen", "Zwiebeln"}));
    QCOMPARE(items(app.find<QComboBox>("ComboBox1")), (QStringList{"Kakteen", "Zwiebeln"}));
    // The first category is on show; the plants are listed under " Alle" only.
    QCOMPARE(app.tables().Tab_Kate_test.text("Namen"), QStringLiteral(" Alle"));
    QVERIFY(gridPlants(app).contains("Phlox paniculata"));
    QVERIFY(page->DBGrid1->hasFocus());
    QVERIFY(clickRow(page->DBGrid2, "Kakteen"));
    QVERIFY(!gridPlants(app).contains("Phlox paniculata"));
}

void TestCategories::deleteAnswerNoKeepsAll()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Stauden"));
    app.prompter().answerNo();
    page->BitBtn40->click();
    QCOMPARE(app.prompter().messageTexts().size(), 1);
    QCOMPARE(column(app, "SELECT count(*) FROM Kategorien"), QStringList{"4"});
    QCOMPARE(column(app, "SELECT count(*) FROM Pflanzen WHERE Kategorie = 'Stauden'"), QStringList{"5"});
    QVERIFY(page->DBGrid1->hasFocus());
}

void TestCategories::allIsProtected_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("rename category") << "BitBtn42"
                                     << "Die Kategorie \" Alle\"\n\nkann nicht geändert werden, sie ist für das System "
                                        "notwendig!";
    QTest::newRow("delete category") << "BitBtn40"
                                     << "Die Kategorie \" Alle\"\n\nkann nicht gelöscht werden, sie ist für das System "
                                        "notwendig!";
    QTest::newRow("rename genus") << "BitBtn7"
                                  << "Die Gattung \" Alle\"\n\nkann nicht geändert werden, sie ist für das System "
                                     "notwendig!";
    QTest::newRow("delete genus") << "BitBtn30"
                                  << "Die Gattung \" Alle\"\n\nkann nicht gelöscht werden, sie ist für das System "
                                     "notwendig!";
}

void TestCategories::allIsProtected()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, " Alle"));
    QVERIFY(clickRow(page->DBGrid4, " Alle"));
    app.find<QPushButton>(button)->click();
    QCOMPARE(app.prompter().messages().size(), 1);
    QCOMPARE(app.prompter().messages().first().kind, MessageKind::Error);
    QCOMPARE(app.prompter().messageTexts().first(), message);
    QVERIFY(!categoryDialog(app)->isVisible() && !genusDialog(app)->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(Tag::of(page->BitBtn42) + Tag::of(page->BitBtn7), 0);
    QCOMPARE(column(app, "SELECT count(*) FROM Kategorien WHERE Namen = ' Alle'"), QStringList{"1"});
    QCOMPARE(column(app, "SELECT count(*) FROM Gattung WHERE Familie = ' Alle'"), QStringList{"1"});
}

void TestCategories::addGenus()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Kakteen"));
    TGattung *dialog = open(page->BitBtn29, genusDialog(app));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Gattung"));
    QCOMPARE(dialog->TitleLabel->text(), QStringLiteral("Neue Gattung anlegen"));
    QCOMPARE(dialog->NameLabel->text(), QStringLiteral("Neuer Name:"));
    QVERIFY(dialog->NoteLabel->isHidden());
    QCOMPARE(dialog->ComboBox1->currentText(), QStringLiteral("Kakteen"));
    QCOMPARE(dialog->Edit1->text(), QString());
    QVERIFY(!dialog->SaveButton->isEnabled());
    type(dialog->Edit1, QStringLiteral("Opuntia"));
    QVERIFY(dialog->SaveButton->isEnabled());
    dialog->SaveButton->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(Tag::of(page->BitBtn29) + Tag::of(page->BitBtn7), 0);
    QCOMPARE(column(app, "SELECT Kategorie FROM Gattung WHERE Familie = 'Opuntia'"), QStringList{"Kakteen"});
    QVERIFY(app.returnToMainWindow());
    QVERIFY(rowOf(page->DBGrid4, "Opuntia") >= 0);
    QCOMPARE(page->Label75->text(), QStringLiteral("3 Gattungen"));
}

void TestCategories::renameGenus()
{
    MixedCaseCatalogue app;
    app.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie) VALUES (31, 'Agave parryi', 'Kakteen', 'agave')");
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Kakteen"));
    QVERIFY(clickRow(page->DBGrid4, "Agave"));
    TGattung *dialog = open(page->BitBtn7, genusDialog(app));
    QVERIFY(dialog);
    QCOMPARE(dialog->TitleLabel->text(), QStringLiteral("Gattung ändern"));
    QCOMPARE(dialog->NameLabel->text(), QStringLiteral("Name:"));
    QCOMPARE(dialog->NoteLabel->text(),
             QStringLiteral("Der geänderte Name der Gattung wird bei allen Pflanzen dieser Gattung entsprechend geändert!"));
    QVERIFY(!dialog->NoteLabel->isHidden());
    QCOMPARE(dialog->ComboBox1->currentText(), QStringLiteral("Kakteen"));
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("Agave"));
    QVERIFY(!dialog->SaveButton->isEnabled());
    dialog->Edit1->selectAll();
    type(dialog->Edit1, QStringLiteral("Agavé"));
    dialog->SaveButton->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(column(app, "SELECT Namen FROM Pflanzen WHERE Familie = 'Agavé'"), QStringList{"Agave americana"});
    QCOMPARE(column(app, "SELECT Familie FROM Pflanzen WHERE Nr = 31"), QStringList{"agave"});
    QCOMPARE(column(app, "SELECT Kategorie FROM Gattung WHERE Familie = 'Agavé'"), QStringList{"Kakteen"});
    // The list shows the renamed genus's plants, also after the return to the main window.
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.tables().Tab_Gattung.text("Familie"), QString::fromUtf8("Agavé"));
    QCOMPARE(gridPlants(app), QStringList{"Agave americana"});
    QCOMPARE(page->Label16->text(), QStringLiteral("1 Einträge gefunden!"));
}

void TestCategories::renameGenusMovingItToAnotherCategory()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Kakteen"));
    QVERIFY(clickRow(page->DBGrid4, "Aloe"));
    TGattung *dialog = open(page->BitBtn7, genusDialog(app));
    QVERIFY(dialog);
    dialog->ComboBox1->setFocus();
    dialog->ComboBox1->lineEdit()->selectAll();
    type(dialog->ComboBox1->lineEdit(), QStringLiteral("Stauden"));
    dialog->SaveButton->click();
    QCOMPARE(column(app, "SELECT Kategorie FROM Gattung WHERE Familie = 'Aloe'"), QStringList{"Stauden"});
    // Its plants keep their own category.
    QCOMPARE(column(app, "SELECT Kategorie FROM Pflanzen WHERE Familie = 'Aloe' ORDER BY Nr"),
             (QStringList{"Kakteen", "Stauden"}));

    // Under " Alle" the dialog shows the genus's own category, so saving keeps it there.
    QVERIFY(app.returnToMainWindow());
    QVERIFY(clickRow(page->DBGrid2, " Alle"));
    QVERIFY(clickRow(page->DBGrid4, "Agave"));
    QVERIFY(open(page->BitBtn7, dialog));
    QCOMPARE(dialog->ComboBox1->currentText(), QStringLiteral("Kakteen"));
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("Agave"));
    type(dialog->Edit1, QStringLiteral("n"));
    dialog->SaveButton->click();
    QCOMPARE(column(app, "SELECT Kategorie FROM Gattung WHERE Familie = 'Agaven'"), QStringList{"Kakteen"});
}

void TestCategories::genusListOpenedWhileRenaming()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid2, "Stauden"));
    QVERIFY(clickRow(page->DBGrid4, "Phlox"));
    const QString categoryBefore = app.tables().Tab_Kate_test.text("Namen");
    TGattung *dialog = open(page->BitBtn7, genusDialog(app));
    QVERIFY(dialog);
    dialog->ComboBox1->showPopup();
    QCOMPARE(items(dialog->ComboBox1), (QStringList{"Kakteen", "Stauden", "Zwiebeln"}));
    QCOMPARE(dialog->ComboBox1->currentText(), QStringLiteral("Stauden"));
    dialog->ComboBox1->hidePopup();
    QCOMPARE(app.tables().Tab_Kate_test.tag, 0);
    QCOMPARE(app.tables().Tab_Gattung.text("Familie"), QStringLiteral("Phlox"));
    dialog->Edit1->selectAll();
    type(dialog->Edit1, QStringLiteral("Flammenblume"));
    dialog->SaveButton->click();
    QCOMPARE(column(app, "SELECT Familie FROM Gattung WHERE Kategorie = 'Stauden'"), QStringList{"Flammenblume"});
    QCOMPARE(column(app, "SELECT Namen FROM Pflanzen WHERE Familie = 'Flammenblume' ORDER BY Nr"),
             (QStringList{"Phlox paniculata", "Rainfarn"}));
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.tables().Tab_Kate_test.text("Namen"), categoryBefore);
}

void TestCategories::deleteGenus()
{
    MixedCaseCatalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QCOMPARE(page->BitBtn30->toolTip(), QStringLiteral("Gattung Löschen?"));
    QVERIFY(clickRow(page->DBGrid2, "Kakteen"));
    QVERIFY(clickRow(page->DBGrid4, "Aloe"));
    app.prompter().answerNo();
    page->BitBtn30->click();
    QCOMPARE(column(app, "SELECT count(*) FROM Gattung WHERE Familie = 'Aloe'"), QStringList{"1"});
    app.prompter().answerYes();
    page->BitBtn30->click();
    QCOMPARE(app.prompter().messageTexts().last(),
             QStringLiteral("Die Gattung \"Aloe\"\n\naus der Kategorie \"Kakteen\"\n\nwirklich löschen? "));
    QCOMPARE(column(app, "SELECT count(*) FROM Gattung WHERE Familie = 'Aloe'"), QStringList{"0"});
    QCOMPARE(column(app, "SELECT count(*) FROM Pflanzen WHERE Familie = 'Aloe'"), QStringList{"2"});
    QVERIFY(page->DBGrid1->hasFocus());
    QVERIFY(rowOf(page->DBGrid4, "Aloe") < 0);
}

VINDEL_TEST_MAIN(TestCategories)
#include "test_categories.moc"
