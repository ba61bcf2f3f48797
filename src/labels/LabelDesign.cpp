#include "labels/LabelDesign.h"

#include <cmath>

namespace vindel {

const QStringList &LabelDesign::choiceTexts()
{
    static const QStringList texts{
        QStringLiteral("Pflanzen Nr."),    QStringLiteral("Name"),           QStringLiteral("Gattung"),
        QStringLiteral("Art"),             QStringLiteral("Variante"),       QStringLiteral("Feldnummer"),
        QStringLiteral("Mundartlich"),     QStringLiteral("Vorkommen"),      QStringLiteral("Herkunft"),
        QStringLiteral("Im Bestand seit"), QStringLiteral("Standort Sommer"), QStringLiteral("Standort Winter"),
        QStringLiteral("leer")};
    return texts;
}

QString LabelDesign::columnOf(const QString &choice)
{
    static const std::pair<const char *, const char *> named[] = {
        {"Pflanzen Nr.", "Nr"},         {"Name", "Namen"},           {"Gattung", "Familie"},
        {"Mundartlich", "Mundart"},     {"Standort Sommer", "Sommer"}, {"Standort Winter", "Winter"},
        {"Im Bestand seit", "Bestand"}};
    if (choice == emptyChoice())
        return {};
    for (const auto &[text, column] : named)
        if (choice == QLatin1String(text))
            return QLatin1String(column);
    return choice;
}

QString LabelDesign::previewText(int field, const QString &choice)
{
    return field == 0 && choice == QLatin1String("Pflanzen Nr.") ? QStringLiteral("Nr.") : choice;
}

int LabelDesign::stripPixels(int mm) { return int(std::lround(mm * 38 / 10.0)); }

int LabelDesign::fieldsInUse(int mm)
{
    switch (mm) {
    case 10: return 2;
    case 15: return 4;
    case 20: return 6;
    case 25: return 8;
    }
    return 0;
}

} // namespace vindel
