#include "diary/DiaryAction.h"

#include "app/AppContext.h"
#include "app/LastChange.h"
#include "app/Progress.h"
#include "app/ScrollGuard.h"
#include "data/ShortDate.h"

namespace vindel {

int enterActionForPlants(AppContext &ctx, const DiaryAction &action, Progress &progress)
{
    DataTables &t = ctx.tables;
    Table &plants = t.Tab_Pflanzen_test;
    Table &diary = t.Tab_Historie;
    plants.open();
    diary.open();
    const std::optional<QDate> day = ShortDate::parse(action.dateText, ctx.prompter.today());
    if (!day)
        throw DatabaseError(QStringLiteral("Kein richtiges Datum eingetragen!"));
    const QDateTime sortDate = ShortDate::wallClock(*day);
    const QString year = QString::number(day->year());

    progress.setMaximum(plants.recordCount() + 2);
    progress.setValue(1);
    int written = 0;
    {
        // The catalogue shows only the last plant, not each one the walk passes.
        ScrollGuard guard(plants);
        // Grids on the diary are reset once at the end, not after every entry.
        const HeldNotifications held(diary);
        plants.setIndexFieldNames(QStringLiteral("ID"));
        const int number = plants.columnIndex(QStringLiteral("Nr"));
        Transaction transaction(t.db);
        try {
            for (int r = 0; r < plants.recordCount(); ++r) {
                diary.append();
                diary.setValue(QStringLiteral("PflanzenID"), plants.valueAt(r, number).toString());
                diary.setValue(QStringLiteral("Datum"), action.dateText);
                diary.setValue(QStringLiteral("SortDatum"), sortDate);
                diary.setValue(QStringLiteral("Aktion"), action.name);
                diary.setValue(QStringLiteral("Jahr"), year);
                diary.setValue(QStringLiteral("Aktionkenner"), action.number);
                diary.setValue(QStringLiteral("Inhalt1"), action.text);
                diary.post();
                ++written;
                progress.advance();
            }
            stampLastChange(ctx);
            transaction.commit();
        } catch (...) {
            diary.cancel();
            throw;
        }
    }
    progress.advance();
    if (!plants.isEmpty())
        plants.last();
    return written;
}

} // namespace vindel
