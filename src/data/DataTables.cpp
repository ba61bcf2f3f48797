#include "data/DataTables.h"

namespace vindel {

DataTables::DataTables()
    : Tab_Pflanzen_test(db, QStringLiteral("Pflanzen"), &Schema::plantTable()),
      Tab_Kate_test(db, QStringLiteral("Kategorien")),
      Tab_Gattung(db, QStringLiteral("Gattung")),
      Tab_Historie(db, QStringLiteral("Historie")),
      Tab_Aktion(db, QStringLiteral("Aktionen")),
      Tab_Combobox(db, QStringLiteral("ComboboxListe")),
      Tab_Kontakte(db, QStringLiteral("Kontakte")),
      Tab_Stammdaten(db, QStringLiteral("Stammdaten")),
      Tab_Liste(db, QStringLiteral("Liste")),
      Tab_Listeninhalt(db, QStringLiteral("Listeninhalt")),
      Tab_Etikett(db, QStringLiteral("Etiketten")),
      Tab_ListeallerFotos(db, QStringLiteral("ListeallerFotos")),
      ADOQuery_Pflanzen(db, QStringLiteral("ADOQuery_Pflanzen")),
      ADOQuery_Stammdaten(db, QStringLiteral("ADOQuery_Stammdaten"))
{
    Tab_Pflanzen_test.setObjectName(QStringLiteral("Tab_Pflanzen_test"));
    Tab_Kate_test.setObjectName(QStringLiteral("Tab_Kate_test"));
    Tab_Gattung.setObjectName(QStringLiteral("Tab_Gattung"));
    Tab_Historie.setObjectName(QStringLiteral("Tab_Historie"));
    Tab_Aktion.setObjectName(QStringLiteral("Tab_Aktion"));
    Tab_Combobox.setObjectName(QStringLiteral("Tab_Combobox"));
    Tab_Kontakte.setObjectName(QStringLiteral("Tab_Kontakte"));
    Tab_Stammdaten.setObjectName(QStringLiteral("Tab_Stammdaten"));
    Tab_Liste.setObjectName(QStringLiteral("Tab_Liste"));
    Tab_Listeninhalt.setObjectName(QStringLiteral("Tab_Listeninhalt"));
    Tab_Etikett.setObjectName(QStringLiteral("Tab_Etikett"));
    Tab_ListeallerFotos.setObjectName(QStringLiteral("Tab_ListeallerFotos"));
    // A large diary is read while the catalogue starts; a plant's entries are found by number.
    Tab_Historie.setOpensInBackground(QStringLiteral("PflanzenID"));
}

void DataTables::closeAll()
{
    for (Dataset *d : std::initializer_list<Dataset *>{
             &Tab_Pflanzen_test, &Tab_Kate_test, &Tab_Gattung, &Tab_Historie, &Tab_Aktion, &Tab_Combobox,
             &Tab_Kontakte, &Tab_Stammdaten, &Tab_Liste, &Tab_Listeninhalt, &Tab_Etikett, &Tab_ListeallerFotos,
             &ADOQuery_Pflanzen, &ADOQuery_Stammdaten}) {
        try {
            d->close();
        } catch (const DatabaseError &) {
            // A pending edit that cannot be stored any more must not keep the connection open.
        }
    }
    db.close();
}

} // namespace vindel
