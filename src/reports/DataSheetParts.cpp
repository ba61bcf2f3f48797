#include "reports/DataSheetParts.h"

#include "data/Dataset.h"
#include "reports/PrintedPhotos.h"

namespace vindel::sheet {

using namespace parts;

report::Band titleBand(const QString &name, int height, const QStringList &senderLabels,
                       report::RecordSource *settingsFields)
{
    report::Band band{name, report::BandKind::Title, height};
    if (settingsFields)
        addSenderFields(band, settingsFields, {0, 0});
    else
        addSenderLabels(band, senderLabels, {0, 0});
    band.add(caption(QStringLiteral("SheetTitle"), QStringLiteral("Pflanzendatenblatt"), {240, 10, 220, 28}, arial(16),
                     Qt::AlignHCenter | Qt::AlignTop));
    band.add(date(QStringLiteral("SheetDate"), QStringLiteral("Stand vom : "), {500, 4, 199, 17}));
    band.add(field(QStringLiteral("SheetNr"), QStringLiteral("Nr"), {500, 26, 199, 17}, arial(10, true), nullptr,
                   QStringLiteral("Nr.: ")));
    band.add(rule(height - 6));
    return band;
}

void fillPhotos(report::Report &report, const QString &folder, const report::RecordSource &plant)
{
    auto column = [&](const char *name) { return plant.value(QLatin1String(name)); };
    report.element(QStringLiteral("QRImage1")).picture =
        printedPhoto(folder, column("Bild7"), Placeholder::ForeignPhoto, Placeholder::PhotoMissing);
    const char *own[] = {"Bild1", "Bild2", "Bild3"};
    for (int i = 0; i < 3; ++i)
        report.element(QStringLiteral("QRImage%1").arg(i + 2)).picture =
            printedPhoto(folder, column(own[i]), Placeholder::OwnPhoto, Placeholder::PhotoMissing);
}

void addOwnPhotos(report::Band &band, int top, QSize size, bool underlinedHeading)
{
    band.add(caption(QStringLiteral("OwnPhotos"), QStringLiteral("Eigene Fotos:"), {0, top, 200, 17},
                     arial(10, true, underlinedHeading)));
    for (int i = 0; i < 3; ++i)
        band.add(picture(QStringLiteral("QRImage%1").arg(i + 2), {i * (size.width() + 16), top + 22, size.width(), size.height()}));
}

std::function<int()> chosenOrCurrentPlant(const Dataset &plants, const int &chosenRow)
{
    return [&plants, &chosenRow] {
        if (!plants.active() || plants.isEmpty())
            return -1;
        return chosenRow >= 0 && chosenRow < plants.recordCount() ? chosenRow : plants.currentRow();
    };
}

} // namespace vindel::sheet
