#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TEtikettgestaltung : public AppWindow {
    Q_OBJECT
public:
    explicit TEtikettgestaltung(AppContext &context);
};

} // namespace vindel
