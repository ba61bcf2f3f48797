// The label report: strips per page by height, the fields a height prints, the designer's fonts
// at print time, a first strip further down a used sheet, and a QR code a scanner can read.
#include "reports/ReportTestSupport.h"
#include "labels/TEtikettgestaltung.h"
#include "lists/TListe.h"
#include "support/TestMain.h"

#include <QAction>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QCheckBox>
#include <QTemporaryDir>

using namespace reporttest;

namespace {

// A list "Beet" of the plants Nr 101 ... 100 + count (plant 101 is filed under other columns too).
void addList(AppFixture &app, int count)
{
    addPlant(app, 1, {{"Nr", 101}, {"Namen", "Rosa canina"}, {"Familie", "Rosa"}, {"Art", "canina"},
                      {"Bestand", "1998"}, {"Winter", "Keller"}, {"Herkunft", "Wald"}});
    for (int i = 2; i <= count; ++i)
        addPlant(app, i, {{"Nr", 100 + i}, {"Namen", QStringLiteral("Pflanze %1").arg(i, 2, 10, QLatin1Char('0'))}});
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet')");
    for (int i = 1; i <= count; ++i)
        app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', ?, ?)",
                 {100 + i, QStringLiteral("Eintrag %1").arg(i, 2, 10, QLatin1Char('0'))});
}

TEtikettgestaltung *designer(AppFixture &app)
{
    app.find<HauptansichtPage>("TabSheet1")->findChild<QAction *>("zurLIste")->trigger();
    app.find<TListe>("TListe")->BitBtn7->click();
    return app.find<TEtikettgestaltung>("TEtikettgestaltung");
}

int stripsOnPage(const report::Document &d, int page)
{
    return int(d.bandNames(page).count(QStringLiteral("QRBand2")));
}

QStringList texts(const report::Document &d, const QString &name)
{
    QStringList out;
    for (const report::Placed *p : d.find(name))
        out << p->text;
    return out;
}

// What zbarimg reads in the picture, one code per line.
QStringList scannedCodes(const QImage &page)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.png"));
    if (!page.save(file))
        return {QStringLiteral("(page not saved)")};
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    if (!p.waitForFinished(60000))
        return {QStringLiteral("(zbarimg did not finish)")};
    QStringList codes = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    codes.sort();
    return codes;
}

} // namespace

class TestLabelPrint : public QObject {
    Q_OBJECT
private slots:
    void stripsPerPage_data();
    void stripsPerPage();
    void fieldsAndValues();
    void fontsAreReadAtPrintTime();
    void choiceNamingNoColumn();
    void startOnAUsedSheet();
    void qrCodesScan();
};

void TestLabelPrint::stripsPerPage_data()
{
    QTest::addColumn<int>("mm");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("firstPage");
    QTest::addColumn<QStringList>("fieldsPrinted");
    QTest::newRow("10") << 10 << 38 << 26 << QStringList{"QRLabel2", "QRLabel3"};
    QTest::newRow("15") << 15 << 57 << 17 << QStringList{"QRLabel2", "QRLabel3", "QRLabel18", "QRLabel19"};
    QTest::newRow("20") << 20 << 76 << 13
                        << QStringList{"QRLabel2", "QRLabel3", "QRLabel18", "QRLabel19", "QRLabel20", "QRLabel21"};
    QTest::newRow("25") << 25 << 95 << 10
                        << QStringList{"QRLabel2",  "QRLabel3",  "QRLabel18", "QRLabel19",
                                       "QRLabel20", "QRLabel21", "QRLabel22", "QRLabel23"};
    QTest::newRow("12 typed: no field") << 12 << 46 << 21 << QStringList{};
}

// 30 plants: the first page holds what the designer promises, the rest follows; every field box
// holds a choice, but only those of the height print.
void TestLabelPrint::stripsPerPage()
{
    QFETCH(int, mm);
    QFETCH(int, height);
    QFETCH(int, firstPage);
    QFETCH(QStringList, fieldsPrinted);
    AppFixture app;
    addList(app, 30);
    QVERIFY(app.start());
    TEtikettgestaltung *d = designer(app);
    d->SpinEdit1->setValue(mm);
    d->BitBtn1->click();
    QVERIFY(d->isVisible());
    const report::Document &doc = lastPreview(app);
    QCOMPARE(doc.bandNames(0).first(), QStringLiteral("QRBand1"));
    QCOMPARE(texts(doc, "QRLabel4"), QStringList{"Von  Liste: Beet"});
    QCOMPARE(stripsOnPage(doc, 0), firstPage);
    int total = 0;
    for (int p = 0; p < doc.pageCount(); ++p)
        total += stripsOnPage(doc, p);
    QCOMPARE(total, 30);
    const std::vector<const report::Placed *> frames = doc.find("StripFrame");
    QCOMPARE(frames.front()->rect.height(), height);
    QCOMPARE(frames.front()->rect.width(), 718);
    QCOMPARE(frames.front()->colour, QColor(0x80, 0x80, 0x80));
    QCOMPARE(frames[1]->rect.top(), frames[0]->rect.top() + height); // no gap
    for (const char *name : {"QRLabel2", "QRLabel3", "QRLabel18", "QRLabel19", "QRLabel20", "QRLabel21", "QRLabel22",
                             "QRLabel23"})
        QCOMPARE(int(doc.find(name).size()), fieldsPrinted.contains(name) ? 30 : 0);
    // The page is A4 with 10 mm margins.
    QCOMPARE(frames.front()->rect.left(), 38);
    QCOMPARE(doc.pageSize.toSize(), QSize(794, 1123));
}

// Field (1) "Pflanzen Nr." prints the bare number; choices map to their columns; "leer" leaves
// its place empty; an entry whose plant is gone prints an empty strip. The catalogue keeps its
// search and its plant.
void TestLabelPrint::fieldsAndValues()
{
    AppFixture app;
    addList(app, 3);
    app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', 999, 'verschwunden')");
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText("Pflanze 03");
    const QString before = catalogueState(app);
    TEtikettgestaltung *d = designer(app);
    d->SpinEdit1->setValue(25);
    const QStringList choices{"Pflanzen Nr.", "leer", "Gattung", "Im Bestand seit", "Standort Winter", "Herkunft",
                              "Art", "Name"};
    for (int i = 0; i < 8; ++i)
        d->field(i).box->setCurrentText(choices[i]);
    d->BitBtn1->click();
    const report::Document &doc = lastPreview(app);
    QCOMPARE(texts(doc, "QRLabel2"), (QStringList{"101", "102", "103", ""}));
    QVERIFY(doc.find("QRLabel3").empty());
    QCOMPARE(texts(doc, "QRLabel18").first(), QStringLiteral("Rosa"));
    QCOMPARE(texts(doc, "QRLabel19").first(), QStringLiteral("1998"));
    QCOMPARE(texts(doc, "QRLabel20").first(), QStringLiteral("Keller"));
    QCOMPARE(texts(doc, "QRLabel21").first(), QStringLiteral("Wald"));
    QCOMPARE(texts(doc, "QRLabel22").first(), QStringLiteral("canina"));
    QCOMPARE(texts(doc, "QRLabel23"), (QStringList{"Rosa canina", "Pflanze 02", "Pflanze 03", ""}));
    QCOMPARE(doc.find("QRLabel20").front()->rect.topLeft() - doc.find("StripFrame").front()->rect.topLeft(),
             QPoint(46, 54));
    QCOMPARE(catalogueState(app), before);
}

void TestLabelPrint::fontsAreReadAtPrintTime()
{
    AppFixture app;
    addList(app, 2);
    QVERIFY(app.start());
    TEtikettgestaltung *d = designer(app);
    d->BitBtn1->click();
    QFont big(QStringLiteral("DejaVu Serif"));
    big.setPointSize(18);
    big.setItalic(true);
    app.prompter().queueFont(big);
    d->BitBtn3->click();
    d->BitBtn1->click();
    const auto &previews = app.prompter().previews();
    QCOMPARE(previews.size(), size_t(2));
    const QFont first = previews[0].find("QRLabel3").front()->font;
    const QFont second = previews[1].find("QRLabel3").front()->font;
    QVERIFY(!first.italic());
    QVERIFY(second.italic());
    QCOMPARE(second.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(second.pixelSize(), 24); // 18 pt at 96 per inch
    QCOMPARE(previews[1].find("QRLabel18").front()->font, previews[0].find("QRLabel18").front()->font);
}

void TestLabelPrint::choiceNamingNoColumn()
{
    AppFixture app;
    addList(app, 2);
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText("Rosa");
    const QString before = catalogueState(app);
    TEtikettgestaltung *d = designer(app);
    d->field(2).box->setCurrentText("Blütenfarbe");
    d->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error),
             QStringList{"Das Feld 'Blütenfarbe' wurde nicht gefunden"});
    QVERIFY(app.prompter().previews().empty());
    QCOMPARE(catalogueState(app), before);
    QVERIFY(d->isVisible());
}

void TestLabelPrint::startOnAUsedSheet()
{
    AppFixture app;
    addList(app, 30);
    QVERIFY(app.start());
    TEtikettgestaltung *d = designer(app);
    d->SpinEdit1->setValue(10);
    d->SpinEdit2->setValue(5);
    d->BitBtn1->click();
    const report::Document &doc = lastPreview(app);
    QCOMPARE(stripsOnPage(doc, 0), 22);
    QCOMPARE(stripsOnPage(doc, 1), 8);
    // The first strip stands where the fifth would: below four blank ones.
    const int first = doc.find("StripFrame")[0]->rect.top();
    QCOMPARE(first, 38 + 51 + 4 * 38);
}

// The QR code of each plant number, scanned from the PDF page as a printer would print it.
void TestLabelPrint::qrCodesScan()
{
    AppFixture app;
    addList(app, 4);
    QVERIFY(app.start());
    TEtikettgestaltung *d = designer(app);
    d->SpinEdit1->setValue(10);
    d->CheckBox1->setChecked(true);
    d->BitBtn1->click();
    const report::Document &doc = lastPreview(app);
    const std::vector<const report::Placed *> codes = doc.find("QRCode");
    QCOMPARE(int(codes.size()), 4);
    QCOMPARE(codes[0]->rect.height(), 32);
    QCOMPARE(codes[0]->rect.right(), doc.find("StripFrame")[0]->rect.right() - 3);
    const QImage page = pdfPage(app.prompter().previewFiles().last(), 1, 300);
    QVERIFY(!page.isNull());
    QCOMPARE(scannedCodes(page), (QStringList{"101", "102", "103", "104"}));
}

VINDEL_TEST_MAIN(TestLabelPrint)
#include "test_label_print.moc"
