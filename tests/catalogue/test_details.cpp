// The details page: its own editing mode for the long texts and web links, the record navigator
// and the web links opened by a double click.
#include "EditingTestSupport.h"

#include "app/Colours.h"
#include "app/Tag.h"
#include "catalogue/DetailsPage.h"
#include "catalogue/FieldColours.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace editingtest;

namespace {

DetailsPage *openDetails(Garden &g)
{
    g.app.mainWindow()->activatePage(QStringLiteral("TabSheet2"));
    return g.app.mainWindow()->findChild<DetailsPage *>(QStringLiteral("TabSheet2"));
}

QColor baseOf(QWidget *w) { return w->palette().color(QPalette::Base); }

} // namespace

class TestDetails : public QObject {
    Q_OBJECT
private slots:
    void showsTheCurrentPlant();
    void editAndSave();
    void cancelStoresNothing();
    void navigatorMovesThroughThePlants();
    void navigatorWaitsWhileTheMainViewEdits();
    void webLinks_data();
    void webLinks();
};

void TestDetails::showsTheCurrentPlant()
{
    Garden g;
    g.app.exec("UPDATE Pflanzen SET Pflege = 'sonnig', Webseite2 = 'www.rosen.de' WHERE ID = 1");
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    DetailsPage *details = openDetails(g);
    QVERIFY(details);
    QCOMPARE(details->Memo3->toPlainText(), QStringLiteral("Wildrose"));
    QCOMPARE(details->Memo4->toPlainText(), QStringLiteral("sonnig"));
    QCOMPARE(details->Edit55->text(), QStringLiteral("www.rosen.de"));
    QCOMPARE(details->Label52->text(), QStringLiteral("Rosa canina"));
    QCOMPARE(details->DetailsNumber->text(), QStringLiteral("7"));
    QCOMPARE(g.app.state().CurrentPlantNr, 7);
    for (QPlainTextEdit *m : {details->Memo1, details->Memo3, details->Memo4, details->Memo5, details->Memo6})
        QVERIFY(m->isReadOnly());
    QVERIFY(details->Edit54->isReadOnly());
    QCOMPARE(details->BitBtn6->text(), QStringLiteral("Bearbeiten"));
    QVERIFY(details->BitBtn11->isHidden());
    QVERIFY(details->findChild<QWidget *>("Image9"));
}

void TestDetails::editAndSave()
{
    Garden g;
    g.app.prompter().setNow(QDateTime(QDate(2024, 10, 5), QTime(18, 0)));
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    DetailsPage *details = openDetails(g);
    details->BitBtn6->click();
    QCOMPARE(Tag::of(details->BitBtn6), 1);
    QCOMPARE(details->BitBtn6->text(), QStringLiteral("Änderungen speichern"));
    QVERIFY(details->BitBtn11->isVisible());
    const QColor pink = fromWinColour(kEditableFieldColour);
    for (QWidget *w : std::initializer_list<QWidget *>{details->Memo1, details->Memo3, details->Memo4, details->Memo5,
                                                        details->Memo6, details->Edit54, details->Edit55, details->Edit56})
        QCOMPARE(baseOf(w), pink);
    details->Memo1->setPlainText(QStringLiteral("Kompost"));
    details->Memo6->setPlainText(QStringLiteral("Lehm"));
    details->Memo3->setPlainText(QStringLiteral("Wildrose\nmit Hagebutten"));
    details->Memo4->setPlainText(QStringLiteral("sonnig"));
    details->Memo5->setPlainText(QStringLiteral("Stecklinge"));
    details->Edit54->setText(QStringLiteral("https://a.example"));
    details->Edit55->setText(QStringLiteral("www.b.example"));
    details->Edit56->setText(QStringLiteral(""));
    details->BitBtn6->click();

    QCOMPARE(g.app.prompter().messageTexts(), QStringList{QStringLiteral("Daten wurden geändert")});
    const auto row = g.app.select("SELECT Düngung, Boden, Beschreibung, Pflege, Vermehrung, Webseite1, Webseite2, "
                                  "Webseite3, Namen FROM Pflanzen WHERE ID = 1")[0];
    const QStringList expected{"Kompost", "Lehm", "Wildrose\nmit Hagebutten", "sonnig", "Stecklinge",
                               "https://a.example", "www.b.example", "", "Rosa canina"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(row[size_t(i)].toString(), expected[i]);
    QCOMPARE(g.value("SELECT Letzte FROM Stammdaten"), QStringLiteral("2024-10-05 18:00:00"));
    QCOMPARE(Tag::of(details->BitBtn6), 0);
    QCOMPARE(details->BitBtn6->text(), QStringLiteral("Bearbeiten"));
    QVERIFY(details->BitBtn11->isHidden());
    QVERIFY(details->Memo3->isReadOnly());
    QVERIFY(baseOf(details->Memo3) != pink);
}

void TestDetails::cancelStoresNothing()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    DetailsPage *details = openDetails(g);
    details->BitBtn6->click();
    details->Memo3->setPlainText(QStringLiteral("verworfen"));
    details->Edit54->setText(QStringLiteral("www.weg.example"));
    details->BitBtn11->click();
    QCOMPARE(g.value("SELECT Beschreibung FROM Pflanzen WHERE ID = 1"), QStringLiteral("Wildrose"));
    QVERIFY(g.app.select("SELECT Webseite1 FROM Pflanzen WHERE ID = 1")[0][0].toString().isEmpty());
    QCOMPARE(details->Memo3->toPlainText(), QStringLiteral("Wildrose"));
    QVERIFY(details->Edit54->text().isEmpty());
    QCOMPARE(details->BitBtn6->text(), QStringLiteral("Bearbeiten"));
    QVERIFY(details->Memo3->isReadOnly());
    QVERIFY(details->BitBtn11->isHidden());
    QVERIFY(g.app.prompter().messages().isEmpty());
}

void TestDetails::navigatorMovesThroughThePlants()
{
    Garden g;
    QVERIFY(g.start());
    Table &plants = g.app.tables().Tab_Pflanzen_test;
    plants.setIndexFieldNames(QStringLiteral("Nr"));
    QVERIFY(g.show(3));
    DetailsPage *details = openDetails(g);
    details->NavigatorNext->click();
    QCOMPARE(plants.integer("ID"), 1);
    QCOMPARE(details->Label52->text(), QStringLiteral("Rosa canina"));
    QCOMPARE(details->DetailsNumber->text(), QStringLiteral("7"));
    details->NavigatorLast->click();
    QCOMPARE(plants.integer("ID"), 2);
    details->NavigatorPrior->click();
    QCOMPARE(plants.integer("ID"), 1);
    details->NavigatorFirst->click();
    QCOMPARE(plants.integer("ID"), 3);

    // Editing follows the navigator: the texts saved belong to the plant moved to.
    details->BitBtn6->click();
    details->NavigatorLast->click();
    QCOMPARE(details->Label52->text(), QStringLiteral("Iris sibirica"));
    details->Memo5->setPlainText(QStringLiteral("Teilung"));
    details->BitBtn6->click();
    QCOMPARE(g.value("SELECT Vermehrung FROM Pflanzen WHERE ID = 2"), QStringLiteral("Teilung"));
    QVERIFY(g.app.select("SELECT Vermehrung FROM Pflanzen WHERE ID = 3")[0][0].toString().isEmpty());

    // Leaving the page keeps the plant moved to.
    g.app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    QCOMPARE(plants.integer("ID"), 2);
    QCOMPARE(g.edit("Edit15")->text(), QStringLiteral("Iris sibirica"));
}

void TestDetails::navigatorWaitsWhileTheMainViewEdits()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    g.find<QPushButton>("BitBtn3")->click();
    DetailsPage *details = openDetails(g);
    QVERIFY(!details->DBNavigator1->isEnabled());
    g.app.mainWindow()->activatePage(QStringLiteral("TabSheet1"));
    g.find<QPushButton>("BitBtn4")->click();
    openDetails(g);
    QVERIFY(details->DBNavigator1->isEnabled());
}

void TestDetails::webLinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened"); // empty: nothing is opened
    QTest::newRow("address") << "www.rosen.de" << "http://www.rosen.de";
    QTest::newRow("full address") << "https://rosen.example/canina?x=1" << "https://rosen.example/canina?x=1";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks") << "   " << "";
    QTest::newRow("local file") << "file:///etc/passwd" << "";
    QTest::newRow("path") << "/usr/bin/xterm" << "";
    QTest::newRow("script") << "javascript:alert(1)" << "";
}

void TestDetails::webLinks()
{
    QFETCH(QString, text);
    QFETCH(QString, opened);
    Garden g;
    g.app.exec("UPDATE Pflanzen SET Webseite1 = ?, Webseite3 = ? WHERE ID = 1", {text, text});
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    DetailsPage *details = openDetails(g);
    QCOMPARE(details->Edit54->text(), text);
    QTest::mouseDClick(details->Edit54, Qt::LeftButton);
    QTest::mouseDClick(details->Edit56, Qt::LeftButton);
    QStringList calls;
    for (const DialogCall &call : g.app.prompter().dialogs())
        calls << call.dialog + QLatin1Char(' ') + call.detail;
    QCOMPARE(calls, (opened.isEmpty() ? QStringList() : QStringList{"openUrl " + opened, "openUrl " + opened}));
    QVERIFY(g.app.prompter().messages().isEmpty());
}

VINDEL_TEST_MAIN(TestDetails)
#include "test_details.moc"
