#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <array>

namespace vindel {

// A label design as it prints: strips as long as an A4 sheet is wide and 10 to 25 mm high, with up
// to eight print fields in lines of two, each showing one plant column in its font.
struct LabelDesign {
    static constexpr int kFields = 8;

    int stripMm = 20;
    std::array<QString, kFields> choices;
    std::array<QFont, kFields> fonts;
    std::array<QColor, kFields> colours;
    bool qrCode = false; // a QR code of the plant number at each strip's right end
    int startStrip = 1;  // the first strip printed on the first page (a sheet half used)

    // The choices every field box offers, in order; "leer" prints nothing.
    static const QStringList &choiceTexts();
    static QString emptyChoice() { return QStringLiteral("leer"); }
    // The plant column a choice prints: "Pflanzen Nr." Nr, "Name" Namen, ... any other text is
    // taken as the column's name; empty for "leer".
    static QString columnOf(const QString &choice);
    // How the preview shows a choice ("Pflanzen Nr." in field 1 reads "Nr.").
    static QString previewText(int field, const QString &choice);

    // A strip's height in layout pixels: mm × 38 / 10, rounded (38, 57, 76, 95).
    static int stripPixels(int mm);
    // The fields a strip of that height prints: 2, 4, 6 or 8; none for a height between the steps.
    static int fieldsInUse(int mm);
    // The line of a field (1 to 4; fields count from 0).
    static int lineOf(int field) { return field / 2 + 1; }
};

} // namespace vindel
