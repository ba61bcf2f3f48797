#pragma once

#include <QString>

namespace vindel {

// What the catalogue (the main view) offers to the windows and pages that work on its plants.
class CatalogueOperations {
public:
    virtual ~CatalogueOperations() = default;

    // The display chain.
    virtual void Kategoriezeigen() = 0;
    virtual void Gattungzeigen() = 0;
    virtual void Pflanzezeigen() = 0;

    // The column the plant list is sorted by as its sort box chooses it ("Namen", "Nr"), or an
    // empty text when the list keeps its order.
    virtual QString plantSortColumn() const = 0;
    // The plant box is in its editing mode: the current plant must not change under it.
    virtual bool editingPlant() const = 0;
    // The number dialog chose a new number for the plant being edited; it is saved with the plant.
    virtual void setPendingPlantNumber(int number) = 0;
    // The search the plant list is narrowed by: the field chosen and the text typed.
    virtual QString searchField() const = 0;
    virtual QString searchText() const = 0;
    // The sort box's choice as it reads ("A - Z", "nach Nummern", or empty).
    virtual QString sortText() const = 0;
    // The plant count again, after plants were added or removed elsewhere.
    virtual void refreshPlantCount() = 0;
};

} // namespace vindel
