// The label designer: fields by strip height, the preview strip, fonts, and designs saved,
// loaded and deleted under a name.
#include "reports/ReportTestSupport.h"
#include "labels/TEtikettgestaltung.h"
#include "lists/TListe.h"
#include "support/TestMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QSpinBox>

using namespace reporttest;

namespace {

// The designer, opened from the list window over a list of one plant (or none).
TEtikettgestaltung *openDesigner(AppFixture &app, bool withEntry = true)
{
    addPlant(app, 1, {{"Nr", 17}, {"Namen", "Rosa canina"}});
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet')");
    if (withEntry)
        app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', 17, 'Rosa canina')");
    if (!app.start())
        return nullptr;
    app.find<HauptansichtPage>("TabSheet1")->findChild<QAction *>("zurLIste")->trigger();
    app.find<TListe>("TListe")->BitBtn7->click();
    auto *designer = app.find<TEtikettgestaltung>("TEtikettgestaltung");
    return designer && designer->isVisible() ? designer : nullptr;
}

int visibleBoxes(TEtikettgestaltung *d)
{
    int n = 0;
    for (int i = 0; i < LabelDesign::kFields; ++i)
        n += d->field(i).box->isVisible() && d->field(i).marker->isVisible() && d->field(i).preview->isVisible();
    return n;
}

QFont styled(bool bold, bool italic, bool underline)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPointSize(13);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

} // namespace

class TestLabelDesigner : public QObject {
    Q_OBJECT
private slots:
    void fieldsByHeight_data();
    void fieldsByHeight();
    void heightsKeepChoices();
    void previewLabels();
    void fontsPerLine();
    void styleFlags_data();
    void styleFlags();
    void cancelledNameStillSaves();
    void deletingDesigns();
    void emptyListIsRefused();
};

void TestLabelDesigner::fieldsByHeight_data()
{
    QTest::addColumn<int>("mm");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("fields");
    QTest::newRow("10") << 10 << 38 << 2;
    QTest::newRow("15") << 15 << 57 << 4;
    QTest::newRow("20") << 20 << 76 << 6;
    QTest::newRow("25") << 25 << 95 << 8;
    QTest::newRow("12 typed: fields as they were") << 12 << 46 << 8;
}

void TestLabelDesigner::fieldsByHeight()
{
    QFETCH(int, mm);
    QFETCH(int, frame);
    QFETCH(int, fields);
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    QVERIFY(!app.find<TListe>("TListe")->isEnabled());
    QCOMPARE(visibleBoxes(d), 6); // 20 mm at start
    d->SpinEdit1->setValue(25);
    d->SpinEdit1->setValue(mm);
    QCOMPARE(d->Shape1->height(), frame);
    QCOMPARE(visibleBoxes(d), fields);
    QCOMPARE(d->design().stripMm, mm);
}

void TestLabelDesigner::heightsKeepChoices()
{
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    d->SpinEdit1->setValue(25);
    d->field(7).box->setCurrentText("Standort Winter");
    d->SpinEdit1->setValue(10);
    QVERIFY(!d->field(2).box->isVisible() && !d->field(7).marker->isVisible());
    d->SpinEdit1->setValue(25);
    QVERIFY(d->field(7).box->isVisible());
    QCOMPARE(d->field(7).box->currentText(), QStringLiteral("Standort Winter"));
    QCOMPARE(d->design().choices[7], QStringLiteral("Standort Winter"));
}

// "Pflanzen Nr." previews as "Nr."; "leer" hides a preview label until the next activation,
// which shows it with the text "leer".
void TestLabelDesigner::previewLabels()
{
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    QCOMPARE(d->field(0).preview->text(), QStringLiteral("Nr."));
    QCOMPARE(d->field(1).preview->text(), QStringLiteral("Name"));
    d->field(1).box->setCurrentText("leer");
    QVERIFY(!d->field(1).preview->isVisible());
    d->BitBtn2->click();
    QVERIFY(!d->isVisible());
    QVERIFY(app.find<TListe>("TListe")->isEnabled());
    app.find<TListe>("TListe")->BitBtn7->click();
    QVERIFY(d->field(1).preview->isVisible());
    QCOMPARE(d->field(1).preview->text(), QStringLiteral("leer"));
    QCOMPARE(d->field(1).box->currentText(), QStringLiteral("leer")); // the design lives on while hidden
}

void TestLabelDesigner::fontsPerLine()
{
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    const QFont before = d->field(2).preview->font();
    app.prompter().queueFont(styled(false, true, false));
    d->BitBtn3->click();
    QVERIFY(d->field(0).preview->font().italic() && d->field(1).preview->font().italic());
    QCOMPARE(d->field(2).preview->font(), before);
    app.prompter().queueFont(std::nullopt); // cancelled: nothing changes
    d->BitBtn4->click();
    QCOMPARE(d->field(7).preview->font(), before);
    app.prompter().queueFont(styled(true, false, false));
    d->BitBtn4->click();
    for (int i = 2; i < LabelDesign::kFields; ++i)
        QVERIFY(d->field(i).preview->font().bold());
    QVERIFY(!d->field(0).preview->font().bold());
}

// A flag is stored only for exactly that style; loading sets the style from the flags alone.
void TestLabelDesigner::styleFlags_data()
{
    QTest::addColumn<QFont>("saved");
    QTest::addColumn<QVariantList>("flags"); // Fett, Kursiv, FettKursiv
    QTest::addColumn<bool>("loadsBold");
    QTest::addColumn<bool>("loadsItalic");
    QTest::newRow("bold") << styled(true, false, false) << QVariantList{1, 0, 0} << true << false;
    QTest::newRow("italic") << styled(false, true, false) << QVariantList{0, 1, 0} << false << true;
    QTest::newRow("bold italic") << styled(true, true, false) << QVariantList{0, 0, 1} << true << true;
    QTest::newRow("bold underlined") << styled(true, false, true) << QVariantList{0, 0, 0} << false << false;
    QTest::newRow("regular") << styled(false, false, false) << QVariantList{0, 0, 0} << false << false;
}

void TestLabelDesigner::styleFlags()
{
    QFETCH(QFont, saved);
    QFETCH(QVariantList, flags);
    QFETCH(bool, loadsBold);
    QFETCH(bool, loadsItalic);
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    app.prompter().queueFont(saved);
    d->BitBtn3->click();
    d->SpinEdit1->setValue(15);
    d->field(3).box->setCurrentText("Herkunft");
    d->CheckBox1->setChecked(true);
    app.prompter().queueText(QStringLiteral("Omas 'Rosen' \"groß\""));
    d->BitBtn5->click();
    QCOMPARE(app.prompter().messageTexts().last(), QStringLiteral("Etikett wurde gespeichert"));
    const auto rows = app.select("SELECT Zeile1StyleFett, Zeile1StyleKursiv, Zeile1StyleFettKursiv, Breite, Combobox4, "
                                 "Zeile1Name, Zeile1Size, QRCode FROM Etiketten");
    QCOMPARE(rows.size(), size_t(1));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rows[0][size_t(i)].toBool(), flags[i].toBool());
    QCOMPARE(rows[0][3].toInt(), 15);
    QCOMPARE(rows[0][4].toString(), QStringLiteral("Herkunft"));
    QCOMPARE(rows[0][5].toString(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(rows[0][6].toInt(), 13);
    QVERIFY(rows[0][7].toBool());

    // Change everything, then load: the saved design comes back whatever the current font was.
    app.prompter().queueFont(styled(!loadsBold, !loadsItalic, true));
    d->BitBtn3->click();
    d->SpinEdit1->setValue(25);
    d->field(3).box->setCurrentText("Art");
    d->CheckBox1->setChecked(false);
    d->BitBtn7->click();
    QVERIFY(d->ComboBox9->isVisible());
    QCOMPARE(d->ComboBox9->currentText(), QStringLiteral("Omas 'Rosen' \"groß\""));
    d->ComboBox9Change();
    QVERIFY(!d->ComboBox9->isVisible());
    QCOMPARE(d->SpinEdit1->value(), 15);
    QCOMPARE(visibleBoxes(d), 4);
    QCOMPARE(d->field(3).box->currentText(), QStringLiteral("Herkunft"));
    QCOMPARE(d->field(3).preview->text(), QStringLiteral("Herkunft"));
    const QFont loaded = d->field(1).preview->font();
    QCOMPARE(loaded.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(loaded.pointSize(), 13);
    QCOMPARE(loaded.bold(), loadsBold);
    QCOMPARE(loaded.italic(), loadsItalic);
    QVERIFY(!loaded.underline());
    QVERIFY(d->CheckBox1->isChecked());
}

void TestLabelDesigner::cancelledNameStillSaves()
{
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    app.prompter().queueText(std::nullopt);
    d->BitBtn5->click();
    app.prompter().queueText(std::nullopt);
    d->BitBtn5->click(); // the same name twice gives two designs
    const auto rows = app.select("SELECT EName FROM Etiketten");
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[1][0].toString(), QStringLiteral("Mein Etikett xx"));
}

void TestLabelDesigner::deletingDesigns()
{
    AppFixture app;
    app.exec("INSERT INTO Etiketten (EName, Breite) VALUES ('Klein', 10), ('Groß', 25)");
    TEtikettgestaltung *d = openDesigner(app);
    QVERIFY(d);
    d->BitBtn6->click();
    QVERIFY(d->ComboBox10->isVisible());
    QCOMPARE(d->ComboBox10->count(), 2);
    d->ComboBox10->setCurrentIndex(1);
    app.prompter().answerNo();
    d->ComboBox10Select();
    QCOMPARE(app.prompter().messageTexts().last(), QStringLiteral("Etiketten Gestaltung von \"Groß\" wirklich löschen?"));
    QVERIFY(!d->ComboBox10->isVisible());
    QCOMPARE(app.select("SELECT COUNT(*) FROM Etiketten")[0][0].toInt(), 2);
    d->BitBtn6->click();
    d->ComboBox10->setCurrentIndex(1);
    app.prompter().answerYes();
    d->ComboBox10Select();
    QCOMPARE(app.select("SELECT EName FROM Etiketten").size(), size_t(1));
    QCOMPARE(d->ComboBox10->count(), 1);
    QCOMPARE(d->ComboBox10->currentText(), QStringLiteral("Klein"));
    // Escape hides both lists.
    d->BitBtn7->click();
    d->BitBtn6->click();
    d->FormKeyDown(Qt::Key_Escape);
    QVERIFY(!d->ComboBox9->isVisible() && !d->ComboBox10->isVisible());
}

void TestLabelDesigner::emptyListIsRefused()
{
    AppFixture app;
    TEtikettgestaltung *d = openDesigner(app, false);
    QVERIFY(d);
    d->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"  Liste ist leer. Leere Liste kann nicht zum Etikettendruck verwendet werden. "});
    QVERIFY(app.prompter().previews().empty());
    QVERIFY(d->isVisible());
}

VINDEL_TEST_MAIN(TestLabelDesigner)
#include "test_label_designer.moc"
