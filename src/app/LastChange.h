#pragma once

namespace vindel {

class AppContext;

// Stamps Stammdaten.Letzte with the prompter's "now"; every saving operation does this.
void stampLastChange(AppContext &ctx);

} // namespace vindel
