// Check boxes and radio buttons as assistive technologies work them: their toggle action clicks the button.
//
// Qt's own interface toggles the state without a click, and the dialogs react to clicks (a click on a
// radio button that is already checked still runs its reaction; a programmatic check while a page loads
// runs none). Through Qt's interface a screen reader or voice control would tick 余白を使用する without
// enabling the margins, or choose a source without updating the print button.
#pragma once

namespace vantolex {

// Makes the toggle (and press) action of every QCheckBox and QRadioButton a click. Call once, after the
// QApplication exists.
void installClickingCheckButtons();

} // namespace vantolex
