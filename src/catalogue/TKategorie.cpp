#include "catalogue/TKategorie.h"

#include "app/DesignLayout.h"
#include "app/ScrollGuard.h"
#include "catalogue/HauptansichtPage.h"
#include "catalogue/PlantCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace vindel {

namespace {
const QString kAll = QStringLiteral(" Alle");
} // namespace

TKategorie::TKategorie(AppContext &context)
    : NameDialog(context, QStringLiteral("TKategorie"), QStringLiteral("Kategorie"), &HauptansichtPage::BitBtn41,
                 &HauptansichtPage::BitBtn42)
{
    Label1 = titleLabel("Label1", {20, 16, 376, 28});
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    m_layout->place(Label2, {20, 66, 90, 22});
    nameField({112, 64, 280, 24});
    Label4 = new QLabel(QStringLiteral("Der geänderte Name der Kategorie wird bei allen Gattungen und Pflanzen dieser "
                                       "Kategorie entsprechend geändert!"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    Label4->hide();
    m_layout->place(Label4, {20, 104, 376, 70});
    addButtons();

    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            SaveButton->setEnabled(true);
    });
}

void TKategorie::FormActivate()
{
    Table &categories = ctx.tables.Tab_Kate_test;
    categories.open();
    m_oldName = categories.text(QStringLiteral("Namen"));
    const bool renaming = renameMode();
    const QSignalBlocker blocker(Edit1);
    if (renaming) {
        Label1->setText(QStringLiteral("Kategorie ändern"));
        Label2->setText(QStringLiteral("Name:"));
        Label4->show();
        if (m_oldName != kAll)
            Edit1->setText(m_oldName);
    } else {
        Label1->setText(QStringLiteral("Neue Kategorie anlegen"));
        Label2->setText(QStringLiteral("Neuer Name:"));
        Label4->hide();
        Edit1->clear();
    }
    SaveButton->setEnabled(false);
    Edit1->setFocus();
}

void TKategorie::SaveClick()
{
    DataTables &t = ctx.tables;
    Table &categories = t.Tab_Kate_test;
    Table &genera = t.Tab_Gattung;
    Table &plants = t.Tab_Pflanzen_test;
    const bool renaming = renameMode();
    const QString newName = Edit1->text();
    // A category without a name would empty the category of every plant it is renamed with.
    if (newName.isEmpty()) {
        ctx.prompter.error(QStringLiteral("Bitte geben Sie einen Namen für die Kategorie ein!"));
        Edit1->setFocus();
        return;
    }
    {
        ScrollGuard guard{&categories, &genera, &plants};
        categories.open();
        genera.open();
        plants.open();
        const bool plantsFiltered = plants.filtered();
        const bool generaFiltered = genera.filtered();
        try {
            // The new name and every row that carries the old one change together, or not at all.
            Transaction transaction(t.db);
            if (!renaming)
                categories.append();
            categories.edit();
            categories.setValue(QStringLiteral("Namen"), newName);
            categories.post();
            categories.refresh();
            categories.close();
            categories.open();
            categories.setIndexFieldNames(QStringLiteral("Namen"));
            categories.first();

            plants.setFiltered(false);
            plants.first();
            if (renaming) {
                replaceColumnValues(plants, QStringLiteral("Kategorie"), m_oldName, newName);
                genera.setFiltered(false);
                genera.first();
                replaceColumnValues(genera, QStringLiteral("Kategorie"), m_oldName, newName);
                genera.setFiltered(generaFiltered);
            }
            plants.setFiltered(plantsFiltered);
            transaction.commit();
        } catch (...) {
            genera.setFiltered(generaFiltered);
            plants.setFiltered(plantsFiltered);
            throw;
        }
        emit ctx.events.categoriesChanged();
        // After a rename the old name is gone and the first category stays current.
        categories.first();
        categories.locate(QStringLiteral("Namen"), m_oldName);
    }
    clearFlags();
    if (ctx.catalogue)
        ctx.catalogue->Kategoriezeigen();
    closeAndReturn();
}

} // namespace vindel
