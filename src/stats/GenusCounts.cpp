#include "stats/GenusCounts.h"

#include <QCollator>
#include <QHash>
#include <QLocale>

#include <algorithm>

namespace vindel {

std::vector<ChartBar> genusCounts(const QStringList &genera)
{
    QHash<QString, int> counts;
    for (const QString &genus : genera)
        ++counts[genus];
    std::vector<std::pair<QString, int>> groups;
    groups.reserve(size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        groups.emplace_back(it.key(), it.value());
    // The order of the catalogue's sort; two spellings of one name side by side.
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(groups.begin(), groups.end(), [&collator](const auto &a, const auto &b) {
        const int c = collator.compare(a.first, b.first);
        return c != 0 ? c < 0 : a.first < b.first;
    });
    std::vector<ChartBar> bars;
    bars.reserve(groups.size());
    for (const auto &[genus, count] : groups)
        bars.push_back({genus.isEmpty() ? QStringLiteral("ohne Gattung") : genus, count});
    return bars;
}

} // namespace vindel
