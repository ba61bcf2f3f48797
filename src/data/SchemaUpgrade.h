#pragma once

#include "data/DataTables.h"

#include <functional>

namespace vindel {

// Brings an older database up to the current schema: each step probes with a statement and,
// when the probe fails for any reason, runs its repair and reports its message.
class SchemaUpgrade {
public:
    using MessageSink = std::function<void(const QString &message)>;

    explicit SchemaUpgrade(DataTables &tables) : m_tables(tables) {}

    // Runs all steps in order. Sets the colour-reset flag (tag of ADOQuery_Stammdaten) when
    // Tabsheetfarbe had to be added. A failing repair throws DatabaseError; later steps do not run.
    void run(const MessageSink &message);

private:
    void backfillSortDatum();
    DataTables &m_tables;
};

} // namespace vindel
