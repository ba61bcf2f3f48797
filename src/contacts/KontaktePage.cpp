#include "contacts/KontaktePage.h"

#include <QGroupBox>

namespace vindel {

KontaktePage::KontaktePage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet7"), QStringLiteral("Kontakte             "))
{
    GroupBox6 = new QGroupBox(QStringLiteral("Alle Kontakte"));
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    design()->place(GroupBox6, {8, 8, 420, 690}, AnchorLeft | AnchorTop | AnchorBottom);
    GroupBox7 = new QGroupBox(QStringLiteral("Kontaktdetails"));
    GroupBox7->setObjectName(QStringLiteral("GroupBox7"));
    design()->place(GroupBox7, {436, 8, 568, 690}, AnchorAll);
}

} // namespace vindel
