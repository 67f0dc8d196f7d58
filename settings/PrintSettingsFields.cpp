#include "settings/PrintSettingsFields.h"

#include <algorithm>
#include <variant>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "settings/SettingsFileBytes.h"

namespace vantolex {

namespace {

// Every settable field, in the order of the record. --help lists them in this order.
constexpr PrintSettingsField fields[] = {
    { "charsPerLine", &PrintSettings::charsPerLine, 1, 999, u"",
      u"1行の文字数（半角文字の升目で数える。fontSizeBasis=0 のときフォントサイズを決める）" },
    { "linesPerColumn", &PrintSettings::linesPerColumn, 1, 999, u"",
      u"1段の行数（fontSizeBasis=1 のときフォントサイズを決める）" },
    { "fontPoints", &PrintSettings::fontPoints, 1, 999, u"", u"フォントサイズ（ポイント。fontSizeBasis=2 のとき）" },
    { "columns", &PrintSettings::columns, 1, 9, u"", u"段組数" },
    { "tabWidth", &PrintSettings::tabWidth, 1, 99, u"", u"タブ幅（文字数）" },
    { "wrapLines", &PrintSettings::wrapLines, 0, 0, u"", u"長い行を折り返す（0: 切り捨てる）" },
    { "fontSizeBasis", &PrintSettings::fontSizeBasis, 0, 2, u"",
      u"フォントサイズの計算基準: 0 文字数, 1 行数, 2 ポイント" },
    { "startLine", &PrintSettings::startLine, 0, 0, u"0～", u"印刷開始行（0 が1行目）" },
    { "endValue", &PrintSettings::endValue, 0, 0, u"1～",
      u"endCondition の行数、終了行（1行目が 1。startLine より後）、またはページ数" },
    { "endCondition", &PrintSettings::endCondition, 0, 3, u"",
      u"印刷終了条件: 0 最後まで, 1 行数, 2 終了行, 3 ページ数" },
    { "showInfo", &PrintSettings::showInfo, 0, 0, u"", u"印刷の前に詳細情報を表示する" },
    { "lineNumberInterval", &PrintSettings::lineNumberInterval, 0, 0, u"0, 1, 5, 10, 20, 50, 100",
      u"行番号を付ける間隔（0: 行番号なし）" },
    { "lineNumberDigits", &PrintSettings::lineNumberDigits, 1, 9, u"", u"行番号の桁数" },
    { "columnSeparator", &PrintSettings::columnSeparator, 0, 0, u"", u"段の間に区切り線を引く" },
    { "showPageNumber", &PrintSettings::showPageNumber, 0, 0, u"",
      u"ページ番号を印刷する（useHeaderFooter=0 のとき）" },
    { "showFileName", &PrintSettings::showFileName, 0, 0, u"", u"ファイル名を印刷する（useHeaderFooter=0 のとき）" },
    { "language", &PrintSettings::language, 0, 0, u"", u"フォントの言語（例: 日本語）" },
    { "fontName", &PrintSettings::fontName, 0, 0, u"", u"フォント名（例: ＭＳ 明朝, IPAゴシック）" },
    { "vertical", &PrintSettings::vertical, 0, 0, u"", u"縦書き" },
    { "proportional", &PrintSettings::proportional, 0, 0, u"", u"プロポーショナルフォントで印刷する" },
    { "useMargins", &PrintSettings::useMargins, 0, 0, u"", u"余白を指定する（0: 印刷できる範囲いっぱいに印刷）" },
    { "marginTop", &PrintSettings::marginTop, 0, 50, u"", u"上の余白（mm。useMargins=1 のとき）" },
    { "marginBottom", &PrintSettings::marginBottom, 0, 50, u"", u"下の余白（mm）" },
    { "marginLeft", &PrintSettings::marginLeft, 0, 50, u"", u"左の余白（mm）" },
    { "marginRight", &PrintSettings::marginRight, 0, 50, u"", u"右の余白（mm）" },
    { "lineSpacing", &PrintSettings::lineSpacing, 0, 4, u"", u"行間（1/4 行単位）" },
    { "columnSpacing", &PrintSettings::columnSpacing, 0, 50, u"", u"段の間隔（mm）" },
    { "separatorLines", &PrintSettings::separatorLines, 0, 0, u"0～",
      u"複数ファイルの区切りの空行数（separatorMethod=0 のとき）" },
    { "separatorMethod", &PrintSettings::separatorMethod, 0, 2, u"",
      u"複数ファイルの区切り: 0 空行, 1 次の段へ, 2 改ページ" },
    { "useHeaderFooter", &PrintSettings::useHeaderFooter, 0, 0, u"", u"ヘッダーとフッターを印刷する" },
    { "headerLeft", &PrintSettings::headerLeft, 0, 0, u"",
      u"ヘッダー左のテンプレート（&w タイトル, &f ファイルパス, &d 日付, &t 時刻, &p ページ番号, &P 総ページ数, && "
      u"&）" },
    { "headerCenter", &PrintSettings::headerCenter, 0, 0, u"", u"ヘッダー中央のテンプレート" },
    { "headerRight", &PrintSettings::headerRight, 0, 0, u"", u"ヘッダー右のテンプレート" },
    { "footerLeft", &PrintSettings::footerLeft, 0, 0, u"", u"フッター左のテンプレート" },
    { "footerCenter", &PrintSettings::footerCenter, 0, 0, u"", u"フッター中央のテンプレート" },
    { "footerRight", &PrintSettings::footerRight, 0, 0, u"", u"フッター右のテンプレート" },
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

std::span<const PrintSettingsField> printSettingsFields()
{
    return fields;
}

SetFieldResult setField(PrintSettings& settings, std::string_view name, std::string_view value)
{
    for (const PrintSettingsField& field : fields) {
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
    for (const PrintSettingsField& field : fields) {
        if (std::equal(field.name.begin(), field.name.end(), name.begin(), name.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }))
            return field.name;
    }
    return std::nullopt;
}

std::optional<UnstorableField> unstorableField(const PrintSettings& settings)
{
    for (const PrintSettingsField& field : fields) {
        const auto* member = std::get_if<std::u16string PrintSettings::*>(&field.member);
        if (!member)
            continue;
        if (const std::optional<char32_t> character = unstorableCharacter(settings.*(*member)))
            return UnstorableField { field.name, *character };
    }
    return std::nullopt;
}

} // namespace vantolex
