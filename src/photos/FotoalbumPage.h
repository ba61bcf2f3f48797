#pragma once

#include "app/Page.h"

namespace vindel {

// The album of all photo files.
class FotoalbumPage : public Page {
    Q_OBJECT
public:
    explicit FotoalbumPage(AppContext &context);
};

} // namespace vindel
