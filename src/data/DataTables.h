#pragma once

#include "data/Dataset.h"

namespace vindel {

// The one connection, one table object per table and the two SQL command objects that every
// window of the program works on.
class DataTables {
public:
    DataTables();
    DataTables(const DataTables &) = delete;
    DataTables &operator=(const DataTables &) = delete;

    Database db;

    Table Tab_Pflanzen_test;
    Table Tab_Kate_test;
    Table Tab_Gattung;
    Table Tab_Historie;
    Table Tab_Aktion;
    Table Tab_Combobox;
    Table Tab_Kontakte;
    Table Tab_Stammdaten;
    Table Tab_Liste;
    Table Tab_Listeninhalt;
    Table Tab_Etikett;
    Table Tab_ListeallerFotos;

    Query ADOQuery_Pflanzen;
    Query ADOQuery_Stammdaten; // carries no statement; its tag is the colour-reset flag

    // Closes every object and the connection.
    void closeAll();
};

} // namespace vindel
