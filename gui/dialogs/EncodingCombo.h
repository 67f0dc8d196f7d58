// The list of the six encodings, as the main dialog and the encoding selection dialog show it.
#pragma once

#include "input/EncodingIndex.h"

class QComboBox;

namespace vantolex {

// Empties `combo`, adds the six encoding names in index order and selects `index`.
void fillEncodingCombo(QComboBox& combo, EncodingIndex index);

} // namespace vantolex
