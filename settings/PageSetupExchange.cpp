#include "settings/PageSetupExchange.h"

namespace vantolex {

namespace {

constexpr int hundredthsPerMillimetre = 100;

} // namespace

PageSetupMargins preparePageSetup(const PrintSettings& settings)
{
    PageSetupMargins margins;
    margins.minimum = 0;
    if (!settings.useMargins)
        return margins;
    margins.enabled = true;
    margins.left = settings.marginLeft * hundredthsPerMillimetre;
    margins.top = settings.marginTop * hundredthsPerMillimetre;
    margins.right = settings.marginRight * hundredthsPerMillimetre;
    margins.bottom = settings.marginBottom * hundredthsPerMillimetre;
    return margins;
}

void takePageSetupMargins(PrintSettings& settings, const PageSetupMargins& margins)
{
    if (!settings.useMargins)
        return;
    settings.marginLeft = margins.left / hundredthsPerMillimetre;
    settings.marginTop = margins.top / hundredthsPerMillimetre;
    settings.marginRight = margins.right / hundredthsPerMillimetre;
    settings.marginBottom = margins.bottom / hundredthsPerMillimetre;
}

} // namespace vantolex
