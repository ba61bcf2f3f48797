#pragma once

#include <QString>

class QLineEdit;

namespace vindel {

class AppContext;

// The character check for plant names and the parts they are composed of (species, variant).
namespace NameCheck {

// The characters a name may hold: the blank, ! # $ % & ( ) , - . @ _ ` { }, digits, the letters
// A to Z and a to z, and Ä Ö Ü ß ä ö ü. Everything else is refused (accented letters included).
bool isAllowed(char32_t c);
// Position (in UTF-16 units) of the first refused character, or -1.
int firstRejected(const QString &text);
// The text without its refused characters.
QString withoutRejected(const QString &text);

// The information box shown for a refused character.
QString invalidNameMessage();

} // namespace NameCheck

// Checks the text: NameValid becomes "ja", or "nein" with the message shown once when a
// character is refused. True when the text passes.
bool Namenpruefen(AppContext &ctx, const QString &text);

// Runs the check on an editable field. A refused character is taken out wherever it was typed;
// what stands before and after it stays, and so does the cursor relative to the text. True when
// the field had to be changed. The field's own change signal does not fire for the correction.
bool checkNameField(AppContext &ctx, QLineEdit *field);

} // namespace vindel
