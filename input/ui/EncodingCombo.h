// The drop-down list of the six encodings, used by the main dialog and the encoding selection dialog.
#pragma once

#include "input/EncodingIndex.h"

class QComboBox;

namespace vantolex {

// Replaces the items of `combo` with the encoding names in EncodingIndex order and selects `index` (no
// item when it names no encoding).
void fillEncodingCombo(QComboBox& combo, EncodingIndex index);

} // namespace vantolex
