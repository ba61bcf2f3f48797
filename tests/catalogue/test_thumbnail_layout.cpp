// The layout rule of the six thumbnails of the plant box, as a pure function and in the window:
// larger photos in a larger window, never one over another or over the row below them.
#include "catalogue/HauptansichtPage.h"
#include "catalogue/ThumbnailLayout.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

using namespace vindel;
using namespace vindel::test;
using ThumbnailLayout::Baseline;
using ThumbnailLayout::Thumbnails;

Q_DECLARE_METATYPE(Thumbnails)

namespace {

const Baseline kDesign{HauptansichtPage::kPlantBoxDesign, HauptansichtPage::kThumbnailDesign};

// No two thumbnails share a pixel.
bool apart(const Thumbnails &t)
{
    for (size_t i = 0; i < t.size(); ++i)
        for (size_t j = i + 1; j < t.size(); ++j)
            if (t[i].intersects(t[j]))
                return false;
    return true;
}

} // namespace

class TestThumbnailLayout : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void inTheWindow();
    void notBeforeTheBaselines();
};

void TestThumbnailLayout::layout_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<Thumbnails>("expected");

    QTest::newRow("design size keeps the design geometry") << kDesign.box.size() << HauptansichtPage::kThumbnailDesign;
    // The photo room (508 x 212 at the design size) grows by what the box grows: 508+269 wide,
    // 212+338 high. The height allows 550/212 = 2.59, the width 777/508 = 1.53: the width rules.
    // Edges are rounded, so a width can come out a pixel narrower than its neighbour.
    QTest::newRow("1.5 times the box")
        << QSize(807, 1014)
        << Thumbnails{{{24, 387, 222, 148}, {304, 387, 222, 148}, {579, 387, 222, 148},
                       {24, 563, 222, 148}, {302, 563, 222, 148}, {578, 563, 221, 148}}};
    // Only wider: the height leaves no more room, the photos keep their size.
    QTest::newRow("only wider") << QSize(900, 676) << HauptansichtPage::kThumbnailDesign;
    // Only higher: the width leaves no more room either.
    QTest::newRow("only higher") << QSize(538, 1000) << HauptansichtPage::kThumbnailDesign;
    // Higher by 106 and much wider: 318/212 = 1.5 rules.
    QTest::newRow("half again as high room")
        << QSize(1000, 782)
        << Thumbnails{{{24, 387, 218, 146}, {299, 387, 217, 146}, {569, 387, 217, 146},
                       {24, 560, 218, 145}, {297, 560, 218, 145}, {567, 560, 218, 145}}};
}

void TestThumbnailLayout::layout()
{
    QFETCH(QSize, box);
    QFETCH(Thumbnails, expected);
    const Thumbnails got = ThumbnailLayout::layout(kDesign, box);
    for (size_t i = 0; i < got.size(); ++i)
        QCOMPARE(got[i], expected[i]);
    QVERIFY(apart(got));
}

void TestThumbnailLayout::inTheWindow()
{
    AppFixture app;
    QVERIFY(app.start());
    HauptansichtPage *page = app.mainWindow()->hauptansicht();
    QCOMPARE(app.mainWindow()->size(), QSize(1020, 797));
    // At the design size the box and its thumbnails stand where they were designed.
    QCOMPARE(page->GroupBox4->geometry(), HauptansichtPage::kPlantBoxDesign);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(page->thumbnail(i)->geometry(), HauptansichtPage::kThumbnailDesign[size_t(i)]);

    int widest = 0;
    for (const QSize window : {QSize(1200, 900), QSize(1400, 1300), QSize(1900, 1100), QSize(1100, 1400)}) {
        app.mainWindow()->resize(window);
        Thumbnails shown;
        for (int i = 0; i < 6; ++i)
            shown[size_t(i)] = page->thumbnail(i)->geometry();
        QCOMPARE(shown, ThumbnailLayout::layout(kDesign, page->GroupBox4->size()));
        QVERIFY(apart(shown));
        // Larger than designed, inside the box, above the row of check boxes and buttons.
        QVERIFY(shown[0].width() >= HauptansichtPage::kThumbnailDesign[0].width());
        widest = std::max(widest, shown[0].width());
        int rowTop = page->GroupBox4->height();
        for (const QWidget *below : {static_cast<QWidget *>(page->CheckBox1), static_cast<QWidget *>(page->CheckBox2),
                                     static_cast<QWidget *>(page->ComboBox7), app.find<QWidget>("BitBtn3")})
            rowTop = std::min(rowTop, below->geometry().top());
        for (const QRect &r : shown) {
            QVERIFY(page->GroupBox4->rect().contains(r));
            QVERIFY2(r.bottom() < rowTop, qPrintable(QStringLiteral("%1 reaches %2").arg(r.bottom()).arg(rowTop)));
        }
    }
    QVERIFY(widest > 200);

    // Back to the design size: the design geometry again.
    app.mainWindow()->resize(1020, 797);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(page->thumbnail(i)->geometry(), HauptansichtPage::kThumbnailDesign[size_t(i)]);
}

void TestThumbnailLayout::notBeforeTheBaselines()
{
    AppFixture app;
    ScriptedPrompter prompter;
    AppContext context(prompter, app.programDir());
    TPflanzendatenbank window(context);
    HauptansichtPage *page = window.hauptansicht();
    QVERIFY(!page->thumbnailBaseline().valid());
    window.resize(1400, 1300);
    page->GroupBox4->setGeometry(468, 6, 807, 1014);
    window.FormResize();
    for (int i = 0; i < 6; ++i)
        QCOMPARE(page->thumbnail(i)->geometry(), HauptansichtPage::kThumbnailDesign[size_t(i)]);
    QVERIFY(window.startUp() == TPflanzendatenbank::StartupResult::Ready);
    QVERIFY(page->thumbnailBaseline().valid());
    window.FormResize();
    QCOMPARE(page->thumbnail(0)->size(), QSize(222, 148));
    context.tables.closeAll();
}

VINDEL_TEST_MAIN(TestThumbnailLayout)
#include "test_thumbnail_layout.moc"
