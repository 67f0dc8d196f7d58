#include "gui/pages/StorableTextValidator.h"

#include "gui/kit/QtText.h"
#include "settings/SettingsFileBytes.h"

namespace vantolex {

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return storableInSettingsFile(toU16(input)) ? Acceptable : Invalid;
}

} // namespace vantolex
