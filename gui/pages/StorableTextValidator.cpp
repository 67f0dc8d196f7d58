#include "settings/ui/StorableTextValidator.h"

#include "app/QtText.h"
#include "settings/SettingsFileBytes.h"

namespace vantolex {

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return storableInSettingsFile(toU16(input)) ? Acceptable : Invalid;
}

} // namespace vantolex
