// The page "Neue Pflanze anlegen", driven the way a person uses it: the proposed number and its
// check, the composed name and the name check, the date pickers, saving, cancelling and leaving.
#include "app/Tag.h"
#include "catalogue/NameCheck.h"
#include "catalogue/NeuePflanzePage.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using namespace vindel;
using namespace vindel::test;

namespace {

void addPlant(AppFixture &app, int nr, const QString &name, const QString &category = QStringLiteral("Stauden"))
{
    app.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie) VALUES (?, ?, ?, 'Rosa')", {nr, name, category});
}

NeuePflanzePage *openPage(AppFixture &app)
{
    app.mainWindow()->activatePage(QStringLiteral("TabSheet4"));
    return app.mainWindow()->neuePflanze();
}

// Types character by character, as the keyboard does (letters beyond ASCII too).
void typeInto(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

void retype(QLineEdit *field, const QString &text)
{
    field->clear();
    typeInto(field, text);
}

int count(AppFixture &app, const QString &sql, const QVariantList &params = {})
{
    return app.select(sql, params).front().front().toInt();
}

} // namespace

class TestNewPlant : public QObject {
    Q_OBJECT
private slots:
    void proposedNumber_data();
    void proposedNumber();
    void numberCheck_data();
    void numberCheck();
    void numbersThatAreStored_data();
    void numbersThatAreStored();
    void composedName();
    void nameCheck_data();
    void nameCheck();
    void nameCheckInTheMiddleKeepsTheRest();
    void savingStoresEveryFieldAndKeepsCategoryAndHabitat();
    void emptyNumberOnSaving();
    void cancelEmptiesTheForm();
    void leavingThePage();
    void datePickers();
    void catalogueFilterSurvives();
    void plantBoxFollowsTheListAfterSaving();
};

void TestNewPlant::proposedNumber_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("no plants") << QList<int>{} << "1";
    QTest::newRow("1, 2, 7") << QList<int>{7, 1, 2} << "8";
    QTest::newRow("negative only") << QList<int>{-5} << "-4";
}

void TestNewPlant::proposedNumber()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, proposed);
    AppFixture app;
    for (int nr : numbers)
        addPlant(app, nr, QStringLiteral("Pflanze %1").arg(nr));
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    QCOMPARE(page->Edit35->text(), proposed);
    QCOMPARE(page->Label119->text(), QStringLiteral("Diese Nummer ist möglich "));
    QVERIFY(page->Label118->isHidden());
    QCOMPARE(app.state().NextPlantNr, proposed.toInt());
    // No name yet: nothing to save.
    QVERIFY(!page->BitBtn1->isEnabled());

    // Each showing proposes afresh, overwriting what was typed.
    retype(page->Edit35, QStringLiteral("99"));
    app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    openPage(app);
    QCOMPARE(page->Edit35->text(), proposed);
}

void TestNewPlant::numberCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("owner"); // empty: the name label is hidden
    QTest::addColumn<bool>("saveEnabled");
    QTest::newRow("taken") << "7" << "Diese Nummer besteht bereits für: " << "Rosa alba" << true;
    QTest::newRow("free") << "8" << "Diese Nummer ist möglich " << "" << true;
    QTest::newRow("zero") << "0" << "Diese Nummer ist möglich " << "" << true;
    QTest::newRow("minus five") << "-5" << "Diese Nummer ist möglich " << "" << true;
    QTest::newRow("minus one") << "-1" << "Die Pflanzennummer muß aus Zahlen bestehen!" << "" << false;
    QTest::newRow("letters") << "12x" << "Die Pflanzennummer muß aus Zahlen bestehen!" << "" << false;
    QTest::newRow("empty") << "" << "Die Pflanzennummer muß eingetragen sein!" << "" << true;
}

void TestNewPlant::numberCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, status);
    QFETCH(QString, owner);
    QFETCH(bool, saveEnabled);
    AppFixture app;
    addPlant(app, 7, QStringLiteral("Rosa alba"), QStringLiteral("Bäume"));
    addPlant(app, 3, QStringLiteral("Iris"));
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    typeInto(page->Edit1, QStringLiteral("Neue Pflanze"));
    retype(page->Edit35, typed);
    QCOMPARE(page->Label119->text(), status);
    QVERIFY(page->Label119->isVisible());
    QCOMPARE(page->Label118->isVisible(), !owner.isEmpty());
    if (!owner.isEmpty())
        QCOMPARE(page->Label118->text(), owner);
    QCOMPARE(page->BitBtn1->isEnabled(), saveEnabled);
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestNewPlant::numbersThatAreStored_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("plantsWithIt");
    QTest::newRow("taken number warns and still saves") << "7" << 2;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("minus five") << "-5" << 1;
}

void TestNewPlant::numbersThatAreStored()
{
    QFETCH(QString, typed);
    QFETCH(int, plantsWithIt);
    AppFixture app;
    addPlant(app, 7, QStringLiteral("Rosa alba"));
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    typeInto(page->Edit1, QStringLiteral("Iris sibirica"));
    retype(page->Edit35, typed);
    QVERIFY(page->BitBtn1->isEnabled());
    page->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{QStringLiteral("Daten wurden gespeichert")});
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Pflanzen WHERE Nr = ?", {typed.toInt()}), plantsWithIt);
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Pflanzen WHERE Namen = 'Iris sibirica' AND Nr = ?", {typed.toInt()}), 1);
}

void TestNewPlant::composedName()
{
    AppFixture app;
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    typeInto(page->ComboBox16->lineEdit(), QStringLiteral("Rosa"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("Rosa "));
    QVERIFY(page->BitBtn1->isEnabled());
    typeInto(page->Edit31, QStringLiteral("canina"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("Rosa canina "));
    typeInto(page->Edit45, QStringLiteral("alba"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("Rosa canina alba"));
    // The name stays editable until one of the parts changes again.
    typeInto(page->Edit1, QStringLiteral(" rot"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("Rosa canina alba rot"));
    // The field number recomposes as the variant does, and is not part of the name.
    typeInto(page->Edit48, QStringLiteral("F-12"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("Rosa canina alba"));
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestNewPlant::nameCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("rejected");
    QTest::newRow("accented letter") << QStringLiteral("Renée") << QStringLiteral("Rene") << true;
    QTest::newRow("apostrophe") << QStringLiteral("d'Or") << QStringLiteral("dOr") << true;
    QTest::newRow("asterisk at the end") << QStringLiteral("canina*") << QStringLiteral("canina") << true;
    QTest::newRow("umlaut") << QStringLiteral("Blütenmöhre") << QStringLiteral("Blütenmöhre") << false;
    QTest::newRow("sharp s") << QStringLiteral("Großblume") << QStringLiteral("Großblume") << false;
    QTest::newRow("comma and full stop") << QStringLiteral("var., ssp.") << QStringLiteral("var., ssp.") << false;
    QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("ab") << true;
}

void TestNewPlant::nameCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, rejected);
    for (const char *fieldName : {"Edit31", "Edit45"}) {
        AppFixture app;
        QVERIFY(app.start());
        NeuePflanzePage *page = openPage(app);
        auto *field = page->findChild<QLineEdit *>(QLatin1String(fieldName));
        typeInto(page->ComboBox16->lineEdit(), QStringLiteral("Rosa"));
        typeInto(field, typed);
        QVERIFY2(field->text() == kept, fieldName);
        // One message for each refused character typed.
        const int refused = int(typed.size() - kept.size());
        QCOMPARE(app.prompter().messageTexts(), QStringList(refused, NameCheck::invalidNameMessage()));
        QCOMPARE(app.state().NameValid, QStringLiteral("ja"));
        QVERIFY(page->Edit1->text().contains(kept));
        QCOMPARE(rejected, refused > 0);
    }
}

void TestNewPlant::nameCheckInTheMiddleKeepsTheRest()
{
    AppFixture app;
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    typeInto(page->Edit31, QStringLiteral("canina"));
    page->Edit31->setCursorPosition(3);
    typeInto(page->Edit31, QStringLiteral("?"));
    QCOMPARE(page->Edit31->text(), QStringLiteral("canina"));
    QCOMPARE(page->Edit31->cursorPosition(), 3);
    QCOMPARE(app.prompter().messageTexts(), QStringList{NameCheck::invalidNameMessage()});
    typeInto(page->Edit31, QStringLiteral("x"));
    QCOMPARE(page->Edit31->text(), QStringLiteral("canxina"));

    // A pasted text loses every refused character at once, with one message.
    app.prompter().clearRecords();
    page->Edit45->setText(QStringLiteral("a<b>c|d"));
    QCOMPARE(page->Edit45->text(), QStringLiteral("abcd"));
    QCOMPARE(app.prompter().messages().size(), 1);
    QCOMPARE(page->Edit1->text(), QStringLiteral(" canxina abcd"));
}

void TestNewPlant::savingStoresEveryFieldAndKeepsCategoryAndHabitat()
{
    AppFixture app;
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Stauden')");
    addPlant(app, 4, QStringLiteral("Iris"));
    app.prompter().setNow(QDateTime(QDate(2024, 6, 3), QTime(14, 25, 10)));
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("Stauden"));
    QCOMPARE(page->Edit35->text(), QStringLiteral("5"));

    typeInto(page->ComboBox16->lineEdit(), QStringLiteral("Rosa"));
    typeInto(page->Edit31, QStringLiteral("canina"));
    typeInto(page->Edit45, QStringLiteral("alba"));
    page->ComboBox19->setEditText(QStringLiteral("Waldrand"));
    page->Edit37->setText(QStringLiteral("Hundsrose"));
    page->Edit3->setText(QStringLiteral("am Zaun"));
    page->ComboBox13->setEditText(QStringLiteral("Gärtnerei"));
    page->Edit28->setText(QStringLiteral("lehmig"));
    page->Edit29->setText(QStringLiteral("wenig"));
    page->Memo2->setPlainText(QStringLiteral("Wildrose\nmit Hagebutten"));
    page->Edit5->setText(QStringLiteral("4,50 €"));
    page->Edit48->setText(QStringLiteral("F-12"));
    page->Edit2->setText(QStringLiteral("01.04.2024"));
    page->Edit6->setText(QStringLiteral("Juni"));
    page->Edit7->setText(QStringLiteral("3 l"));
    page->Edit32->setText(QStringLiteral("15.05.2024"));
    page->ComboBox14->setEditText(QStringLiteral("Beet"));
    page->ComboBox15->setEditText(QStringLiteral("Garage"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("Rosa canina alba"));
    page->BitBtn1->click();

    QCOMPARE(app.prompter().messageTexts(), QStringList{QStringLiteral("Daten wurden gespeichert")});
    const auto rows = app.select(
        "SELECT Nr, Kategorie, Namen, Bezeichnung, Herkunft, Vorkommen, Beschreibung, Kaufpreis, Töpfe, Aussaat, "
        "Blüte, Boden, Düngung, Sommer, Winter, Bestand, Familie, Art, Variante, Mundart, Feldnummer, ID, "
        "Bild1, Bild7, FotoListe, Nummeriert, Webseite1 FROM Pflanzen WHERE Nr = 5");
    QCOMPARE(rows.size(), size_t(1));
    const QStringList expected{"5",         "Stauden", "Rosa canina alba", "am Zaun", "Gärtnerei",
                               "Waldrand",  "Wildrose\nmit Hagebutten", "4,50 €", "3 l", "01.04.2024",
                               "Juni",      "lehmig",  "wenig",  "Beet",  "Garage", "15.05.2024",
                               "Rosa",      "canina",  "alba",   "Hundsrose", "F-12"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(rows[0][size_t(i)].toString(), expected[i]);
    for (size_t i = 22; i < rows[0].size(); ++i)
        QVERIFY(rows[0][i].toString().isEmpty());
    QCOMPARE(app.state().CurrentPlantId, rows[0][21].toInt());
    QCOMPARE(app.state().CurrentPlantNr, 5);
    QCOMPARE(app.state().CurrentPlantNrText, QStringLiteral("5"));
    QCOMPARE(app.tables().Tab_Pflanzen_test.integer("ID"), rows[0][21].toLongLong());
    QCOMPARE(app.select("SELECT Letzte FROM Stammdaten")[0][0].toString(), QStringLiteral("2024-06-03 14:25:10"));

    // Kept for the next plant: category and habitat; everything else is empty, the name too.
    QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("Stauden"));
    QCOMPARE(page->ComboBox19->currentText(), QStringLiteral("Waldrand"));
    for (QLineEdit *e : {page->Edit1, page->Edit31, page->Edit45, page->Edit37, page->Edit3, page->Edit28,
                         page->Edit29, page->Edit5, page->Edit48, page->Edit2, page->Edit6, page->Edit7, page->Edit32})
        QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    for (QComboBox *b : {page->ComboBox16, page->ComboBox13, page->ComboBox14, page->ComboBox15})
        QVERIFY2(b->currentText().isEmpty(), qPrintable(b->objectName()));
    QVERIFY(page->Memo2->toPlainText().isEmpty());
    QVERIFY(!page->BitBtn1->isEnabled());
    QCOMPARE(page->Edit35->text(), QStringLiteral("6"));
    QCOMPARE(page->Label119->text(), QStringLiteral("Diese Nummer ist möglich "));
}

void TestNewPlant::emptyNumberOnSaving()
{
    AppFixture app;
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    typeInto(page->Edit1, QStringLiteral("Iris"));
    page->Edit35->clear();
    QVERIFY(page->BitBtn1->isEnabled());
    page->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{QStringLiteral("Pflanzen Nummer ist leer")});
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Pflanzen"), 0);
    QCOMPARE(page->Edit1->text(), QStringLiteral("Iris"));
}

void TestNewPlant::cancelEmptiesTheForm()
{
    AppFixture app;
    addPlant(app, 2, QStringLiteral("Iris"));
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Stauden')");
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    typeInto(page->ComboBox16->lineEdit(), QStringLiteral("Rosa"));
    typeInto(page->Edit31, QStringLiteral("canina"));
    page->ComboBox19->setEditText(QStringLiteral("Waldrand"));
    page->Memo2->setPlainText(QStringLiteral("Text"));
    retype(page->Edit35, QStringLiteral("40"));
    page->BitBtn2->click();
    for (QLineEdit *e : {page->Edit1, page->Edit31})
        QVERIFY(e->text().isEmpty());
    QVERIFY(page->ComboBox16->currentText().isEmpty());
    QVERIFY(page->ComboBox19->currentText().isEmpty());
    QVERIFY(page->Memo2->toPlainText().isEmpty());
    QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("Stauden"));
    QCOMPARE(page->Edit35->text(), QStringLiteral("3"));
    QVERIFY(!page->BitBtn1->isEnabled());
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Pflanzen"), 1);
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestNewPlant::leavingThePage()
{
    AppFixture app;
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);

    // An empty name asks nothing.
    app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    QVERIFY(app.prompter().messages().isEmpty());

    // Yes keeps the input for the next visit.
    openPage(app);
    typeInto(page->Edit31, QStringLiteral("canina"));
    page->ComboBox13->setEditText(QStringLiteral("Markt"));
    app.prompter().answerYes();
    app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    QCOMPARE(app.prompter().messages().size(), 1);
    QCOMPARE(app.prompter().messages()[0].kind, MessageKind::Confirmation);
    QCOMPARE(app.prompter().messages()[0].text,
             QStringLiteral("Sie haben für eine neue Pflanze Daten eingegeben und noch nicht gespeichert. \n\n"
                            "Sollen diese erhalten bleiben?"));
    openPage(app);
    QCOMPARE(page->Edit31->text(), QStringLiteral("canina"));
    QCOMPARE(page->Edit1->text(), QStringLiteral(" canina "));

    // No empties it.
    app.prompter().answerNo();
    app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    QVERIFY(page->Edit31->text().isEmpty());
    QVERIFY(page->Edit1->text().isEmpty());
    QVERIFY(page->ComboBox13->currentText().isEmpty());
    QVERIFY(app.prompter().unanswered().isEmpty());
    QCOMPARE(app.prompter().pendingAnswers(), 0);
}

void TestNewPlant::datePickers()
{
    AppFixture app;
    app.prompter().setToday(QDate(2024, 5, 17));
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    QCalendarWidget *calendar = page->MonthCalendar1;

    page->Image3->click();
    QVERIFY(calendar->isVisible());
    QCOMPARE(Tag::of(calendar), 2);
    QCOMPARE(calendar->selectedDate(), QDate(2024, 5, 17));
    calendar->setSelectedDate(QDate(2024, 7, 1));
    emit calendar->activated(calendar->selectedDate());
    QCOMPARE(page->Edit6->text(), QStringLiteral("01.07.2024"));
    QVERIFY(page->Edit2->text().isEmpty());
    QVERIFY(page->Edit32->text().isEmpty());
    QVERIFY(calendar->isHidden());
    QCOMPARE(Tag::of(calendar), 0);

    page->Image16->click();
    QCOMPARE(Tag::of(calendar), 3);
    emit calendar->activated(calendar->selectedDate());
    QCOMPARE(page->Edit32->text(), QStringLiteral("17.05.2024"));

    // The heading opens the sowing-date picker as its icon does.
    QTest::mouseClick(page->Label29, Qt::LeftButton);
    QVERIFY(calendar->isVisible());
    QCOMPARE(Tag::of(calendar), 1);
    emit calendar->activated(calendar->selectedDate());
    QCOMPARE(page->Edit2->text(), QStringLiteral("17.05.2024"));
    QCOMPARE(page->Edit6->text(), QStringLiteral("01.07.2024"));
}

// The page switches the plant filter off to see all plants; what the catalogue had stays.
void TestNewPlant::catalogueFilterSurvives()
{
    AppFixture app;
    addPlant(app, 1, QStringLiteral("Iris"), QStringLiteral("Stauden"));
    addPlant(app, 2, QStringLiteral("Eiche"), QStringLiteral("Bäume"));
    QVERIFY(app.start());
    Table &plants = app.tables().Tab_Pflanzen_test;
    for (bool filtered : {false, true}) {
        plants.setFilter(QStringLiteral("(Kategorie LIKE 'Stauden')"));
        plants.setFiltered(filtered);
        const int visible = plants.recordCount();
        NeuePflanzePage *page = openPage(app);
        typeInto(page->Edit1, QStringLiteral("Neue"));
        retype(page->Edit35, QStringLiteral("2"));
        QCOMPARE(page->Label118->text(), QStringLiteral("Eiche"));
        page->BitBtn1->click();
        QCOMPARE(plants.filtered(), filtered);
        QCOMPARE(plants.recordCount(), visible + (filtered ? 0 : 1));
        app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    }
}

// A new plant that the catalogue's filter leaves out cannot be the list's current plant; the
// plant box then shows the plant the list stands on, never another one.
void TestNewPlant::plantBoxFollowsTheListAfterSaving()
{
    AppFixture app;
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Stauden')");
    addPlant(app, 1, QStringLiteral("Iris"), QStringLiteral("Stauden"));
    addPlant(app, 2, QStringLiteral("Eiche"), QStringLiteral("Bäume"));
    QVERIFY(app.start());
    Table &plants = app.tables().Tab_Pflanzen_test;
    plants.setFilter(QStringLiteral("(Kategorie LIKE 'Stauden')"));
    plants.setFiltered(true);
    NeuePflanzePage *page = openPage(app);
    page->ComboBox1->setEditText(QStringLiteral("Bäume"));
    typeInto(page->Edit1, QStringLiteral("Buche"));
    page->BitBtn1->click();
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Pflanzen WHERE Namen = 'Buche' AND Kategorie = 'Bäume'"), 1);
    auto *nameField = app.mainWindow()->findChild<QLineEdit *>(QStringLiteral("Edit15"));
    QCOMPARE(plants.text("Namen"), QStringLiteral("Iris"));
    QCOMPARE(nameField->text(), QStringLiteral("Iris"));
    QCOMPARE(app.state().CurrentPlantId, int(plants.integer("ID")));

    // Within the filter the new plant is the current one.
    page->ComboBox1->setEditText(QStringLiteral("Stauden"));
    typeInto(page->Edit1, QStringLiteral("Aster"));
    page->BitBtn1->click();
    QCOMPARE(plants.text("Namen"), QStringLiteral("Aster"));
    QCOMPARE(nameField->text(), QStringLiteral("Aster"));
}

VINDEL_TEST_MAIN(TestNewPlant)
#include "test_new_plant.moc"
