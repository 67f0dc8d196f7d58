// Short Japanese descriptions of the fields of a PrintSettings record, as the settings lists show them.
#pragma once

#include <string>

#include "settings/PrintSettings.h"

namespace vantolex {

std::u16string describeSize(const PrintSettings& settings); // by fontSizeBasis, e.g. "96 文字/行"
std::u16string describeFont(const PrintSettings& settings); // "ＭＳ 明朝 (日本語)"
std::u16string describeRange(const PrintSettings& settings); // "初めから、終わりまで"
std::u16string describeMargins(const PrintSettings& settings); // "20, 20, 20, 20" or "なし"
std::u16string describeLineSpacing(const PrintSettings& settings); // "1/4行分"
std::u16string describeLineNumbers(const PrintSettings& settings); // "なし", "4 桁", "10 行毎、4 桁"
std::u16string describeFlag(bool flag); // "あり" or "なし"

} // namespace vantolex
