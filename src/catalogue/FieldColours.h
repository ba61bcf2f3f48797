#pragma once

class QWidget;

namespace vindel {

// Fields open for editing, and the editing boxes, are light pink (0xC9CAFC); read-only fields
// take the system window colour.
constexpr int kEditableFieldColour = 0xC9CAFC;
void paintField(QWidget *field, bool editable);

} // namespace vindel
