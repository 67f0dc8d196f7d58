// The margins exchanged with the page-setup dialog: the dialog works in hundredths of a millimetre, the
// settings in whole millimetres.
#pragma once

#include "settings/PrintSettings.h"

namespace vantolex {

// The margin part of a page-setup request, in hundredths of a millimetre.
struct PageSetupMargins
{
    bool enabled = false; // false: the dialog shows the margins disabled and returns none
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int minimum = 0; // the smallest margin the dialog accepts, on every side

    bool operator==(const PageSetupMargins&) const = default;
};

// The request for `settings`: minimum 0; with useMargins the four margins × 100, else disabled and all 0.
PageSetupMargins preparePageSetup(const PrintSettings& settings);

// After a confirmed dialog: only with useMargins, each margin becomes the dialog's value / 100, the remainder
// dropped. A value above the margin limit is stored as returned (the margin page shows it at the limit).
void takePageSetupMargins(PrintSettings& settings, const PageSetupMargins& margins);

} // namespace vantolex
