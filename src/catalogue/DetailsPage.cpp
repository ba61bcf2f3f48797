#include "catalogue/DetailsPage.h"

#include <QGroupBox>

namespace vindel {

DetailsPage::DetailsPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet2"), QStringLiteral("Details                 "))
{
    GroupBox9 = new QGroupBox(QStringLiteral("Literaturfoto :"));
    GroupBox9->setObjectName(QStringLiteral("GroupBox9"));
    design()->place(GroupBox9, {620, 60, 380, 330});
    GroupBox8 = new QGroupBox(QStringLiteral("Links zu Webseiten:"));
    GroupBox8->setObjectName(QStringLiteral("GroupBox8"));
    design()->place(GroupBox8, {620, 560, 380, 130});
}

} // namespace vindel
