// The "+", "-" and "?" buttons of the category and genus boxes, and the category lists.
#include "app/AppWindow.h"
#include "app/DataGrid.h"
#include "app/ScrollGuard.h"
#include "app/Tag.h"
#include "catalogue/HauptansichtPage.h"
#include "catalogue/PlantCursor.h"

#include <QComboBox>
#include <QPushButton>
#include <optional>

namespace vindel {

namespace {

const QString kAll = QStringLiteral(" Alle");

void showDialog(AppContext &ctx, const char *className, QWidget *opener)
{
    if (AppWindow *w = ctx.window(QLatin1String(className)))
        w->showOver(opener);
}

// The current name of the table, or nothing (after the error box) where it is " Alle", which the
// system needs. `what` is "Kategorie" or "Gattung", `done` the refused "geändert" or "gelöscht".
std::optional<QString> changeableName(AppContext &ctx, Table &table, const QString &column, const QString &what,
                                      const QString &done)
{
    table.open();
    const QString name = table.text(column);
    if (name == kAll) {
        ctx.prompter.error(QStringLiteral("Die ") + what + QStringLiteral(" \"") + name + QStringLiteral("\"\n\nkann nicht ")
                           + done + QStringLiteral(" werden, sie ist für das System notwendig!"));
        return std::nullopt;
    }
    return name;
}

} // namespace

void HauptansichtPage::BitBtn41Click()
{
    Tag::set(BitBtn41, 1);
    showDialog(ctx, "TKategorie", window());
}

void HauptansichtPage::BitBtn42Click()
{
    if (!changeableName(ctx, ctx.tables.Tab_Kate_test, QStringLiteral("Namen"), QStringLiteral("Kategorie"),
                        QStringLiteral("geändert")))
        return;
    Tag::set(BitBtn42, 1);
    showDialog(ctx, "TKategorie", window());
}

void HauptansichtPage::BitBtn40Click()
{
    DataTables &t = ctx.tables;
    Table &categories = t.Tab_Kate_test;
    Table &plants = t.Tab_Pflanzen_test;
    const std::optional<QString> current = changeableName(ctx, categories, QStringLiteral("Namen"),
                                                          QStringLiteral("Kategorie"), QStringLiteral("gelöscht"));
    if (!current)
        return;
    const QString &name = *current;
    if (!categories.locate(QStringLiteral("Namen"), name))
        return;
    if (ctx.prompter.confirm(QStringLiteral("Die Kategorie \"") + name
                             + QStringLiteral("\" wirklich löschen? \n\nHinweis: \n\nEs wird bei den Pflanzen der "
                                              "gelöschten Kategorie ein leeres Feld eingetragen ! "))) {
        {
            // Emptying the plants' category and deleting the row succeed or fail together.
            ScrollGuard guard{&categories, &plants};
            plants.open();
            const bool wasFiltered = plants.filtered();
            try {
                Transaction transaction(t.db);
                plants.setFiltered(false);
                plants.first();
                replaceColumnValues(plants, QStringLiteral("Kategorie"), name, QStringLiteral(""));
                plants.first();
                categories.remove();
                transaction.commit();
            } catch (...) {
                plants.setFiltered(wasFiltered);
                throw;
            }
            categories.setIndexFieldNames(QStringLiteral("Namen"));
            emit ctx.events.categoriesChanged();
        }
        categories.first(); // the catalogue shows the first category
        ctx.prompter.information(QStringLiteral("Kategorie wurde gelöscht! "));
    }
    DBGrid1->setFocus();
}

void HauptansichtPage::BitBtn29Click()
{
    Tag::set(BitBtn29, 1);
    showDialog(ctx, "TGattung", window());
}

void HauptansichtPage::BitBtn7Click()
{
    if (!changeableName(ctx, ctx.tables.Tab_Gattung, QStringLiteral("Familie"), QStringLiteral("Gattung"),
                        QStringLiteral("geändert")))
        return;
    Tag::set(BitBtn7, 1);
    showDialog(ctx, "TGattung", window());
}

void HauptansichtPage::BitBtn30Click()
{
    Table &genera = ctx.tables.Tab_Gattung;
    const std::optional<QString> current = changeableName(ctx, genera, QStringLiteral("Familie"),
                                                          QStringLiteral("Gattung"), QStringLiteral("gelöscht"));
    if (!current)
        return;
    const QString &name = *current;
    if (ctx.prompter.confirm(QStringLiteral("Die Gattung \"") + name + QStringLiteral("\"\n\naus der Kategorie \"")
                             + genera.text(QStringLiteral("Kategorie")) + QStringLiteral("\"\n\nwirklich löschen? "))) {
        genera.remove();
        DBGrid1->setFocus();
    }
}

} // namespace vindel
