#pragma once

#include <QString>
#include <optional>

namespace vindel::CatalogueSearch {

// The column behind an entry of the search field list ("Gattung" → "Familie", "Nr." → "Nr", ...).
QString column(const QString &field);

// A search text the field does not take as it is, rewritten: "Nr." takes whole numbers only (1
// for anything else), "Nummeriert" only "Ja". Nothing when the text stands.
std::optional<QString> correctedText(const QString &field, const QString &text);

// The plant filter of a search with the text in the field, within the category and genus shown
// (their names; " Alle" for all). Nothing when every plant is listed: all categories with an
// empty search text or "*". Values enter the expression quoted, so any name works.
std::optional<QString> plantFilter(const QString &category, const QString &genus, const QString &field,
                                   const QString &text);

// The filter of the yes/no search ("Nummeriert" or "Beschriftet" = "Ja"/"Nein") in a category.
QString yesNoFilter(const QString &category, const QString &field, const QString &value);

} // namespace vindel::CatalogueSearch
