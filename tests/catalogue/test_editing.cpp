// The editing mode of the main view's plant box, renumbering through the number dialog, and the
// buttons that delete and duplicate a plant, all driven through the controls.
#include "EditingTestSupport.h"

#include "app/Colours.h"
#include "app/DataGrid.h"
#include "app/Tag.h"
#include "catalogue/FieldColours.h"
#include "catalogue/NameCheck.h"
#include "catalogue/NeuePflanzePage.h"
#include "catalogue/SuggestionBox.h"
#include "catalogue/TNr.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace editingtest;

namespace {

QColor baseOf(QWidget *w) { return w->palette().color(QPalette::Base); }
const QColor kPink = fromWinColour(kEditableFieldColour);

SuggestionBox *box(Garden &g, const char *name) { return g.find<SuggestionBox>(name); }

QStringList openList(SuggestionBox *b)
{
    b->showPopup();
    b->hidePopup();
    return b->suggestions();
}

// Chooses a number in the number dialog the way the user does: click the number field, type, OK.
bool renumber(Garden &g, const QString &number, bool ok = true)
{
    QTest::mouseClick(g.edit("Edit46"), Qt::LeftButton);
    auto *dialog = g.app.find<TNr>("TNr");
    if (!dialog || !dialog->isVisible() || g.app.mainWindow()->isEnabled())
        return false;
    dialog->Edit1->setText(number);
    (ok ? dialog->BitBtn2 : dialog->BitBtn1)->click();
    return !dialog->isVisible() && g.app.mainWindow()->isEnabled() && g.app.returnToMainWindow();
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void editingModeOpensTheFields();
    void savingStoresEveryField();
    void cancelStoresNothingAndShowsTheStoredPlant();
    void nameCheckOnlyWhileEditing();
    void renumberingCarriesDiaryAndLists();
    void renumberingThenCancelKeepsTheNumber();
    void editingBoxesSuggest();
    void anotherPlantAfterEditing();
    void savingAfterAnotherPlantBecameCurrent();
    void deleteAsksAndTakesOnlyThatPlant();
    void deleteTheLastPlant();
    void duplicate_data();
    void duplicate();
};

void TestEditing::editingModeOpensTheFields()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    auto *bitBtn3 = g.find<QPushButton>("BitBtn3");
    QCOMPARE(bitBtn3->text(), QStringLiteral("Daten ändern"));
    QVERIFY(g.find("BitBtn4")->isHidden());
    QVERIFY(g.edit("Edit15")->isReadOnly());
    bitBtn3->click();

    QCOMPARE(Tag::of(bitBtn3), 1);
    QCOMPARE(bitBtn3->text(), QStringLiteral("Speichern"));
    QVERIFY(g.find("BitBtn4")->isVisible());
    QVERIFY(g.find("BitBtn5")->isHidden());
    QVERIFY(g.find("BitBtn22")->isHidden());
    for (const char *grid : {"DBGrid1", "DBGrid2", "DBGrid4"})
        QVERIFY2(!g.find(grid)->isEnabled(), grid);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.tag, 1);
    QCOMPARE(g.app.state().CurrentPlantNr, 7);
    for (const char *name : {"Edit15", "Edit8", "Edit17", "Edit13", "Edit12", "Edit11", "Edit10", "Edit49", "Edit24"}) {
        QVERIFY2(!g.edit(name)->isReadOnly(), name);
        QVERIFY2(baseOf(g.edit(name)) == kPink, name);
    }
    QVERIFY(g.edit("Edit46")->isVisible());
    QVERIFY(g.edit("Edit46")->isReadOnly());
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("7"));
    QVERIFY(g.find("CheckBox1")->isEnabled());
    QVERIFY(g.find("ComboBox7")->isEnabled());
    QVERIFY(g.find("Image15")->isVisible());
    QVERIFY(g.find("Image13")->isVisible());
    auto *category = g.find<QComboBox>("ComboBox2");
    QVERIFY(category->isVisible());
    QCOMPARE(category->currentText(), QStringLiteral("Sträucher"));
    QCOMPARE(category->geometry(), g.edit("Edit16")->geometry());

    const std::pair<const char *, const char *> overlays[] = {
        {"ComboBox12", "Edit9"}, {"ComboBox10", "Edit14"}, {"ComboBox11", "Edit27"}, {"ComboBox18", "Edit25"},
        {"ComboBox17", "Edit34"}, {"ComboBox22", "Edit4"}, {"ComboBox23", "Edit30"}};
    for (const auto &[name, under] : overlays) {
        SuggestionBox *b = box(g, name);
        QVERIFY2(b && b->isVisible(), name);
        QCOMPARE(b->geometry(), g.edit(under)->geometry());
        QCOMPARE(b->currentText(), g.edit(under)->text());
        QVERIFY2(baseOf(b) == kPink, name);
    }
    QCOMPARE(box(g, "ComboBox17")->currentText(), QStringLiteral("Rosa"));
    QCOMPARE(box(g, "ComboBox12")->currentText(), QStringLiteral("Markt"));

    // The boxes stay over their fields when the window grows.
    g.app.mainWindow()->resize(1300, 900);
    QTRY_COMPARE(box(g, "ComboBox12")->geometry(), g.edit("Edit9")->geometry());
}

void TestEditing::savingStoresEveryField()
{
    Garden g;
    g.app.prompter().setNow(QDateTime(QDate(2024, 9, 2), QTime(8, 15)));
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    g.edit("Edit15")->setText(QStringLiteral("Rosa canina rubra"));
    g.edit("Edit8")->setText(QStringLiteral("am Tor"));
    box(g, "ComboBox22")->setEditText(QStringLiteral("canina"));
    box(g, "ComboBox23")->setEditText(QStringLiteral("rubra"));
    g.edit("Edit10")->setText(QStringLiteral("5 l"));
    g.edit("Edit11")->setText(QStringLiteral("7,90"));
    g.edit("Edit24")->setText(QStringLiteral("2020"));
    box(g, "ComboBox10")->setEditText(QStringLiteral("Terrasse"));
    box(g, "ComboBox11")->setEditText(QStringLiteral("Wintergarten"));
    box(g, "ComboBox12")->setEditText(QStringLiteral("Tausch"));
    box(g, "ComboBox18")->setEditText(QStringLiteral("Hecke"));
    g.find<QComboBox>("ComboBox2")->setEditText(QStringLiteral("Stauden"));
    g.edit("Edit12")->setText(QStringLiteral("März"));
    g.edit("Edit13")->setText(QStringLiteral("Juni"));
    box(g, "ComboBox17")->setEditText(QStringLiteral("Rosa"));
    g.edit("Edit17")->setText(QStringLiteral("Hagebutte"));
    g.edit("Edit49")->setText(QStringLiteral("F-3"));
    g.find<QComboBox>("ComboBox7")->setCurrentText(QStringLiteral("Bild3"));
    g.find<QCheckBox>("CheckBox1")->setChecked(true);
    g.find<QCheckBox>("CheckBox2")->setChecked(false);
    g.find<QPushButton>("BitBtn3")->click();

    QCOMPARE(g.app.prompter().messageTexts(),
             QStringList{QStringLiteral("Daten von \n\"Rosa canina rubra\"\nwurden geändert")});
    const auto row = g.app.select(
        "SELECT Nr, Namen, Bezeichnung, Art, Variante, Töpfe, Kaufpreis, Bestand, Sommer, Winter, Herkunft, Vorkommen, "
        "Kategorie, Aussaat, Blüte, Familie, Mundart, Feldnummer, FotoListe, Nummeriert, Beschriftet, Bild1, "
        "Beschreibung FROM Pflanzen WHERE ID = 1")[0];
    const QStringList expected{"7",       "Rosa canina rubra", "am Tor", "canina", "rubra", "5 l", "7,90", "2020",
                               "Terrasse", "Wintergarten", "Tausch", "Hecke", "Stauden", "März", "Juni", "Rosa",
                               "Hagebutte", "F-3", "Bild3", "Ja", "Nein", "1 Nr 7 Bild1 Rosa canina.JPG", "Wildrose"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(row[size_t(i)].toString(), expected[i]);
    QCOMPARE(g.value("SELECT Letzte FROM Stammdaten"), QStringLiteral("2024-09-02 08:15:00"));

    // Back to browsing, the stored values on show.
    auto *bitBtn3 = g.find<QPushButton>("BitBtn3");
    QCOMPARE(Tag::of(bitBtn3), 0);
    QCOMPARE(bitBtn3->text(), QStringLiteral("Daten ändern"));
    QVERIFY(g.edit("Edit15")->isReadOnly());
    QVERIFY(baseOf(g.edit("Edit15")) != kPink);
    QVERIFY(g.edit("Edit46")->isHidden());
    QVERIFY(box(g, "ComboBox23")->isHidden());
    QVERIFY(g.find("ComboBox2")->isHidden());
    QVERIFY(!g.find("CheckBox1")->isEnabled());
    QVERIFY(g.find("Image15")->isHidden());
    QVERIFY(g.find("BitBtn5")->isVisible());
    QVERIFY(g.find("DBGrid1")->isEnabled());
    QCOMPARE(g.edit("Edit30")->text(), QStringLiteral("rubra"));
    QCOMPARE(g.edit("Edit16")->text(), QStringLiteral("Stauden"));
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.tag, 0);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.integer("ID"), 1);
}

void TestEditing::cancelStoresNothingAndShowsTheStoredPlant()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    g.edit("Edit15")->setText(QStringLiteral("Verworfen"));
    box(g, "ComboBox23")->setEditText(QStringLiteral("weg"));
    QVERIFY(renumber(g, QStringLiteral("55")));
    g.find<QPushButton>("BitBtn4")->click();
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE Namen = 'Rosa canina' AND Nr = 7 AND Variante = ''"), 1);
    QCOMPARE(g.edit("Edit15")->text(), QStringLiteral("Rosa canina"));
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("7"));
    QCOMPARE(Tag::of(g.edit("Edit46")), 0);
    QCOMPARE(Tag::of(g.find("BitBtn3")), 0);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.tag, 0);
    QVERIFY(g.find("DBGrid1")->isEnabled());
    QVERIFY(g.app.prompter().messages().isEmpty());
}

void TestEditing::nameCheckOnlyWhileEditing()
{
    Garden g;
    g.app.exec("UPDATE Pflanzen SET Namen = 'Rosa * alt' WHERE ID = 2");
    QVERIFY(g.start());
    // Showing a stored name with a refused character is no reason for a message.
    QVERIFY(g.show(2));
    QVERIFY(g.app.prompter().messages().isEmpty());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    QLineEdit *name = g.edit("Edit15");
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, QStringLiteral("*x"));
    QCOMPARE(name->text(), QStringLiteral("Rosa caninax"));
    QCOMPARE(g.app.prompter().messageTexts(), QStringList{NameCheck::invalidNameMessage()});
}

void TestEditing::renumberingCarriesDiaryAndLists()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    g.edit("Edit15")->setText(QStringLiteral("Rosa canina neu"));
    QVERIFY(renumber(g, QStringLiteral("70")));
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("70"));
    QCOMPARE(Tag::of(g.edit("Edit46")), 1);
    QCOMPARE(g.edit("Edit15")->text(), QStringLiteral("Rosa canina neu"));
    // Nothing is stored before "Speichern".
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 7);
    // Coming back re-reads the catalogue but keeps the chosen number and the editing mode.
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("70"));
    QCOMPARE(Tag::of(g.find("BitBtn3")), 1);
    g.find<QPushButton>("BitBtn3")->click();

    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 70);
    QCOMPARE(g.value("SELECT Namen FROM Pflanzen WHERE ID = 1"), QStringLiteral("Rosa canina neu"));
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '70'"), 2);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '7'"), 0);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '8'"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Listeninhalt WHERE PflanzenID = 70"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Listeninhalt WHERE PflanzenID = 8"), 1);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.integer("Nr"), 70);
    QCOMPARE(g.app.state().CurrentPlantNr, 70);
    QCOMPARE(g.find<QLabel>("Label125")->text(), QStringLiteral("70"));
    QCOMPARE(Tag::of(g.edit("Edit46")), 0);
    QCOMPARE(g.app.mainWindow()->pageControl()->tabText(2), QStringLiteral("Tagbuch ( 2 )   "));
}

void TestEditing::renumberingThenCancelKeepsTheNumber()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    QVERIFY(renumber(g, QStringLiteral("70")));
    g.find<QPushButton>("BitBtn4")->click();
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 7);

    // Another plant then shows and stores its own number.
    QVERIFY(g.show(2));
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("8"));
    g.find<QPushButton>("BitBtn3")->click();
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("8"));
    g.find<QPushButton>("BitBtn3")->click();
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 2"), 8);
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 7);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '7'"), 2);
}

void TestEditing::editingBoxesSuggest()
{
    Garden g;
    g.app.exec("DELETE FROM ComboboxListe");
    g.app.exec("INSERT INTO ComboboxListe (Herkunft, Sommer, Winter) VALUES ('Tausch', 'Balkon', 'Keller')");
    g.app.exec("INSERT INTO ComboboxListe (Herkunft, Sommer, Winter) VALUES ('Markt', 'Beet', 'Garage')");
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();

    // Opening the origin list brings back the stored origin.
    SuggestionBox *origin = box(g, "ComboBox12");
    origin->setEditText(QStringLiteral("getippt"));
    QCOMPARE(openList(origin), (QStringList{"Markt", "Tausch"}));
    QCOMPARE(origin->currentText(), QStringLiteral("Markt"));
    SuggestionBox *summer = box(g, "ComboBox10");
    summer->setEditText(QStringLiteral("getippt"));
    QCOMPARE(openList(summer), (QStringList{"Balkon", "Beet"}));
    QCOMPARE(summer->currentText(), QStringLiteral("Beet"));
    QCOMPARE(openList(box(g, "ComboBox11")), (QStringList{"Garage", "Keller"}));

    // The habitat list keeps what was typed.
    SuggestionBox *habitat = box(g, "ComboBox18");
    habitat->setEditText(QStringLiteral("Moor"));
    QCOMPARE(openList(habitat), QStringList{"Wald"});
    QCOMPARE(habitat->currentText(), QStringLiteral("Moor"));

    // The genus list holds what the genus grid shows; the stored genus comes back.
    SuggestionBox *genus = box(g, "ComboBox17");
    genus->setEditText(QStringLiteral("Ros"));
    const QStringList shown = openList(genus);
    QVERIFY(shown.contains("Rosa") && shown.contains("Iris") && shown.contains("Phlox"));
    QVERIFY(!shown.contains(" Alle"));
    QCOMPARE(genus->currentText(), QStringLiteral("Rosa"));

    // Species and varieties come from what is stored for the genus; the genus box stays.
    genus->setEditText(QStringLiteral("Iris"));
    QCOMPARE(openList(box(g, "ComboBox22")), QStringList{"sibirica"});
    QCOMPARE(genus->currentText(), QStringLiteral("Iris"));
    QVERIFY(g.app.prompter().messages().isEmpty());
}

void TestEditing::anotherPlantAfterEditing()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    g.find<QPushButton>("BitBtn3")->click();
    auto *grid = g.find<DataGrid>("DBGrid1");
    Table &plants = g.app.tables().Tab_Pflanzen_test;
    int row = -1;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, 1).data().toString() == QLatin1String("Iris sibirica"))
            row = r;
    QVERIFY(row >= 0);
    grid->scrollTo(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
    QTRY_COMPARE(plants.integer("ID"), 2);
    QCOMPARE(g.edit("Edit15")->text(), QStringLiteral("Iris sibirica"));
}

// A new plant saved on the new-plant page while the main view edits becomes the current plant;
// the edited fields then no longer belong to the plant the cursor is on, and nothing is written.
void TestEditing::savingAfterAnotherPlantBecameCurrent()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    g.edit("Edit15")->setText(QStringLiteral("Rosa geändert"));
    g.app.mainWindow()->activatePage(QStringLiteral("TabSheet4"));
    NeuePflanzePage *newPlant = g.app.mainWindow()->neuePflanze();
    newPlant->Edit1->setText(QStringLiteral("Neue Pflanze"));
    newPlant->BitBtn1->click();
    g.app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    g.app.prompter().clearRecords();
    g.find<QPushButton>("BitBtn3")->click();
    QCOMPARE(g.app.prompter().messageTexts(),
             QStringList{QStringLiteral("Die Änderungen wurden nicht gespeichert, weil inzwischen eine andere Pflanze "
                                        "angezeigt wird.")});
    QCOMPARE(g.value("SELECT Namen FROM Pflanzen WHERE ID = 1"), QStringLiteral("Rosa canina"));
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE Namen = 'Neue Pflanze'"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE Namen = 'Rosa geändert'"), 0);
    QCOMPARE(Tag::of(g.find("BitBtn3")), 0);
    QVERIFY(g.find("DBGrid1")->isEnabled());
}

void TestEditing::deleteAsksAndTakesOnlyThatPlant()
{
    Garden g;
    g.app.prompter().answerNo();
    g.app.prompter().answerYes();
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    auto *bitBtn5 = g.find<QPushButton>("BitBtn5");
    QCOMPARE(bitBtn5->text(), QStringLiteral("Löschen"));
    bitBtn5->click();
    const QString question = QStringLiteral("Diesen Datensatz wirklich löschen? Es werden auch die Bilder und das "
                                            "Tagebuch mit seinen Bildern gelöscht!");
    QCOMPARE(g.app.prompter().messageTexts(), QStringList{question});
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 3);
    QCOMPARE(filesIn(g.photos).size(), 5);

    bitBtn5->click();
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 2);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE ID = 1"), 0);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '8'"), 1);
    QCOMPARE(filesIn(g.photos), (QStringList{"2 Nr 8 Bild2 Iris sibirica.JPG", "23 Nr 8 Historie Iris sibirica.JPG"}));
    // The main view shows the plant the cursor now stands on.
    Table &plants = g.app.tables().Tab_Pflanzen_test;
    QCOMPARE(g.edit("Edit15")->text(), plants.text("Namen"));
    QCOMPARE(g.find<QLabel>("Label16")->text(), QStringLiteral("2 Einträge gefunden!"));
    QVERIFY(g.app.prompter().unanswered().isEmpty());
}

void TestEditing::deleteTheLastPlant()
{
    Garden g;
    g.app.exec("DELETE FROM Pflanzen WHERE ID <> 3");
    g.app.prompter().answerYes();
    QVERIFY(g.start());
    QVERIFY(g.show(3));
    g.find<QPushButton>("BitBtn5")->click();
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 0);
    for (const char *name : {"Edit15", "Edit16", "Edit34", "Edit4"})
        QVERIFY2(g.edit(name)->text().isEmpty(), name);
    QCOMPARE(g.find<QLabel>("Label16")->text(), QStringLiteral("0 Einträge gefunden!"));
    // Nothing left to delete, duplicate or edit: no question, no new row.
    g.find<QPushButton>("BitBtn5")->click();
    g.find<QPushButton>("BitBtn22")->click();
    g.find<QPushButton>("BitBtn3")->click();
    QCOMPARE(Tag::of(g.find("BitBtn3")), 0);
    QCOMPARE(g.app.prompter().messages().size(), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 0);
}

void TestEditing::duplicate_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("literature");
    QTest::newRow("with a JPEG literature photo") << 1 << "9 Bild7 Rosa canina.JPG";
    QTest::newRow("without literature photo") << 2 << "";
}

void TestEditing::duplicate()
{
    QFETCH(int, source);
    QFETCH(QString, literature);
    Garden g;
    const QByteArray jpeg = jpegBytes(Qt::darkCyan);
    writeFile(g.photos + "7 Bild7 Rosa canina.JPG", jpeg);
    g.app.prompter().answerNo();
    g.app.prompter().answerYes();
    QVERIFY(g.start());
    QVERIFY(g.show(source));
    const QString name = g.edit("Edit15")->text();
    g.find<QPushButton>("BitBtn22")->click();
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 3);
    g.find<QPushButton>("BitBtn22")->click();
    QCOMPARE(g.app.prompter().messageTexts(),
             (QStringList{QStringLiteral("Diese Pflanzendaten (ohne Bilder) für eine neue Pflanze wirklich duplizieren?"),
                          QStringLiteral("Diese Pflanzendaten (ohne Bilder) für eine neue Pflanze wirklich duplizieren?"),
                          QStringLiteral("Neue Pflanze wurde angelegt")}));
    const auto copy = g.app.select("SELECT Namen, Bild1, Bild2, Bild7, FotoListe, Beschriftet FROM Pflanzen WHERE Nr = 9");
    QCOMPARE(copy.size(), size_t(1));
    QCOMPARE(copy[0][0].toString(), name);
    for (int i : {1, 2, 4, 5})
        QVERIFY(copy[0][size_t(i)].toString().isEmpty());
    QCOMPARE(copy[0][3].toString(), literature);
    if (!literature.isEmpty())
        QCOMPARE(readFile(g.photos + literature), jpeg);
    QCOMPARE(filesIn(g.photos).size(), literature.isEmpty() ? 5 : 6);
    // The copy is on show.
    QCOMPARE(g.find<QLabel>("Label125")->text(), QStringLiteral("9"));
    QCOMPARE(Tag::of(g.find("BitBtn22")), 0);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.tag, 0);
}

VINDEL_TEST_MAIN(TestEditing)
#include "test_editing.moc"
