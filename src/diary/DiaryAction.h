#pragma once

#include <QDate>
#include <QString>

namespace vindel {

class AppContext;
class Progress;

// One action as it is entered into the diary of many plants at once.
struct DiaryAction {
    QString dateText; // Datum, as written; it must read as a date
    QString name;     // Aktion
    QString number;   // Aktionkenner
    QString text;     // Inhalt1
};

// Appends the action to the diary of every plant of the plant cursor's selection (its filter
// kept, in the order of ID), together with the stamp of Stammdaten.Letzte, in one transaction:
// after a failure no plant has the entry. Reports plants + 2 steps, starting at 1. The plant
// cursor ends on the last plant of the selection, which the catalogue then shows. Returns the
// number of entries written. Throws DatabaseError.
int enterActionForPlants(AppContext &ctx, const DiaryAction &action, Progress &progress);

} // namespace vindel
