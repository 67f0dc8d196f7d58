// The fields of PrintSettings by name, for the command-line tool's "--set FIELD=VALUE".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/PrintSettings.h"

namespace vantolex {

// One field that "--set" (and a job option of the filter) can set, with what --help says of it.
struct PrintSettingsField
{
    std::string_view name; // the record's field name
    std::variant<int PrintSettings::*, bool PrintSettings::*, std::u16string PrintSettings::*> member;
    // A whole-number field whose valid values are one closed interval: its ends, as validate() checks them.
    // Both 0 for the other fields.
    int lowest = 0;
    int highest = 0;
    // The values of a whole-number field without such an interval ("0～", "0, 1, 5, ..."); empty otherwise.
    std::u16string_view values;
    std::u16string_view meaning;
};

// The settable fields in the order of the record: every field but fontDescriptor.
std::span<const PrintSettingsField> printSettingsFields();

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
