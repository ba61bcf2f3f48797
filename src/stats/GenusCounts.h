#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vindel {

// One bar of a statistics chart.
struct ChartBar {
    QString label;
    int value = 0;
    bool operator==(const ChartBar &) const = default;
};

// Plants per genus: genus texts that are exactly alike form one bar (Rosa and rosa are two),
// in alphabetical order without regard to case; plants without a genus count as "ohne Gattung",
// which comes first.
std::vector<ChartBar> genusCounts(const QStringList &genera);

} // namespace vindel
