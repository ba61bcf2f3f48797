// The number dialog "Nummer ändern", opened from the number field of the plant being edited.
#include "EditingTestSupport.h"

#include "app/Colours.h"
#include "app/Tag.h"
#include "catalogue/PlantEditing.h"
#include "catalogue/TNr.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPushButton>

using namespace editingtest;

namespace {

TNr *openDialog(Garden &g)
{
    g.find<QPushButton>("BitBtn3")->click();
    QTest::mouseClick(g.edit("Edit46"), Qt::LeftButton);
    auto *dialog = g.app.find<TNr>("TNr");
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace

class TestNumberDialog : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheOwnNumber();
    void numberCheck_data();
    void numberCheck();
    void okHandsTheNumberToTheEditingPage();
    void cancelAfterChoosingANumber();
    void numberFieldOnlyOpensWhileEditing();
};

void TestNumberDialog::opensOnTheOwnNumber()
{
    Garden g;
    QVERIFY(g.start());
    g.app.state().FormColor = 0x00FF00;
    QVERIFY(g.show(1));
    TNr *dialog = openDialog(g);
    QVERIFY(dialog);
    QCOMPARE(backgroundOf(dialog), 0x00FF00);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Nummer ändern"));
    QCOMPARE(dialog->size(), QSize(343, 243));
    QVERIFY(!g.app.mainWindow()->isEnabled());
    QCOMPARE(dialog->Label1->text(), QStringLiteral("Neue Nummer für diese Pflanze"));
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("7"));
    QCOMPARE(dialog->Label119->text(), QStringLiteral("Diese Nummer besteht bereits für: "));
    QVERIFY(dialog->Label118->isVisible());
    QCOMPARE(dialog->Label118->text(), QStringLiteral("Rosa canina"));
    QVERIFY(!dialog->BitBtn2->isEnabled());
    QCOMPARE(dialog->BitBtn2->text(), QStringLiteral("OK"));
    QCOMPARE(dialog->BitBtn1->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(g.app.state().NextPlantNr, 7);
    dialog->BitBtn1->click();
    QVERIFY(g.app.mainWindow()->isEnabled());
}

void TestNumberDialog::numberCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status"); // empty: the status line is hidden
    QTest::addColumn<QString>("owner");  // empty: the name line is hidden
    QTest::addColumn<bool>("ok");
    QTest::newRow("free") << "12" << "Diese Nummer ist möglich " << "" << true;
    QTest::newRow("zero") << "0" << "Diese Nummer ist möglich " << "" << true;
    QTest::newRow("another plant's") << "8" << "Diese Nummer besteht bereits für: " << "Iris sibirica" << false;
    QTest::newRow("a plant the catalogue hides") << "3" << "Diese Nummer besteht bereits für: " << "Phlox paniculata" << false;
    QTest::newRow("minus one") << "-1" << "Die Pflanzennummer muß aus Zahlen bestehen!" << "" << false;
    QTest::newRow("letters") << "1a" << "Die Pflanzennummer muß aus Zahlen bestehen!" << "" << false;
    QTest::newRow("empty") << "" << "" << "" << false;
}

void TestNumberDialog::numberCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, status);
    QFETCH(QString, owner);
    QFETCH(bool, ok);
    Garden g;
    QVERIFY(g.start());
    // The catalogue shows only the roses; the check still sees every plant.
    Table &plants = g.app.tables().Tab_Pflanzen_test;
    plants.setFilter(QStringLiteral("(Familie LIKE 'Rosa')"));
    plants.setFiltered(true);
    plants.setIndexFieldNames(QStringLiteral("Namen"));
    QVERIFY(g.show(1));
    TNr *dialog = openDialog(g);
    QVERIFY(dialog);
    dialog->Edit1->clear();
    QTest::keyClicks(dialog->Edit1, typed);
    QCOMPARE(dialog->Label119->isVisible(), !status.isEmpty());
    if (!status.isEmpty())
        QCOMPARE(dialog->Label119->text(), status);
    QCOMPARE(dialog->Label118->isVisible(), !owner.isEmpty());
    if (!owner.isEmpty())
        QCOMPARE(dialog->Label118->text(), owner);
    QCOMPARE(dialog->BitBtn2->isEnabled(), ok);
    // The plant table is as the catalogue left it, on the plant being edited.
    QVERIFY(plants.filtered());
    QCOMPARE(plants.recordCount(), 1);
    QCOMPARE(plants.sort(), QStringLiteral("Namen"));
    QCOMPARE(plants.integer("ID"), 1);
    QCOMPARE(plants.tag, 1);
}

void TestNumberDialog::okHandsTheNumberToTheEditingPage()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    TNr *dialog = openDialog(g);
    QVERIFY(dialog);
    dialog->Edit1->setText(QStringLiteral("0"));
    dialog->BitBtn2->click();
    QVERIFY(dialog->isHidden());
    QVERIFY(g.app.mainWindow()->isEnabled());
    QVERIFY(g.app.returnToMainWindow());
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("0"));
    QCOMPARE(Tag::of(g.edit("Edit46")), 1);
    // Nothing is stored by the dialog itself.
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 7);
    // Showing the plant again keeps the chosen number.
    g.app.mainWindow()->hauptansicht()->Pflanzezeigen();
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("0"));
    g.find<QPushButton>("BitBtn3")->click();
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 0);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.integer("ID"), 1);
}

void TestNumberDialog::cancelAfterChoosingANumber()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    TNr *dialog = openDialog(g);
    QVERIFY(dialog);
    dialog->Edit1->setText(QStringLiteral("44"));
    QVERIFY(dialog->BitBtn2->isEnabled());
    dialog->BitBtn1->click();
    QVERIFY(dialog->isHidden());
    QVERIFY(g.app.mainWindow()->isEnabled());
    QVERIFY(g.app.returnToMainWindow());
    // The number field keeps what it had; the cursor is back on the plant.
    QCOMPARE(g.edit("Edit46")->text(), QStringLiteral("7"));
    QCOMPARE(Tag::of(g.edit("Edit46")), 0);
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.integer("ID"), 1);
    g.find<QPushButton>("BitBtn3")->click();
    QCOMPARE(g.rows("SELECT Nr FROM Pflanzen WHERE ID = 1"), 7);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE Nr = 44"), 0);
}

void TestNumberDialog::numberFieldOnlyOpensWhileEditing()
{
    Garden g;
    QVERIFY(g.start());
    QVERIFY(g.show(1));
    QVERIFY(g.edit("Edit46")->isHidden());
    auto *editing = g.page()->findChild<PlantEditing *>("PlantEditing");
    QVERIFY(editing);
    editing->Edit46Click();
    QVERIFY(!g.app.find<TNr>("TNr")->isVisible());
    QVERIFY(g.app.mainWindow()->isEnabled());
}

VINDEL_TEST_MAIN(TestNumberDialog)
#include "test_number_dialog.moc"
