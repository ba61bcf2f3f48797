#pragma once

#include "app/Page.h"

namespace vindel {

// Statistics of the collection as bar charts.
class StatistikPage : public Page {
    Q_OBJECT
public:
    explicit StatistikPage(AppContext &context);
};

} // namespace vindel
