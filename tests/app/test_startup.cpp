// Start-up of the program end to end: the windows, the main window's pages, the missing database,
// an older database without colour settings, and what the start-up leaves in the shared state.
#include "app/Colours.h"
#include "frame/ProgramFolder.h"
#include "frame/WindowFactory.h"
#include "catalogue/HauptansichtPage.h"
#include "settings/StammdatenPage.h"
#include "support/AppFixture.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <stdexcept>

using namespace vindel;
using namespace vindel::test;

namespace {

QStringList comboItems(const QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

const QString kMissingDatabase = QStringLiteral(
    "Die Datenbankdatei fehlt!   Bitte kopieren Sie die \"Pflanzen.mdb\" ins Programmverzeichnis.");

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void windowsInOrderWithCaptions();
    void mainWindowFrame();
    void pagesAndTabCaptions();
    void missingDatabaseStopsBeforeAnyWindow();
    void firstStartOfAnInstalledProgram_data();
    void firstStartOfAnInstalledProgram();
    void programFolder_data();
    void programFolder();
    void unusableDatabaseFileStops_data();
    void unusableDatabaseFileStops();
    void currentDatabaseShowsNoMessage();
    void categoryListsAndCounts();
    void oldDatabaseWithoutColoursGetsDefaults();
    void coloursAppliedAtStart();
    void unreadableColourIsWhite();
    void photoDirDefault();
    void showSetsCalendarYearAndDiaryCaption();
    void closingEndsTheProgram();
    void databaseErrorInAHandlerIsReported();
};

void TestStartup::windowsInOrderWithCaptions()
{
    AppFixture app;
    QVERIFY(app.start());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("VindelV40"));

    const QList<QPair<QString, QString>> expected{
        {"TPflanzendatenbank", "Pflanzen - Datenbank V 4.0"},
        {"TFotozeigen", "Fotos"},
        {"TRep_druckansicht", "Druckansicht"},
        {"TEtikettgestaltung", "Etikettgestaltung"},
        {"TRep_SonderlisteLang", "Rep_SonderlisteLang"},
        {"TRep_Historie", "Rep_Historie"},
        {"TDruckauswahl", "Druckauswahl"},
        {"TRep_DatenblattmitTagebuch", "Rep_DatenblattmitTagebuch"},
        {"TRep_Druckalle", "Rep_Druckalle"},
        {"TAktionen", "Aktionen"},
        {"TGattung", "Gattung"},
        {"TNr", "Nummer ändern"},
        {"TRep_SonderListe", "Rep_SonderListe"},
        {"TKalender", "Kalender"},
        {"TListe", "Meine Listen"},
        {"TAufListe", "Listen"},
        {"TTagebuchneu", "Neuer Tagebucheintrag"},
        {"TInfo", "Informationen"},
        {"TRep_Listekurz", "Rep_Listekurz"},
        {"TRep_Etikettendruck", "Rep_Etikettendruck"},
        {"TSortieren", "Sortieren"},
        {"TRep_Liste", "Rep_Liste"},
        {"TWarten", "Warten"},
        {"TKategorie", "Kategorie"},
    };
    const auto windows = app.windows();
    QCOMPARE(int(windows.size()), expected.size());
    QCOMPARE(int(WindowFactory::classNames().size()), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(windows[size_t(i)]->objectName(), expected[i].first);
        QCOMPARE(windows[size_t(i)]->metaObject()->className(), ("vindel::" + expected[i].first).toLatin1());
        QCOMPARE(windows[size_t(i)]->windowTitle(), expected[i].second);
        QCOMPARE(WindowFactory::classNames()[size_t(i)], expected[i].first);
        // Only the main window is on the screen after the start.
        QCOMPARE(windows[size_t(i)]->isVisible(), i == 0);
    }
    QVERIFY(app.find<QWidget>("TKategorie") == windows.back());
}

void TestStartup::mainWindowFrame()
{
    AppFixture app;
    QVERIFY(app.start());
    TPflanzendatenbank *main = app.mainWindow();
    QCOMPARE(main->size(), QSize(1020, 797));
    QVERIFY(main->isActiveWindow());
    auto *info = app.find<QPushButton>("BitBtn36");
    QVERIFY(info);
    QCOMPARE(info->text(), QStringLiteral("Info"));
    // The page control fills the window below the title and grows with it.
    QTabWidget *pages = main->pageControl();
    QCOMPARE(pages->objectName(), QStringLiteral("PageControl1"));
    const QRect before = pages->geometry();
    main->resize(1200, 900);
    QCOMPARE(pages->geometry().size(), before.size() + QSize(180, 103));
    QCOMPARE(info->geometry().right(), main->width() - 11);

    // "Info" disables the main window and shows the information window; closing it returns.
    info->click();
    AppWindow *infoWindow = app.find<AppWindow>("TInfo");
    QVERIFY(infoWindow->isVisible());
    QVERIFY(!main->isEnabled());
    infoWindow->close();
    QVERIFY(!infoWindow->isVisible());
    QVERIFY(main->isEnabled());
}

void TestStartup::pagesAndTabCaptions()
{
    AppFixture app;
    QVERIFY(app.start());
    QTabWidget *pages = app.mainWindow()->pageControl();
    const QList<QPair<QString, QString>> expected{
        {"TabSheet1", "Hauptansicht          "},
        {"TabSheet2", "Details                 "},
        {"TabSheet3", "Tagbuch ( 0 )   "}, // the show handler put the diary count in
        {"TabSheet4", "Neue Pflanze anlegen      "},
        {"TabSheet8", "Statistik        "},
        {"TabSheet6", "Fotoalbum                                  "},
        {"TabSheet7", "Kontakte             "},
        {"TabSheet5", "Stammdaten            "},
    };
    QCOMPARE(pages->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(pages->widget(i)->objectName(), expected[i].first);
        QCOMPARE(pages->tabText(i), expected[i].second);
    }
    QCOMPARE(app.mainWindow()->page("TabSheet3")->caption(), QStringLiteral("Tagebuch         "));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
}

void TestStartup::missingDatabaseStopsBeforeAnyWindow()
{
    AppFixture app(AppFixture::Options{false});
    const QStringList before = QDir(app.programDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(!app.start());
    QVERIFY(app.stopped());
    QCOMPARE(app.prompter().messages().size(), 1);
    QCOMPARE(app.prompter().messages()[0].kind, MessageKind::Information);
    QCOMPARE(app.prompter().messages()[0].text, kMissingDatabase);
    QVERIFY(app.windows().empty());
    QVERIFY(app.mainWindow() == nullptr);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(QDir(app.programDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestStartup::firstStartOfAnInstalledProgram_data()
{
    QTest::addColumn<QString>("answer"); // "new", a fixture file to take, or "" to cancel
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("plants");
    QTest::newRow("a new, empty catalogue") << "new" << true << 0;
    QTest::newRow("an old Access file, converted") << "pflanzen-v4.mdb" << true << 12;
    QTest::newRow("cancelled") << "" << false << 0;
}

// An installed program finds no database at its first start: it offers a new one or takes an
// existing file into the user's data folder, instead of ending with the message for a missing file.
void TestStartup::firstStartOfAnInstalledProgram()
{
    QFETCH(QString, answer);
    QFETCH(bool, started);
    QFETCH(int, plants);
    AppFixture app(AppFixture::Options{false, true});
    app.installImportHelper();
    if (answer == "new") {
        app.prompter().answerYes();
    } else {
        app.prompter().answerNo();
        app.prompter().queueFile(answer.isEmpty() ? std::optional<QString>()
                                                  : QStringLiteral(VINDEL_TEST_DATA "/access/") + answer);
    }
    QCOMPARE(app.start(), started);
    const QStringList messages = app.prompter().messageTexts();
    QVERIFY2(messages.value(0).startsWith("Willkommen! Es gibt noch keine Pflanzen-Datenbank."), qPrintable(messages.join('|')));
    QVERIFY(!messages.contains(kMissingDatabase));
    if (!started) {
        QVERIFY(messages.last().startsWith("Ohne Datenbank kann das Programm nicht arbeiten"));
        QVERIFY(!QFile::exists(app.databasePath()));
        return;
    }
    QCOMPARE(app.tables().db.path(), app.databasePath());
    QCOMPARE(app.select("SELECT count(*) FROM Pflanzen")[0][0].toInt(), plants);
    if (answer != "new")
        QVERIFY(messages.join('|').contains("in das neue Datenbankformat übernommen"));
}

void TestStartup::programFolder_data()
{
    QTest::addColumn<QStringList>("besideProgram");
    QTest::addColumn<bool>("installed");
    QTest::newRow("build folder") << QStringList{"VindelV40", "vindel-build-folder"} << false;
    QTest::newRow("database beside the program") << QStringList{"VindelV40", "Pflanzen.mdb"} << false;
    QTest::newRow("installed") << QStringList{"VindelV40"} << true;
}

void TestStartup::programFolder()
{
    QFETCH(QStringList, besideProgram);
    QFETCH(bool, installed);
    QTemporaryDir bin, data;
    for (const QString &name : besideProgram)
        writeFile(bin.filePath(name), "x");
    const ProgramFolder folder = ProgramFolder::choose(bin.path() + "/", data.path() + "/");
    QCOMPARE(folder.installed, installed);
    QCOMPARE(folder.path, installed ? data.path() + "/VindelV40/" : bin.path() + "/");
}

void TestStartup::unusableDatabaseFileStops_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    const QByteArray damagedAccess = readFile(QStringLiteral(VINDEL_TEST_DATA "/access/damaged-truncated.mdb"));
    QTest::newRow("damaged Access file, read by the helper")
        << damagedAccess << QStringLiteral("Die Access-Datei ist beschädigt");
    QByteArray foreignAccess = readFile(QStringLiteral(VINDEL_TEST_DATA "/access/pflanzen-v2.mdb"));
    const QString from = QStringLiteral("Kategorien"), to = QStringLiteral("Rezeptbuch");
    foreignAccess.replace(QByteArray(reinterpret_cast<const char *>(from.utf16()), from.size() * 2),
                          QByteArray(reinterpret_cast<const char *>(to.utf16()), to.size() * 2));
    QTest::newRow("Access file of another application")
        << foreignAccess << QStringLiteral("keine Pflanzen-Datenbank dieses Programms");
    QTest::newRow("empty file") << QByteArray()
                                << QStringLiteral("ist beschädigt oder keine Pflanzen-Datenbank dieses Programms");
}

// A file that cannot be the catalogue stops the start with a German message and stays exactly as
// it was; nothing is created beside it.
void TestStartup::unusableDatabaseFileStops()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    AppFixture app(AppFixture::Options{false});
    app.installImportHelper();
    writeFile(app.databasePath(), bytes);
    const QStringList before = QDir(app.programDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(!app.start());
    QCOMPARE(app.prompter().messages().size(), 1);
    QCOMPARE(app.prompter().messages()[0].kind, MessageKind::Error);
    QVERIFY2(app.prompter().messages()[0].text.contains(says), qPrintable(app.prompter().messages()[0].text));
    QVERIFY(app.windows().empty());
    QCOMPARE(readFile(app.databasePath()), bytes);
    QCOMPARE(QDir(app.programDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestStartup::currentDatabaseShowsNoMessage()
{
    AppFixture app;
    QVERIFY(app.start());
    QCOMPARE(app.prompter().messageTexts(), QStringList());
    QVERIFY(app.tables().db.isOpen());
    QCOMPARE(app.tables().db.path(), app.databasePath());
    QCOMPARE(app.tables().ADOQuery_Stammdaten.tag, 0);
    for (Table *t : {&app.tables().Tab_Stammdaten, &app.tables().Tab_Kate_test, &app.tables().Tab_Pflanzen_test,
                     &app.tables().Tab_Gattung, &app.tables().Tab_Aktion, &app.tables().Tab_Combobox,
                     &app.tables().Tab_Kontakte, &app.tables().Tab_Historie})
        QVERIFY2(t->active(), qPrintable(t->tableName()));
}

void TestStartup::categoryListsAndCounts()
{
    AppFixture app;
    for (const char *name : {"Stauden", "Kakteen", "Bäume", "Kakteen"})
        app.exec("INSERT INTO Kategorien (Namen) VALUES (?)", {QString::fromUtf8(name)});
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Aloe', 'Kakteen')");
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Agave', 'Kakteen')");
    for (int nr : {3, 1, 2})
        app.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie) VALUES (?, ?, 'Kakteen', 'Aloe')",
                 {nr, QStringLiteral("Pflanze %1").arg(4 - nr)});
    QVERIFY(app.start());

    const QStringList expected{QStringLiteral("Bäume"), QStringLiteral("Kakteen"), QStringLiteral("Stauden")};
    QCOMPARE(comboItems(app.find<QComboBox>("ComboBox1")), expected);
    QCOMPARE(comboItems(app.find<QComboBox>("ComboBox2")), expected);
    QCOMPARE(app.find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Bäume"));
    QCOMPARE(app.find<QComboBox>("ComboBox2")->currentIndex(), 0);

    // After the first activation: plants, categories and genera counted.
    QCOMPARE(app.find<QLabel>("Label16")->text(), QStringLiteral("3 Einträge gefunden!"));
    QCOMPARE(app.find<QLabel>("Label6")->text(), QStringLiteral("5 Kategorien"));
    QCOMPARE(app.find<QLabel>("Label75")->text(), QStringLiteral("2 Gattungen"));

    // The cursors stand on the first category (" Alle"), genus and plant by name.
    DataTables &t = app.tables();
    QCOMPARE(t.Tab_Kate_test.text("Namen"), QStringLiteral(" Alle"));
    QCOMPARE(app.state().CurrentCategoryId, int(t.Tab_Kate_test.integer("ID")));
    QCOMPARE(app.state().SavedCategoryId, app.state().CurrentCategoryId);
    QCOMPARE(t.Tab_Gattung.text("Familie"), QStringLiteral(" Alle"));
    QCOMPARE(app.state().CurrentGenusId, int(t.Tab_Gattung.integer("ID")));
    QCOMPARE(t.Tab_Pflanzen_test.text("Namen"), QStringLiteral("Pflanze 1"));
    QCOMPARE(app.state().CurrentPlantId, int(t.Tab_Pflanzen_test.integer("ID")));
    QCOMPARE(app.state().CurrentPlantNr, 3);
    QCOMPARE(app.state().CurrentPlantNrText, QStringLiteral("3"));
    QCOMPARE(t.Tab_Kate_test.tag + t.Tab_Gattung.tag + t.Tab_Pflanzen_test.tag, 0);
}

void TestStartup::oldDatabaseWithoutColoursGetsDefaults()
{
    AppFixture app;
    for (const char *name : {"Stauden", "Kakteen"})
        app.exec("INSERT INTO Kategorien (Namen) VALUES (?)", {QString::fromUtf8(name)});
    for (const char *column : {"Formfarbe", "Tabsheetfarbe", "Groupboxfarbe"})
        app.dropColumn("Stammdaten", column);
    QVERIFY(app.start());

    const QStringList expected{
        QStringLiteral("Neue Software - Version 3.0\n\nTabelle \"Stammdaten\" hat das Feld \"Formfarbe\" bekommen "),
        QStringLiteral("Neue Software - Version 3.0\n\nTabelle \"Stammdaten\" hat das Feld \"Tabsheetfarbe\" bekommen "),
        QStringLiteral("Neue Software - Version 3.0\n\nTabelle \"Stammdaten\" hat das Feld \"Groupboxfarbe\" bekommen "),
    };
    QCOMPARE(app.prompter().messageTexts(), expected);
    for (const ShownMessage &m : app.prompter().messages())
        QCOMPARE(m.kind, MessageKind::Information);
    QCOMPARE(app.tables().ADOQuery_Stammdaten.tag, 0);

    // The defaults are stored and applied.
    const auto rows = app.select("SELECT Formfarbe, Tabsheetfarbe, Groupboxfarbe FROM Stammdaten");
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows[0][0].toString(), QStringLiteral("10484695"));
    QCOMPARE(rows[0][1].toString(), QStringLiteral("6879679"));
    QCOMPARE(rows[0][2].toString(), QStringLiteral("11468799"));
    QCOMPARE(app.state().FormColor, 0x9FFBD7);
    QCOMPARE(app.state().TabSheetColor, 0x68F9BF);
    QCOMPARE(app.state().GroupBoxColor, 0xAEFFFF);
    QCOMPARE(backgroundOf(app.mainWindow()), 0x9FFBD7);
    QCOMPARE(backgroundOf(app.find("TabSheet1")), 0x68F9BF);
    QCOMPARE(backgroundOf(app.find("GroupBox4")), 0xAEFFFF);
    QCOMPARE(backgroundOf(app.find("PageControl1")), 0xAEFFFF);
    // Windows created after the main window take the new background.
    QCOMPARE(backgroundOf(app.find("TKategorie")), 0x9FFBD7);

    // The start-up ran twice; the lists hold each category once.
    const QStringList categories{QStringLiteral("Kakteen"), QStringLiteral("Stauden")};
    QCOMPARE(comboItems(app.find<QComboBox>("ComboBox1")), categories);
    QCOMPARE(comboItems(app.find<QComboBox>("ComboBox2")), categories);
}

void TestStartup::coloursAppliedAtStart()
{
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Formfarbe = ?, Tabsheetfarbe = ?, Groupboxfarbe = ?",
             {QString::number(0x102030), QString::number(0x405060), QString::number(0x708090)});
    QVERIFY(app.start());
    QCOMPARE(backgroundOf(app.mainWindow()), 0x102030);
    QCOMPARE(backgroundOf(app.find("Shape4")), 0x102030);
    for (const char *page : {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6", "TabSheet7",
                             "TabSheet8", "Shape2", "RadioGroup1", "RadioGroup2"})
        QVERIFY2(backgroundOf(app.find(page)) == 0x405060, page);
    for (const char *name : {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7",
                             "GroupBox8", "GroupBox9", "Shape1", "Shape3", "Shape5", "Shape6", "Shape7", "Shape8",
                             "Shape15", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"}) {
        QWidget *w = app.find(name);
        QVERIFY2(w, name);
        QVERIFY2(backgroundOf(w) == 0x708090, name);
        QVERIFY2(w->autoFillBackground(), name);
    }
    // The group boxes of the activation, found by their captions.
    QStringList titles;
    for (int i = 1; i <= 7; ++i)
        titles << app.find<QGroupBox>(QStringLiteral("GroupBox%1").arg(i))->title();
    QCOMPARE(titles, (QStringList{"Kategorien", "Gattung", "Pflanzenliste", "Pflanze", "Suche nach:", "Alle Kontakte",
                                  "Kontaktdetails"}));
    for (AppWindow *w : app.windows())
        QVERIFY2(backgroundOf(w) == 0x102030, qPrintable(w->objectName()));
}

void TestStartup::unreadableColourIsWhite()
{
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Formfarbe = 'grün', Tabsheetfarbe = '', Groupboxfarbe = NULL");
    QVERIFY(app.start());
    QCOMPARE(app.state().FormColor, 0xFFFFFF);
    QCOMPARE(app.state().TabSheetColor, 0xFFFFFF);
    QCOMPARE(app.state().GroupBoxColor, 0xFFFFFF);
    QCOMPARE(backgroundOf(app.mainWindow()), 0xFFFFFF);
    QCOMPARE(app.prompter().messageTexts(), QStringList());
}

void TestStartup::photoDirDefault()
{
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Speicherpfad = ''");
    QVERIFY(app.start());
    QCOMPARE(app.state().ProgramDir, app.programDir());
    QCOMPARE(app.state().PhotoDir, app.programDir() + QStringLiteral("Fotos/"));
    QCOMPARE(app.find<QLineEdit>("Edit36")->text(), app.state().PhotoDir);
    QCOMPARE(app.select("SELECT Speicherpfad FROM Stammdaten")[0][0].toString(), app.state().PhotoDir);

    AppFixture kept;
    kept.exec("UPDATE Stammdaten SET Speicherpfad = '/srv/bilder/'");
    QVERIFY(kept.start());
    QCOMPARE(kept.state().PhotoDir, QStringLiteral("/srv/bilder/"));
}

void TestStartup::showSetsCalendarYearAndDiaryCaption()
{
    AppFixture app;
    app.exec("INSERT INTO Pflanzen (Nr, Namen) VALUES (7, 'Aloe vera')");
    for (int i = 0; i < 3; ++i)
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion) VALUES ('7', '01.05.2020', 'Beobachtung')");
    app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion) VALUES ('8', '01.05.2020', 'Beobachtung')");
    app.prompter().setToday(QDate(2031, 3, 4));
    QVERIFY(app.start());
    QVERIFY(app.mainWindow()->wheelHookInstalled());
    QCOMPARE(app.find<QWidget>("TKalender")->findChild<QSpinBox *>("SpinEdit1")->value(), 2031);
    QCOMPARE(app.mainWindow()->pageControl()->tabText(2), QStringLiteral("Tagbuch ( 3 )   "));
    QVERIFY(!app.tables().Tab_Historie.filtered());
}

void TestStartup::closingEndsTheProgram()
{
    AppFixture app;
    QVERIFY(app.start());
    QVERIFY(!app.ended());
    QVERIFY(app.mainWindow()->close());
    QVERIFY(app.ended());
    QCOMPARE(app.prompter().messageTexts(), QStringList());
}

namespace {
// An event handler whose database operation fails.
class FailingHandler : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw DatabaseError(QStringLiteral("Die Tabelle »Pflanzen« ist nicht geöffnet."));
        if (e->type() == QEvent::Type(QEvent::User + 1))
            throw std::out_of_range("vector::at");
        return QObject::event(e);
    }
};
} // namespace

void TestStartup::databaseErrorInAHandlerIsReported()
{
    AppFixture app;
    QVERIFY(app.start());
    FailingHandler handler;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&handler, &event);
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error),
             QStringList{QStringLiteral("Die Tabelle »Pflanzen« ist nicht geöffnet.")});
    QVERIFY(app.mainWindow()->isVisible());

    // Any other failure of a handler ends that operation with a message, not the program.
    app.prompter().clearRecords();
    QEvent other(QEvent::Type(QEvent::User + 1));
    QCoreApplication::sendEvent(&handler, &other);
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error),
             QStringList{QStringLiteral("Die Aktion wurde wegen eines unerwarteten Fehlers abgebrochen:\nvector::at")});
    QVERIFY(app.mainWindow()->isVisible());
}

VINDEL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
