#include "diary/TKalender.h"

#include "app/DesignLayout.h"

#include <QLabel>
#include <QSpinBox>

namespace vindel {

TKalender::TKalender(AppContext &context) : AppWindow(context, QStringLiteral("TKalender"), QStringLiteral("Kalender"))
{
    auto *layout = new DesignLayout(this, {900, 640});
    auto *label = new QLabel(QStringLiteral("Jahr:"));
    layout->place(label, {16, 60, 40, 24});
    SpinEdit1 = new QSpinBox;
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(2010, 2050);
    SpinEdit1->setToolTip(QStringLiteral("Jahr auswählen"));
    layout->place(SpinEdit1, {60, 60, 80, 24});
}

} // namespace vindel
