// The address book: search by column, new and changed contacts with their modes and colours,
// cancelling, and deleting after the question.
#include "contacts/KontaktePage.h"
#include "app/DataGrid.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace vindel;
using namespace vindel::test;

namespace {

KontaktePage *contactsPage(AppFixture &app)
{
    app.mainWindow()->activatePage("TabSheet7");
    return app.find<KontaktePage>("TabSheet7");
}

void addContacts(AppFixture &app)
{
    app.exec("INSERT INTO Kontakte (Anrede, Vorname, Nachname, Firma, Ort, PLZ, Branche) VALUES "
             "('Herr', 'Hans', 'Zander', 'Baumschule Zander', 'München', '80331', 'Baumschule'), "
             "('Frau', 'Eva', 'Auer', '', 'mühlheim', '45468', 'Gärtnerei'), "
             "('Frau', 'Ida', 'O''Brien', 'Irish Roses', 'Dublin', 'D01', 'Rosen'), "
             "('Herr', 'Max', 'Berg', '', 'Berlin', '10115', '')");
}

QStringList surnames(AppFixture &app)
{
    Table &t = app.tables().Tab_Kontakte;
    QStringList out;
    const int col = t.columnIndex("Nachname");
    for (int r = 0; r < t.recordCount(); ++r)
        out << t.valueAt(r, col).toString();
    return out;
}

} // namespace

class TestContactsPage : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void newContact();
    void cancelNewContact();
    void changeContact();
    void deleteContact();
};

void TestContactsPage::search_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("Ort Mü, either case") << "Ort" << "Mü" << QStringList{"Auer", "Zander"};
    QTest::newRow("empty: all") << "Ort" << "" << QStringList{"Auer", "Berg", "O'Brien", "Zander"};
    QTest::newRow("star alone: all") << "Nachname" << "*" << QStringList{"Auer", "Berg", "O'Brien", "Zander"};
    QTest::newRow("a quote") << "Nachname" << "O'B" << QStringList{"O'Brien"};
    QTest::newRow("Firma") << "Firma" << "baum" << QStringList{"Zander"};
    QTest::newRow("nothing") << "PLZ" << "9" << QStringList{};
}

void TestContactsPage::search()
{
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    AppFixture app;
    addContacts(app);
    QVERIFY(app.start());
    KontaktePage *p = contactsPage(app);
    p->ComboBox20->setCurrentText(column);
    p->Edit26->setText("x");
    p->Edit26->setText(text);
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error), QStringList{});
    QCOMPARE(surnames(app), found);
    if (!found.isEmpty())
        QCOMPARE(p->field("Nachname")->text(), found.first());
}

// A new contact is a row at once, with today's date; saved untouched, its Anrede is "Frau".
void TestContactsPage::newContact()
{
    AppFixture app;
    app.prompter().setToday(QDate(2026, 12, 8));
    QVERIFY(app.start());
    KontaktePage *p = contactsPage(app);
    QVERIFY(p->field("Nachname")->isReadOnly());
    p->BitBtn25->click();
    QCOMPARE(p->mode(), KontaktePage::Mode::New);
    QCOMPARE(p->BitBtn25->text(), QStringLiteral("Speichern"));
    QCOMPARE(app.select("SELECT COUNT(*) FROM Kontakte")[0][0].toInt(), 1);
    QCOMPARE(p->field("Erstellt")->text(), QStringLiteral("08.12.2026"));
    QVERIFY(!p->field("Erstellt")->isReadOnly() && !p->field("Telefon")->isReadOnly());
    QVERIFY(p->ComboBox9->isVisible());
    QCOMPARE(p->field("Nachname")->palette().color(QPalette::Base), QColor(0xFC, 0xCA, 0xC9));
    QCOMPARE(p->ComboBox9->palette().color(QPalette::Base), QColor(0xFC, 0xCA, 0xC9));
    p->field("Nachname")->setText("Gärtner");
    p->field("Telefon")->setText("0761 123");
    p->Bemerkungen->setPlainText("liefert Stauden");
    p->BitBtn25->click();
    QCOMPARE(p->mode(), KontaktePage::Mode::View);
    QCOMPARE(p->BitBtn25->text(), QStringLiteral("Neuer Kontakt"));
    QVERIFY(p->field("Nachname")->isReadOnly() && !p->ComboBox9->isVisible());
    QVERIFY(p->field("Nachname")->palette().color(QPalette::Base) != QColor(0xFC, 0xCA, 0xC9));
    const auto rows = app.select("SELECT Nachname, Anrede, Erstellt, Telefon, Bemerkungen FROM Kontakte");
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows[0][0].toString(), QStringLiteral("Gärtner"));
    QCOMPARE(rows[0][1].toString(), QStringLiteral("Frau"));
    QCOMPARE(rows[0][2].toString(), QStringLiteral("08.12.2026"));
    QCOMPARE(rows[0][3].toString(), QStringLiteral("0761 123"));
    QCOMPARE(rows[0][4].toString(), QStringLiteral("liefert Stauden"));
    QCOMPARE(app.select("SELECT Letzte FROM Stammdaten")[0][0].toDate(), QDate(2026, 12, 8));
}

void TestContactsPage::cancelNewContact()
{
    AppFixture app;
    addContacts(app);
    QVERIFY(app.start());
    KontaktePage *p = contactsPage(app);
    p->BitBtn25->click();
    p->field("Nachname")->setText("Weg");
    p->BitBtn24->click();
    QCOMPARE(p->mode(), KontaktePage::Mode::View);
    QCOMPARE(app.select("SELECT COUNT(*) FROM Kontakte")[0][0].toInt(), 4);
    QCOMPARE(surnames(app).size(), 4);
}

// The Anrede box shows the contact's; "Abbrechen" throws typed text away.
void TestContactsPage::changeContact()
{
    AppFixture app;
    addContacts(app);
    QVERIFY(app.start());
    KontaktePage *p = contactsPage(app);
    app.tables().Tab_Kontakte.last();
    QCOMPARE(p->field("Nachname")->text(), QStringLiteral("Zander"));
    p->BitBtn23->click();
    QCOMPARE(p->mode(), KontaktePage::Mode::Change);
    QCOMPARE(p->ComboBox9->currentText(), QStringLiteral("Herr"));
    p->field("Ort")->setText("Nürnberg");
    p->BitBtn24->click();
    QCOMPARE(p->field("Ort")->text(), QStringLiteral("München"));
    QCOMPARE(p->BitBtn23->text(), QStringLiteral("Daten ändern"));

    p->BitBtn23->click();
    p->field("Ort")->setText("Nürnberg");
    p->ComboBox9->setCurrentText("Familie");
    p->BitBtn23->click();
    const auto rows = app.select("SELECT Ort, Anrede FROM Kontakte WHERE Nachname = 'Zander'");
    QCOMPARE(rows[0][0].toString(), QStringLiteral("Nürnberg"));
    QCOMPARE(rows[0][1].toString(), QStringLiteral("Familie"));
    QCOMPARE(app.select("SELECT COUNT(*) FROM Kontakte")[0][0].toInt(), 4);
}

void TestContactsPage::deleteContact()
{
    AppFixture app;
    addContacts(app);
    QVERIFY(app.start());
    KontaktePage *p = contactsPage(app);
    p->NavigatorFirst->click();
    QCOMPARE(p->field("Nachname")->text(), QStringLiteral("Auer"));
    app.prompter().answerNo();
    p->NavigatorDelete->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{"Datensatz löschen?"});
    QCOMPARE(surnames(app).size(), 4);
    app.prompter().answerYes();
    QTest::keyClick(p->DBGrid3, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(app.prompter().messageTexts().size(), 2);
    QCOMPARE(surnames(app), (QStringList{"Berg", "O'Brien", "Zander"}));
    QCOMPARE(p->field("Nachname")->text(), QStringLiteral("Berg"));
}

VINDEL_TEST_MAIN(TestContactsPage)
#include "test_contacts_page.moc"
