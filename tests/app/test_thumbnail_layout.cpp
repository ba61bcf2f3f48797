// The layout rule of the six thumbnails of the plant box, as a pure function and in the window.
#include "app/ThumbnailLayout.h"
#include "catalogue/HauptansichtPage.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QGroupBox>
#include <QPushButton>

using namespace vindel;
using namespace vindel::test;
using ThumbnailLayout::Baseline;
using ThumbnailLayout::Thumbnails;

Q_DECLARE_METATYPE(Thumbnails)

namespace {

const Baseline kDesign{HauptansichtPage::kPlantBoxDesign, HauptansichtPage::kThumbnailDesign};

} // namespace

class TestThumbnailLayout : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void enlargedCondition_data();
    void enlargedCondition();
    void inTheWindow();
    void notBeforeTheBaselines();
};

void TestThumbnailLayout::layout_data()
{
    QTest::addColumn<QRect>("box");
    QTest::addColumn<bool>("enlarged");
    QTest::addColumn<Thumbnails>("expected");

    QTest::newRow("design size keeps the design geometry")
        << kDesign.box << false << HauptansichtPage::kThumbnailDesign;
    // Box 538 x 676 grown to 807 x 1014 (factor 1.5): sizes scale, positions (box anchored at its
    // left and top) stay.
    QTest::newRow("normal, 1.5 times") << QRect(468, 6, 807, 1014) << false
                                       << Thumbnails{{{24, 387, 218, 146}, {207, 387, 218, 146}, {387, 387, 218, 146},
                                                      {24, 502, 218, 146}, {206, 502, 218, 146}, {386, 502, 218, 146}}};
    // 145 * 1.5 = 217.5 rounds to even (218); 97 * 1.5 = 145.5 also to even (146).
    QTest::newRow("enlarged at design size")
        << kDesign.box << true
        << Thumbnails{{{24, 387, 203, 136}, {290, 387, 203, 136}, {561, 387, 203, 136},
                       {24, 628, 203, 136}, {288, 628, 203, 136}, {560, 628, 203, 136}}};
    // 207*1.4 = 289.8, 387*1.45 = 561.15, 502*1.25 = 627.5 -> 628, 206*1.4 = 288.4, 386*1.45 = 559.7.
    QTest::newRow("enlarged, 1.5 times") << QRect(468, 6, 807, 1014) << true
                                         << Thumbnails{{{24, 387, 304, 204}, {290, 387, 304, 204},
                                                        {561, 387, 304, 204}, {24, 628, 304, 204},
                                                        {288, 628, 304, 204}, {560, 628, 304, 204}}};
    // 145 * 1.5 * 1.4 = 304.5 rounds to even; 97 * 1.5 * 1.4 = 203.7.
    QTest::newRow("moved box scales positions") << QRect(936, 12, 538, 676) << false
                                                << Thumbnails{{{48, 774, 145, 97}, {414, 774, 145, 97},
                                                               {774, 774, 145, 97}, {48, 1004, 145, 97},
                                                               {412, 1004, 145, 97}, {772, 1004, 145, 97}}};
    QTest::newRow("smaller box") << QRect(468, 6, 269, 338) << false
                                 << Thumbnails{{{24, 387, 72, 48}, {207, 387, 72, 48}, {387, 387, 72, 48},
                                                {24, 502, 72, 48}, {206, 502, 72, 48}, {386, 502, 72, 48}}};
}

void TestThumbnailLayout::layout()
{
    QFETCH(QRect, box);
    QFETCH(bool, enlarged);
    QFETCH(Thumbnails, expected);
    const Thumbnails got = ThumbnailLayout::layout(kDesign, box, enlarged);
    for (size_t i = 0; i < got.size(); ++i)
        QCOMPARE(got[i], expected[i]);
}

void TestThumbnailLayout::enlargedCondition_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("image6Bottom");
    QTest::addColumn<int>("buttonTop");
    QTest::addColumn<bool>("enlarged");
    QTest::newRow("design size") << QSize(1020, 797) << 700 << 652 << false;
    QTest::newRow("just wider and higher, photo below button") << QSize(1022, 797) << 700 << 652 << true;
    QTest::newRow("width 1021 is not enough") << QSize(1021, 1200) << 700 << 652 << false;
    QTest::newRow("height 796 is not enough") << QSize(1600, 796) << 700 << 652 << false;
    QTest::newRow("photo above the button") << QSize(1600, 1200) << 652 << 652 << false;
    QTest::newRow("photo one pixel below") << QSize(1600, 1200) << 653 << 652 << true;
}

void TestThumbnailLayout::enlargedCondition()
{
    QFETCH(QSize, window);
    QFETCH(int, image6Bottom);
    QFETCH(int, buttonTop);
    QFETCH(bool, enlarged);
    QCOMPARE(ThumbnailLayout::useEnlarged(window, image6Bottom, buttonTop), enlarged);
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

    // Somewhat larger: the photos grow with the box, the lower row stays above the print button.
    app.mainWindow()->resize(1200, 900);
    QRect box = page->GroupBox4->geometry();
    QCOMPARE(box.size(), HauptansichtPage::kPlantBoxDesign.size() + QSize(180, 103));
    Thumbnails expected = ThumbnailLayout::layout(kDesign, box, false);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(page->thumbnail(i)->geometry(), expected[size_t(i)]);

    // Much higher: the lower row reaches below the print button, the enlarged layout applies.
    app.mainWindow()->resize(1400, 1300);
    box = page->GroupBox4->geometry();
    QVERIFY(page->thumbnail(3)->geometry().bottom() > page->BitBtn20->y());
    expected = ThumbnailLayout::layout(kDesign, box, true);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(page->thumbnail(i)->geometry(), expected[size_t(i)]);

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
    QVERIFY(!window.thumbnailBaseline().valid());
    window.resize(1400, 1300);
    window.hauptansicht()->GroupBox4->setGeometry(468, 6, 807, 1014);
    window.FormResize();
    for (int i = 0; i < 6; ++i)
        QCOMPARE(window.hauptansicht()->thumbnail(i)->geometry(), HauptansichtPage::kThumbnailDesign[size_t(i)]);
    QVERIFY(window.startUp() == TPflanzendatenbank::StartupResult::Ready);
    QVERIFY(window.thumbnailBaseline().valid());
    window.FormResize();
    QCOMPARE(window.hauptansicht()->thumbnail(0)->size(), QSize(218, 146));
    context.tables.closeAll();
}

VINDEL_TEST_MAIN(TestThumbnailLayout)
#include "test_thumbnail_layout.moc"
