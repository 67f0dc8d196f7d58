// The fields of PrintSettings by name, for the command-line tool's "--set FIELD=VALUE".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/PrintSettings.h"

namespace vantolex {

enum class SetFieldResult
{
    Done,
    UnknownField, // no field of that name (fontDescriptor is not settable)
    BadValue, // an int that is not a decimal 32-bit number, or a flag that is not 0, 1, true or false
};

// Sets the field named `name` (the record's field name, e.g. "charsPerLine") from `value`: an int as a
// decimal number with an optional sign, a flag as 0, 1, true or false, a string as given (UTF-8). Ranges are
// not checked here: validate() does that for the whole record.
SetFieldResult setField(PrintSettings& settings, std::string_view name, std::string_view value);

// The field name of the record that `name` spells without regard to ASCII case ("charsperline" gives
// "charsPerLine"), for names that arrive in lower case (IPP attributes); nullopt when no field has that name.
std::optional<std::string_view> fieldNameIgnoringCase(std::string_view name);

// The first text field of `settings` that a settings file cannot store, by its field name, with the character
// it cannot hold (unstorableCharacter); nullopt when every text can be stored.
struct UnstorableField
{
    std::string_view name;
    char32_t character = 0;
};
std::optional<UnstorableField> unstorableField(const PrintSettings& settings);

} // namespace vantolex
