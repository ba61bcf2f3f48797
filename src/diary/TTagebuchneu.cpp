#include "diary/TTagebuchneu.h"

namespace vindel {

TTagebuchneu::TTagebuchneu(AppContext &context) : AppWindow(context, QStringLiteral("TTagebuchneu"), QStringLiteral("Neuer Tagebucheintrag"))
{
}

} // namespace vindel
