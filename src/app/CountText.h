#pragma once

#include <QString>

namespace vindel::CountText {

// How a count reads: most counts say "Einträge" whatever the number; a few say "1 Eintrag".
enum class Number { AlwaysPlural, SingularForOne };

// "12 Einträge gefunden!", "1 Einträge gefunden!" or, agreeing, "1 Eintrag gefunden!".
inline QString found(qint64 n, Number number = Number::AlwaysPlural)
{
    return QString::number(n)
           + (n == 1 && number == Number::SingularForOne ? QStringLiteral(" Eintrag gefunden!")
                                                          : QStringLiteral(" Einträge gefunden!"));
}

} // namespace vindel::CountText
