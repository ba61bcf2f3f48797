// The wait window shown while the backup copies photos.
#include "app/Colours.h"
#include "app/TWarten.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

using namespace vindel;
using namespace vindel::test;

class TestWaitWindow : public QObject {
    Q_OBJECT
private slots:
    void showsPhotoCountAndBusyCursor();
};

void TestWaitWindow::showsPhotoCountAndBusyCursor()
{
    AppFixture app;
    QVERIFY(app.start());
    auto *wait = app.find<TWarten>("TWarten");
    QVERIFY(wait);
    QCOMPARE(app.context().window<TWarten>(), wait);
    QCOMPARE(wait->windowTitle(), QStringLiteral("Warten"));
    QCOMPARE(wait->size(), QSize(644, 219));
    QCOMPARE(wait->findChild<QLabel *>("Label1")->text(),
             QStringLiteral("Bitte warten Sie, das Kopieren der Fotos wird durchgeführt."));
    QVERIFY(wait->findChild<QLabel *>("Label1")->font().bold());
    auto *progress = wait->findChild<QProgressBar *>("ProgressBar1");
    QVERIFY(progress && progress->isHidden() && !progress->isEnabled());
    QCOMPARE(progress->maximum(), 100);
    auto *timer = wait->findChild<QTimer *>("Timer1");
    QVERIFY(timer && !timer->isActive());
    QCOMPARE(timer->interval(), 5000);

    app.state().PhotoFileCount = 1234;
    app.state().FormColor = 0x123456;
    QVERIFY(app.activate(wait));
    QCOMPARE(wait->findChild<QLabel *>("Label2")->text(),
             QStringLiteral("Dies wird bei  1234 Fotos einige Zeit dauern!"));
    QCOMPARE(backgroundOf(wait), 0x123456);
    QVERIFY(wait->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(wait->cursor().shape(), Qt::BusyCursor);
    wait->hide();
    QCOMPARE(wait->cursor().shape(), Qt::ArrowCursor);
}

VINDEL_TEST_MAIN(TestWaitWindow)
#include "test_wait_window.moc"
