#include "photos/PhotoDisplay.h"
#include "photos/PhotoSlots.h"
#include "photos/Placeholders.h"

#include <QSet>
#include <QTest>

using namespace vindel;

Q_DECLARE_METATYPE(vindel::FitMode)
Q_DECLARE_METATYPE(vindel::Placeholder)

class DisplayTest : public QObject {
    Q_OBJECT

private slots:
    void placeholders_data();
    void placeholders();
    void placeholdersAreBuiltOnce();
    void displayRule_data();
    void displayRule();
    void displayRectIsCentred();
    void slotTable();
    void slotPictures();
};

void DisplayTest::placeholders_data()
{
    QTest::addColumn<Placeholder>("which");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("twoColours");
    QTest::newRow("own photo") << Placeholder::OwnPhoto << QSize(700, 500) << "Mein Foto" << false;
    QTest::newRow("foreign photo") << Placeholder::ForeignPhoto << QSize(700, 500) << "Fremd Foto" << false;
    QTest::newRow("photo missing") << Placeholder::PhotoMissing << QSize(840, 525)
                                   << "Foto nicht im Speicherverzeichnis gefunden" << true;
}

void DisplayTest::placeholders()
{
    QFETCH(Placeholder, which);
    QFETCH(QSize, size);
    QFETCH(QString, words);
    QFETCH(bool, twoColours);
    QCOMPARE(placeholderText(which), words);
    const QImage &image = placeholderImage(which);
    QCOMPARE(image.size(), size);
    QCOMPARE(placeholderSize(which), size);

    // White ground with black lettering in the middle band; the edges stay white.
    QSet<QRgb> colours;
    int black = 0;
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            colours.insert(c);
            if (qGray(c) < 64) {
                ++black;
                inked |= QRect(x, y, 1, 1);
            }
        }
    }
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(size.width() - 1, size.height() - 1), qRgb(255, 255, 255));
    QVERIFY2(black > 1000, "no lettering drawn");
    QVERIFY(inked.left() > 0 && inked.right() < size.width() - 1);
    QVERIFY(inked.width() > size.width() / 3); // the words span a good part of the picture
    QVERIFY(qAbs(inked.center().x() - size.width() / 2) < size.width() / 10);
    if (twoColours)
        QCOMPARE(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    for (QRgb c : colours)
        QCOMPARE(qRed(c), qBlue(c)); // black on white, nothing coloured
}

void DisplayTest::placeholdersAreBuiltOnce()
{
    const QImage a = placeholderImage(Placeholder::OwnPhoto);
    const QImage b = placeholderImage(Placeholder::OwnPhoto);
    QCOMPARE(a.constBits(), b.constBits()); // shared data, not a new picture per slot
    QVERIFY(placeholderImage(Placeholder::OwnPhoto).constBits() != placeholderImage(Placeholder::ForeignPhoto).constBits());
}

void DisplayTest::displayRule_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<FitMode>("mode");
    QTest::addColumn<QSize>("shown");
    const auto S = FitMode::Stretch, K = FitMode::ShrinkOnly;
    QTest::newRow("thumbnail: camera photo, height limits") << QSize(4000, 3000) << QSize(180, 125) << S << QSize(167, 125);
    QTest::newRow("thumbnail: panorama, width limits") << QSize(4000, 1000) << QSize(180, 125) << S << QSize(180, 45);
    QTest::newRow("thumbnail: portrait") << QSize(3000, 4000) << QSize(180, 125) << S << QSize(94, 125);
    QTest::newRow("thumbnail: small picture is enlarged") << QSize(100, 50) << QSize(180, 125) << S << QSize(180, 90);
    QTest::newRow("thumbnail: same aspect fills exactly") << QSize(360, 250) << QSize(180, 125) << S << QSize(180, 125);
    QTest::newRow("thumbnail: placeholder") << QSize(700, 500) << QSize(180, 125) << S << QSize(175, 125);
    QTest::newRow("thumbnail: extreme strip keeps one pixel") << QSize(10000, 1) << QSize(180, 125) << S << QSize(180, 1);
    QTest::newRow("details: larger picture shrinks") << QSize(4000, 3000) << QSize(600, 400) << K << QSize(533, 400);
    QTest::newRow("details: wide picture shrinks by width") << QSize(1200, 300) << QSize(600, 400) << K << QSize(600, 150);
    QTest::newRow("details: smaller picture not enlarged") << QSize(320, 240) << QSize(600, 400) << K << QSize(320, 240);
    QTest::newRow("details: exactly the frame") << QSize(600, 400) << QSize(600, 400) << K << QSize(600, 400);
    QTest::newRow("details: taller only") << QSize(300, 800) << QSize(600, 400) << K << QSize(150, 400);
    QTest::newRow("no frame: as it is") << QSize(640, 480) << QSize() << S << QSize(640, 480);
    QTest::newRow("no picture") << QSize() << QSize(180, 125) << S << QSize();
    QTest::newRow("no picture, shrink") << QSize(0, 0) << QSize(180, 125) << K << QSize();
}

void DisplayTest::displayRule()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, frame);
    QFETCH(FitMode, mode);
    QFETCH(QSize, shown);
    QCOMPARE(displaySize(picture, frame, mode), shown);
}

void DisplayTest::displayRectIsCentred()
{
    QCOMPARE(displayRect(QSize(4000, 3000), QSize(180, 125), FitMode::Stretch), QRect(6, 0, 167, 125));
    QCOMPARE(displayRect(QSize(320, 240), QSize(600, 400), FitMode::ShrinkOnly), QRect(140, 80, 320, 240));
    QCOMPARE(displayRect(QSize(320, 240), QSize(600, 400), FitMode::ShrinkOnly, Qt::AlignLeft | Qt::AlignTop),
             QRect(0, 0, 320, 240));
}

void DisplayTest::slotTable()
{
    const QStringList columns{"Bild1", "Bild2", "Bild3", "Bild4", "Bild5", "Bild6", "Bild7"};
    const QStringList images{"Image1", "Image2", "Image4", "Image6", "Image7", "Image8", "Image9"};
    for (int n = 1; n <= kPhotoSlotCount; ++n) {
        const PhotoSlot &s = photoSlot(n);
        QCOMPARE(s.number, n);
        QCOMPARE(QString::fromLatin1(s.column), columns[n - 1]);
        QCOMPARE(QString::fromLatin1(s.imageName), images[n - 1]);
        QCOMPARE(s.whenEmpty, n == 7 ? Placeholder::ForeignPhoto : Placeholder::OwnPhoto);
        QCOMPARE(s.fit, n == 7 ? FitMode::ShrinkOnly : FitMode::Stretch);
    }
}

void DisplayTest::slotPictures()
{
    QImage photo(20, 10, QImage::Format_RGB32);
    photo.fill(Qt::red);
    const QImage &own = placeholderImage(Placeholder::OwnPhoto);
    const QImage &foreign = placeholderImage(Placeholder::ForeignPhoto);
    const QImage &missing = placeholderImage(Placeholder::PhotoMissing);
    QCOMPARE(slotPicture(1, SlotState::Empty).constBits(), own.constBits());
    QCOMPARE(slotPicture(6, SlotState::Empty).constBits(), own.constBits());
    QCOMPARE(slotPicture(7, SlotState::Empty).constBits(), foreign.constBits());
    QCOMPARE(slotPicture(3, SlotState::Missing).constBits(), missing.constBits());
    QCOMPARE(slotPicture(7, SlotState::Damaged).constBits(), missing.constBits());
    QCOMPARE(slotPicture(2, SlotState::Photo, photo), photo);
    QVERIFY(slotPicture(2, SlotState::Loading).isNull());

    PhotoLoadResult r;
    QCOMPARE(slotStateFor(r), SlotState::Missing);
    r.status = PhotoStatus::Damaged;
    QCOMPARE(slotStateFor(r), SlotState::Damaged);
    r.status = PhotoStatus::Ok;
    QCOMPARE(slotStateFor(r), SlotState::Photo);
}

QTEST_MAIN(DisplayTest)
#include "test_display.moc"
