// The action window: one action entered for every plant of the catalogue's selection, in one
// transaction, and the list of actions kept with its messages.
#include "DiaryTestSupport.h"
#include "app/DataGrid.h"
#include "catalogue/HauptansichtPage.h"
#include "diary/DiaryAction.h"
#include "diary/TAktionen.h"
#include "support/RecordingProgress.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace diarytest;

namespace {

TAktionen *actionWindow(AppFixture &app) { return app.find<TAktionen>("TAktionen"); }

// Four plants, two of them roses; the actions Gießen (1) and Düngen (2).
void addGarden(AppFixture &app)
{
    addPlant(app, 1, 11, "Rose Alba");
    addPlant(app, 2, 12, "Iris");
    addPlant(app, 3, 13, "Rose Gallica");
    addPlant(app, 4, 14, "Tulpe");
    addAction(app, "1", "Gießen", "gut gießen");
    addAction(app, "2", "Düngen", "mit Kompost");
    app.prompter().setNow(QDateTime(QDate(2024, 6, 1), QTime(8, 0)));
}

// The catalogue narrowed to the plants whose names begin with the text, then "Aktion eintragen".
TAktionen *openFor(AppFixture &app, const QString &search)
{
    auto *main = app.find<HauptansichtPage>("TabSheet1");
    main->Edit33->setText(search);
    main->BitBtn28->click();
    return actionWindow(app);
}

// A click on the action grid's row that shows the action.
void chooseAction(TAktionen *w, const QString &name)
{
    DataGrid *grid = w->DBGrid1;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        if (grid->model()->index(row, 1).data().toString() == name) {
            const QModelIndex index = grid->model()->index(row, 1);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
            return;
        }
    QFAIL(qPrintable("no action " + name));
}

QStringList entries(AppFixture &app)
{
    QStringList got;
    for (const auto &r : app.select("SELECT PflanzenID, Datum, SortDatum, Aktion, Aktionkenner, Jahr, Inhalt1 "
                                    "FROM Historie ORDER BY ID"))
        got << QStringList{r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString(), r[4].toString(),
                           r[5].toString(), r[6].toString()}
                   .join('|');
    return got;
}

} // namespace

class TestActions : public QObject {
    Q_OBJECT
private slots:
    void startEntersTheActionForTheSelection();
    void selectionWithoutPlants();
    void startIsOneTransaction();
    void observationQuestion();
    void progressOfTheWork();
    void dateLeavingTheField();
    void newAction_data();
    void newAction();
    void tooManyActions();
    void changeAndDeleteActions();
};

void TestActions::startEntersTheActionForTheSelection()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Rose");
    QVERIFY(w->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(w->SelectionCount->text(), QStringLiteral("2"));
    QCOMPARE(w->SelectionFilter->text(), QStringLiteral("Namen = Rose*"));
    // The observation is not offered; the first action is preset.
    QCOMPARE(w->DBGrid1->model()->rowCount(), 2);
    QCOMPARE(w->Edit1->text(), QStringLiteral("01.06.2024"));
    QCOMPARE(w->Edit2->text(), QStringLiteral("01.06.2024"));
    QCOMPARE(w->Edit3->text(), QStringLiteral("Gießen"));
    QCOMPARE(w->Edit4->text(), QStringLiteral("gut gießen"));

    chooseAction(w, "Düngen");
    QCOMPARE(w->Edit3->text(), QStringLiteral("Düngen"));
    QCOMPARE(w->Edit4->text(), QStringLiteral("mit Kompost"));
    w->Edit4->setText("Hornspäne");
    w->BitBtn2->click();

    QCOMPARE(app.prompter().messageTexts(), QStringList{"Für 2 Pflanzen wurde die Aktion \"Düngen\" eingetragen"});
    QCOMPARE(entries(app), (QStringList{"11|01.06.2024|2024-06-01 00:00:00|Düngen|2|2024|Hornspäne",
                                        "13|01.06.2024|2024-06-01 00:00:00|Düngen|2|2024|Hornspäne"}));
    QCOMPARE(app.select("SELECT Letzte FROM Stammdaten")[0][0].toString(), QStringLiteral("2024-06-01 08:00:00"));
    QVERIFY(w->isVisible()); // the window stays open for the next action
    QVERIFY(!w->ProgressBar1->isVisible());
    // The catalogue shows the last plant of the selection.
    QCOMPARE(app.tables().Tab_Pflanzen_test.text("Namen"), QStringLiteral("Rose Gallica"));
    QCOMPARE(app.state().CurrentPlantNr, 13);
    QCOMPARE(app.tables().Tab_Pflanzen_test.tag, 0);

    w->BitBtn3->click();
    QVERIFY(!w->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QVERIFY(!app.tables().Tab_Aktion.filtered());
}

void TestActions::selectionWithoutPlants()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Zypresse");
    QCOMPARE(w->SelectionCount->text(), QStringLiteral("0"));
    w->BitBtn2->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{"Für 0 Pflanzen wurde die Aktion \"Gießen\" eingetragen"});
    QVERIFY(entries(app).isEmpty());
}

// A failure part-way leaves no plant with the entry, in the database or in the table object.
void TestActions::startIsOneTransaction()
{
    AppFixture app;
    addGarden(app);
    addEntry(app, 12, {"01.01.2024", "Beobachtung", "0", "alt"});
    app.exec("CREATE TRIGGER voll AFTER INSERT ON Historie WHEN (SELECT count(*) FROM Historie) > 3 "
             "BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END");
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "");
    QCOMPARE(w->SelectionCount->text(), QStringLiteral("4"));
    w->BitBtn2->click();
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error).size(), 1);
    QVERIFY(app.prompter().messageTexts(MessageKind::Error)[0].contains("Datenträger voll"));
    QCOMPARE(entries(app).size(), 1);
    Table &diary = app.tables().Tab_Historie;
    diary.setFiltered(false);
    QCOMPARE(diary.recordCount(), 1);
    QVERIFY(app.select("SELECT Letzte FROM Stammdaten")[0][0].isNull());
    QVERIFY(!w->ProgressBar1->isVisible());
    QCOMPARE(app.tables().Tab_Pflanzen_test.tag, 0);
}

// The observation is never in the list; should it be the current action all the same, the user
// is asked first.
void TestActions::observationQuestion()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Rose");
    Table &actions = app.tables().Tab_Aktion;
    actions.setFiltered(false);
    QVERIFY(actions.locate("Kenner", "0"));
    app.prompter().answerNo();
    w->BitBtn2->click();
    const QString question = "Sie wollen eine \"Beobachtung\" in das Tagebuch für 2 Pflanzen eintragen!\n\nIst das richtig?";
    QCOMPARE(app.prompter().messageTexts(), QStringList{question});
    QVERIFY(entries(app).isEmpty());
    app.prompter().answerYes();
    w->Edit3->setText("Beobachtung");
    w->BitBtn2->click();
    QCOMPARE(entries(app).size(), 2);
    QVERIFY(entries(app)[0].contains("|Beobachtung|0|"));
}

void TestActions::progressOfTheWork()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    RecordingProgress progress;
    const int written =
        enterActionForPlants(app.context(), {"02.06.2024", "Gießen", "1", "abends"}, progress);
    QCOMPARE(written, 4);
    QCOMPARE(progress.maximum(), qint64(6));
    QCOMPARE(progress.values, (QList<qint64>{1, 2, 3, 4, 5, 6}));
    // A date that is no date writes nothing.
    QVERIFY_THROWS_EXCEPTION(DatabaseError, enterActionForPlants(app.context(), {"Juni", "Gießen", "1", ""}, progress));
    QCOMPARE(entries(app).size(), 4);
}

void TestActions::dateLeavingTheField()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Rose");
    const QString notADate = "Kein richtiges Datum eingetragen!\n\nBitte kontrollieren Sie die Schreibweise! ";
    w->Edit1->setText("3.4.2024");
    w->Edit1Exit(w->Edit4);
    QCOMPARE(w->Edit2->text(), QStringLiteral("3.4.2024"));
    w->Edit1->setText("Ostern");
    w->Edit1Exit(w->Edit4);
    QCOMPARE(app.prompter().messageTexts(), QStringList{notADate});
    QCOMPARE(w->Edit2->text(), QStringLiteral("3.4.2024"));
    // Towards "Schliessen" nothing is checked.
    w->Edit1Exit(w->BitBtn3);
    QCOMPARE(app.prompter().messageTexts().size(), 1);
    QCOMPARE(w->Edit2->text(), QStringLiteral("Ostern"));
    // "Start" writes nothing with such a date.
    w->BitBtn2->click();
    QCOMPARE(app.prompter().messageTexts(), (QStringList{notADate, notADate}));
    QVERIFY(entries(app).isEmpty());
}

void TestActions::newAction_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("saved");

    QTest::newRow("free number") << "5" << "Schneiden" << QStringList{} << true;
    QTest::newRow("number taken: warned, saved")
        << "1" << "Umtopfen"
        << QStringList{"Diese Nr. ist schon vorhanden!\n\nEs sind max. 8 Aktionen möglich! Nr. 0 - 7 \n\n Wählen Sie eine andere Nr."}
        << true;
    QTest::newRow("two digits cut to one") << "36" << "Ernten" << QStringList{"Nr. nur einstellig möglich!"} << true;
    QTest::newRow("number 9: not saved, nothing said") << "9" << "Neun" << QStringList{} << false;
    QTest::newRow("no number: not saved") << "" << "Ohne" << QStringList{} << false;
    QTest::newRow("no name") << "6" << "" << QStringList{"Eine Bezeichnung für die neue Aktion fehlt!"} << false;
}

void TestActions::newAction()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QStringList, messages);
    QFETCH(bool, saved);
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Rose");
    w->BitBtn4->click();
    QCOMPARE(w->editState(), TAktionen::Creating);
    QCOMPARE(w->BitBtn4->text(), QStringLiteral("Speichern"));
    QVERIFY(w->Edit7->isVisible());
    QVERIFY(!w->BitBtn2->isEnabled());
    w->Edit7->setText(number);
    w->Edit5->setText(name);
    w->Edit6->setText("Beschreibung");
    w->BitBtn4->click();
    QCOMPARE(app.prompter().messageTexts(), messages);
    const int stored = count(app, "SELECT count(*) FROM Aktionen WHERE Bezeichnung = ?", {name});
    QCOMPARE(stored, saved ? 1 : 0);
    QCOMPARE(w->editState(), saved ? TAktionen::Idle : TAktionen::Creating);
    if (!saved)
        return;
    QCOMPARE(w->Edit3->text(), name);
    QCOMPARE(w->Edit4->text(), QStringLiteral("Beschreibung"));
    QCOMPARE(w->BitBtn4->text(), QStringLiteral("Neue Aktion anlegen"));
    QVERIFY(!w->Edit7->isVisible());
    QVERIFY(w->BitBtn2->isEnabled());
    QCOMPARE(app.select("SELECT Kenner FROM Aktionen WHERE Bezeichnung = ?", {name})[0][0].toString(), number.left(1));
}

void TestActions::tooManyActions()
{
    AppFixture app;
    addGarden(app);
    for (int i = 3; i < 9; ++i)
        addAction(app, QString::number(std::min(i, 7)), "Aktion " + QString::number(i));
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Rose");
    QCOMPARE(w->DBGrid1->model()->rowCount(), 8);
    w->BitBtn4->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{"Es sind max. 8 Aktionen möglich"});
    QCOMPARE(w->editState(), TAktionen::Idle);
}

void TestActions::changeAndDeleteActions()
{
    AppFixture app;
    addGarden(app);
    addEntry(app, 11, {"01.05.2024", "Gießen", "1", "früher"});
    QVERIFY(app.start());
    TAktionen *w = openFor(app, "Rose");

    // Changing: the number stays; "Schliessen" waits; "Abbrechen" writes nothing.
    w->BitBtn5->click();
    QCOMPARE(w->editState(), TAktionen::Changing);
    QCOMPARE(w->Edit7->text(), QStringLiteral("1"));
    QVERIFY(w->Edit7->isReadOnly());
    QVERIFY(!w->BitBtn3->isEnabled());
    QCOMPARE(w->BitBtn4->text(), QStringLiteral("Änderung speichern"));
    w->Edit7Click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"Die Nr. kann nicht geändert werden!\n\nDies würde alle in der Vergangenheit  \ngespeicherten "
                         "Aktionen falsch zuordnen!"});
    w->Edit6->setText("verworfen");
    w->BitBtn6->click();
    QCOMPARE(w->editState(), TAktionen::Idle);
    QVERIFY(w->BitBtn3->isEnabled());
    QCOMPARE(app.select("SELECT Bemerkung FROM Aktionen WHERE Kenner = '1'")[0][0].toString(), QStringLiteral("gut gießen"));

    w->BitBtn5->click();
    w->Edit5->setText("Wässern");
    w->Edit6->setText("morgens");
    w->BitBtn4->click();
    QCOMPARE(w->editState(), TAktionen::Idle);
    QCOMPARE(app.select("SELECT Bezeichnung, Bemerkung FROM Aktionen WHERE Kenner = '1'")[0][1].toString(),
             QStringLiteral("morgens"));
    QCOMPARE(w->Edit3->text(), QStringLiteral("Wässern"));
    QCOMPARE(w->Edit4->text(), QStringLiteral("morgens"));

    // Deleting an action keeps the diary's entries of it.
    app.prompter().clearRecords();
    app.prompter().answerYes();
    w->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"Diese Aktion wirklich löschen?\n\nBisherige Eintragungen dieser Aktion im Tagebuch werden nicht gelöscht!"});
    QCOMPARE(count(app, "SELECT count(*) FROM Aktionen WHERE Kenner = '1'"), 0);
    QCOMPARE(entries(app), QStringList{"11|01.05.2024|2024-05-01 00:00:00|Gießen|1|2024|früher"});

    // The observation cannot be deleted.
    app.prompter().clearRecords();
    Table &actions = app.tables().Tab_Aktion;
    actions.setFiltered(false);
    QVERIFY(actions.locate("Kenner", "0"));
    w->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"Die Aktion \"Beobachtung\" kann nicht gelöscht werden!\n\nDie Aktion \"Beobachtung\" dient zur "
                         "Anzeige \nder allgemeinen Tagebucheinträge!"});
    QCOMPARE(count(app, "SELECT count(*) FROM Aktionen WHERE Kenner = '0'"), 1);
}

VINDEL_TEST_MAIN(TestActions)
#include "test_actions.moc"
