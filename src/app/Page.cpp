#include "app/Page.h"

namespace vindel {

Page::Page(AppContext &context, const QString &pageName, const QString &caption)
    : QWidget(nullptr), ctx(context), m_caption(caption), m_design(new DesignLayout(this, kDesignSize))
{
    setObjectName(pageName);
}

} // namespace vindel
