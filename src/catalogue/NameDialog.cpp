#include "catalogue/NameDialog.h"

#include "app/DesignLayout.h"
#include "app/Tag.h"
#include "catalogue/HauptansichtPage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vindel {

namespace {
const QSize kDesignSize{416, 264};
} // namespace

NameDialog::NameDialog(AppContext &context, const QString &className, const QString &caption, ModeButton addButton,
                       ModeButton renameButton)
    : AppWindow(context, className, caption, kDesignSize), m_addButton(addButton), m_renameButton(renameButton)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_layout = new DesignLayout(this, kDesignSize);
}

QLabel *NameDialog::titleLabel(const char *name, const QRect &rect)
{
    auto *title = new QLabel;
    title->setObjectName(QLatin1String(name));
    QFont f = title->font();
    f.setBold(true);
    f.setPixelSize(18);
    title->setFont(f);
    m_layout->place(title, rect);
    return title;
}

QLineEdit *NameDialog::nameField(const QRect &rect)
{
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(50);
    m_layout->place(Edit1, rect);
    return Edit1;
}

void NameDialog::addButtons()
{
    SaveButton = new QPushButton(QStringLiteral("Speichern"));
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    m_layout->place(SaveButton, {80, 200, 110, 32});
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_layout->place(CancelButton, {226, 200, 110, 32});
    connect(SaveButton, &QPushButton::clicked, this, [this] { ctx.run([this] { SaveClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { ctx.run([this] { CancelClick(); }); });
}

HauptansichtPage *NameDialog::page() const
{
    QWidget *main = ctx.frame ? ctx.frame->mainWindow() : nullptr;
    return main ? main->findChild<HauptansichtPage *>() : nullptr;
}

bool NameDialog::renameMode() const
{
    HauptansichtPage *p = page();
    return p && Tag::of(p->*m_renameButton) == 1;
}

void NameDialog::clearFlags()
{
    if (HauptansichtPage *p = page()) {
        Tag::set(p->*m_addButton, 0);
        Tag::set(p->*m_renameButton, 0);
    }
}

void NameDialog::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    centreOnMainWindow();
    ctx.run([this] { FormActivate(); });
}

void NameDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ctx.run([this] { SaveClick(); });
        return;
    case Qt::Key_Escape:
        ctx.run([this] { CancelClick(); });
        return;
    default:
        AppWindow::keyPressEvent(event);
    }
}

void NameDialog::CancelClick()
{
    clearFlags();
    closeAndReturn();
}

} // namespace vindel
