// The settings page: own data, the folders, the photo program, the colours and the reminder
// settings, each stored by its own button after its question.
#include "settings/StammdatenPage.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace vindel;
using namespace vindel::test;

namespace {

StammdatenPage *settingsPage(AppFixture &app)
{
    app.mainWindow()->activatePage("TabSheet5");
    return app.find<StammdatenPage>("TabSheet5");
}

QString stored(AppFixture &app, const QString &column)
{
    return app.select("SELECT " + column + " FROM Stammdaten")[0][0].toString();
}

QColor background(QWidget *w) { return w->palette().color(QPalette::Window); }

} // namespace

class TestSettingsPage : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoredRecord();
    void ownData_data();
    void ownData();
    void folders_data();
    void folders();
    void photoProgramCancelledStillAsks();
    void resetColours();
    void changeBackgroundColour();
    void reminderSettings();
};

void TestSettingsPage::showsTheStoredRecord()
{
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Nachname = 'Gärtner', Ort = 'Freiburg', DruckName = 'Ja', Fotopfad = '/media/bilder/', "
             "Fotobearbeitung = '/usr/bin/gimp', Sicherungspfad = '/media/stick/', Letztesicherung = '01.12.2026', "
             "Datensicherung = 'n', DatensicherungTage = 30, Fotossichern = 'j'");
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    QCOMPARE(p->Edit38->text(), QStringLiteral("Gärtner"));
    QCOMPARE(p->Edit41->text(), QStringLiteral("Freiburg"));
    QVERIFY(p->CheckBox3->isChecked());
    QCOMPARE(p->CheckBox3->text(), QStringLiteral("Ja"));
    QCOMPARE(p->Edit18->text(), QStringLiteral("/media/bilder/"));
    QCOMPARE(p->Edit19->text(), QStringLiteral("/usr/bin/gimp"));
    QCOMPARE(p->Edit50->text(), QStringLiteral("/media/stick/"));
    QCOMPARE(p->Label138->text(), QStringLiteral("01.12.2026"));
    QVERIFY(!p->CheckBox4->isChecked());
    QVERIFY(!p->SpinEdit2->isEnabled() && !p->Label135->isEnabled());
    QCOMPARE(p->SpinEdit2->value(), 30);
    QVERIFY(p->CheckBox5->isChecked());
    QCOMPARE(stored(app, "DatensicherungTage"), QStringLiteral("30")); // showing writes nothing
}

// Yes stores all seven fields and the box; No brings the stored texts back, the box stays.
void TestSettingsPage::ownData_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestSettingsPage::ownData()
{
    QFETCH(bool, yes);
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Nachname = 'Alt', DruckName = 'Nein'");
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    p->Edit38->setText("O'Neil");
    p->Edit44->setText("grete@example.org");
    p->CheckBox3->click();
    QCOMPARE(p->CheckBox3->text(), QStringLiteral("Ja"));
    yes ? app.prompter().answerYes() : app.prompter().answerNo();
    p->BitBtn21->click();
    QCOMPARE(app.prompter().messageTexts().first(), QStringLiteral("Persönliche Daten wirklich speichern?"));
    if (yes) {
        QCOMPARE(app.prompter().messageTexts().last(), QStringLiteral("Daten wurden geändert"));
        QCOMPARE(stored(app, "Nachname"), QStringLiteral("O'Neil"));
        QCOMPARE(stored(app, "EMail"), QStringLiteral("grete@example.org"));
        QCOMPARE(stored(app, "DruckName"), QStringLiteral("Ja"));
    } else {
        QCOMPARE(p->Edit38->text(), QStringLiteral("Alt"));
        QCOMPARE(p->Edit44->text(), QString());
        QVERIFY(p->CheckBox3->isChecked());
        QCOMPARE(stored(app, "DruckName"), QStringLiteral("Nein"));
    }
}

// The three folder buttons: a question only when the field changed; the photo folder takes
// effect at once.
void TestSettingsPage::folders_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("done");
    QTest::newRow("photo storage") << "BitBtn17" << "Edit36" << "Speicherpfad"
                                   << "Den Pfad für das Speichern der eigenen Fotos wirklich speichern?"
                                   << "Pfad wurden geändert";
    QTest::newRow("photo loading") << "BitBtn18" << "Edit18" << "Fotopfad"
                                   << "Den Pfad für das Laden der eigenen Fotos wirklich speichern?"
                                   << "Pfad wurden geändert";
    QTest::newRow("backup target") << "BitBtn16" << "Edit50" << "Sicherungspfad"
                                   << "Den Pfad für die Datensicherung wirklich speichern?"
                                   << "Sicherungspfad wurden geändert";
}

void TestSettingsPage::folders()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, column);
    QFETCH(QString, question);
    QFETCH(QString, done);
    AppFixture app;
    app.exec("UPDATE Stammdaten SET " + column + " = '/srv/alt/'");
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    auto *b = p->findChild<QPushButton *>(button);
    auto *f = p->findChild<QLineEdit *>(field);
    if (column == "Speicherpfad")
        f->setText("/srv/alt/"); // the start-up filled it with the photo folder in force

    app.prompter().queueFolder(std::nullopt); // cancelled, nothing typed: no question
    b->click();
    app.prompter().queueFolder(QStringLiteral("/srv/alt")); // the same folder: no question
    b->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{});

    app.prompter().queueFolder(QStringLiteral("/srv/neu"));
    app.prompter().answerNo();
    b->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{question});
    QCOMPARE(f->text(), QStringLiteral("/srv/alt/"));

    app.prompter().queueFolder(QStringLiteral("/srv/neu"));
    app.prompter().answerYes();
    b->click();
    QCOMPARE(app.prompter().messageTexts().last(), done);
    QCOMPARE(stored(app, column), QStringLiteral("/srv/neu/"));
    if (column == "Speicherpfad")
        QCOMPARE(app.state().PhotoDir, QStringLiteral("/srv/neu/"));
}

void TestSettingsPage::photoProgramCancelledStillAsks()
{
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Fotobearbeitung = '/usr/bin/gimp'");
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    app.prompter().queueFile(std::nullopt);
    app.prompter().answerNo();
    p->BitBtn9->click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"Programm zur Fotobearbeitung \n\n/usr/bin/gimp\n\nwirklich speichern?"});
    app.prompter().queueFile(QStringLiteral("/usr/bin/pinta"));
    app.prompter().answerYes();
    p->BitBtn9->click();
    QCOMPARE(stored(app, "Fotobearbeitung"), QStringLiteral("/usr/bin/pinta"));
}

void TestSettingsPage::resetColours()
{
    AppFixture app;
    app.exec("UPDATE Stammdaten SET Formfarbe = '255', Tabsheetfarbe = '255', Groupboxfarbe = '255'");
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    p->BitBtn34->click();
    QCOMPARE(stored(app, "Formfarbe"), QStringLiteral("10484695"));
    QCOMPARE(stored(app, "Tabsheetfarbe"), QStringLiteral("6879679"));
    QCOMPARE(stored(app, "Groupboxfarbe"), QStringLiteral("11468799"));
    QCOMPARE(background(app.mainWindow()), QColor(0xD7, 0xFB, 0x9F));
    QCOMPARE(background(p), QColor(0xBF, 0xF9, 0x68));
    QCOMPARE(background(p->Shape4), QColor(0xD7, 0xFB, 0x9F));
    QCOMPARE(background(p->Shape2), QColor(0xBF, 0xF9, 0x68));
    QCOMPARE(background(p->Shape3), QColor(0xFF, 0xFF, 0xAE));
}

// A new background reaches the list windows at once; a cancelled dialog changes nothing.
void TestSettingsPage::changeBackgroundColour()
{
    AppFixture app;
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    const QString before = stored(app, "Formfarbe");
    app.prompter().queueColour(std::nullopt);
    p->BitBtn35->click();
    QCOMPARE(stored(app, "Formfarbe"), before);
    app.prompter().queueColour(QColor(0x10, 0x20, 0x30));
    p->BitBtn35->click();
    QCOMPARE(stored(app, "Formfarbe"), QString::number(0x302010));
    QCOMPARE(background(app.mainWindow()), QColor(0x10, 0x20, 0x30));
    QCOMPARE(background(app.find<QWidget>("TListe")), QColor(0x10, 0x20, 0x30));
    QCOMPARE(background(app.find<QWidget>("TKalender")), QColor(0x10, 0x20, 0x30));
}

void TestSettingsPage::reminderSettings()
{
    AppFixture app;
    QVERIFY(app.start());
    StammdatenPage *p = settingsPage(app);
    p->CheckBox4->setChecked(true);
    p->CheckBox4->click();
    QCOMPARE(stored(app, "Datensicherung"), QStringLiteral("n"));
    QVERIFY(!p->SpinEdit2->isEnabled() && !p->Label135->isEnabled());
    p->CheckBox4->click();
    QCOMPARE(stored(app, "Datensicherung"), QStringLiteral("j"));
    QVERIFY(p->SpinEdit2->isEnabled());
    p->SpinEdit2->setValue(45);
    QCOMPARE(stored(app, "DatensicherungTage"), QStringLiteral("45"));
    p->CheckBox5->click();
    QCOMPARE(stored(app, "Fotossichern"), p->CheckBox5->isChecked() ? QStringLiteral("j") : QStringLiteral("n"));
}

VINDEL_TEST_MAIN(TestSettingsPage)
#include "test_settings_page.moc"
