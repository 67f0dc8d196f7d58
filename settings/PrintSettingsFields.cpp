#include "settings/PrintSettingsFields.h"

#include <algorithm>
#include <variant>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "settings/SettingsFileBytes.h"

namespace vantolex {

namespace {

using FieldPointer = std::variant<int PrintSettings::*, bool PrintSettings::*, std::u16string PrintSettings::*>;

struct Field
{
    std::string_view name;
    FieldPointer member;
};

const Field fields[] = {
    { "charsPerLine", &PrintSettings::charsPerLine },
    { "linesPerColumn", &PrintSettings::linesPerColumn },
    { "fontPoints", &PrintSettings::fontPoints },
    { "columns", &PrintSettings::columns },
    { "tabWidth", &PrintSettings::tabWidth },
    { "wrapLines", &PrintSettings::wrapLines },
    { "fontSizeBasis", &PrintSettings::fontSizeBasis },
    { "startLine", &PrintSettings::startLine },
    { "endValue", &PrintSettings::endValue },
    { "endCondition", &PrintSettings::endCondition },
    { "showInfo", &PrintSettings::showInfo },
    { "lineNumberInterval", &PrintSettings::lineNumberInterval },
    { "lineNumberDigits", &PrintSettings::lineNumberDigits },
    { "columnSeparator", &PrintSettings::columnSeparator },
    { "showPageNumber", &PrintSettings::showPageNumber },
    { "showFileName", &PrintSettings::showFileName },
    { "language", &PrintSettings::language },
    { "fontName", &PrintSettings::fontName },
    { "vertical", &PrintSettings::vertical },
    { "proportional", &PrintSettings::proportional },
    { "useMargins", &PrintSettings::useMargins },
    { "marginTop", &PrintSettings::marginTop },
    { "marginBottom", &PrintSettings::marginBottom },
    { "marginLeft", &PrintSettings::marginLeft },
    { "marginRight", &PrintSettings::marginRight },
    { "lineSpacing", &PrintSettings::lineSpacing },
    { "columnSpacing", &PrintSettings::columnSpacing },
    { "separatorLines", &PrintSettings::separatorLines },
    { "separatorMethod", &PrintSettings::separatorMethod },
    { "useHeaderFooter", &PrintSettings::useHeaderFooter },
    { "headerLeft", &PrintSettings::headerLeft },
    { "headerCenter", &PrintSettings::headerCenter },
    { "headerRight", &PrintSettings::headerRight },
    { "footerLeft", &PrintSettings::footerLeft },
    { "footerCenter", &PrintSettings::footerCenter },
    { "footerRight", &PrintSettings::footerRight },
};

std::optional<bool> parseFlag(std::string_view text)
{
    if (text == "1" || text == "true")
        return true;
    if (text == "0" || text == "false")
        return false;
    return std::nullopt;
}

} // namespace

SetFieldResult setField(PrintSettings& settings, std::string_view name, std::string_view value)
{
    for (const Field& field : fields) {
        if (field.name != name)
            continue;
        if (const auto* member = std::get_if<int PrintSettings::*>(&field.member)) {
            const auto number = parseInteger(value);
            if (!number)
                return SetFieldResult::BadValue;
            settings.*(*member) = *number;
        } else if (const auto* flagMember = std::get_if<bool PrintSettings::*>(&field.member)) {
            const auto flag = parseFlag(value);
            if (!flag)
                return SetFieldResult::BadValue;
            settings.*(*flagMember) = *flag;
        } else {
            settings.*std::get<std::u16string PrintSettings::*>(field.member) = fromUtf8(value);
        }
        return SetFieldResult::Done;
    }
    return SetFieldResult::UnknownField;
}

std::optional<std::string_view> fieldNameIgnoringCase(std::string_view name)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const Field& field : fields) {
        if (std::equal(field.name.begin(), field.name.end(), name.begin(), name.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }))
            return field.name;
    }
    return std::nullopt;
}

std::optional<UnstorableField> unstorableField(const PrintSettings& settings)
{
    for (const Field& field : fields) {
        const auto* member = std::get_if<std::u16string PrintSettings::*>(&field.member);
        if (!member)
            continue;
        if (const std::optional<char32_t> character = unstorableCharacter(settings.*(*member)))
            return UnstorableField { field.name, *character };
    }
    return std::nullopt;
}

} // namespace vantolex
