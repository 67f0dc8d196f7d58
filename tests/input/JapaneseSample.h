// A Japanese text for decoding tests and benchmarks: kana, kanji, ASCII, full-width and half-width forms,
// the NEC and IBM extension characters of code page 932 and the characters whose mapping differs between
// code page 932 and JIS X 0208 tables.
#pragma once

#include <string>

namespace vantolex {

// Characters that every one of the six encodings can carry.
inline constexpr char16_t japaneseCommonSample[]
    = u"吾輩の机の上には、古い辞書と新しい原稿用紙が置いてある。\r\n"
      u"「今日は晴れ。」と彼女は言った――ＡＢＣ１２３、abc 123; 価格は￥１，０００です。\r\n"
      u"\tｶﾀｶﾅ ﾃｷｽﾄ ｱｲｳｴｵ｡｢ｰ｣\r\n"
      u"記号：～（波）、−（負）、￢（否定）、∥（平行）、＼・…‥〃々〆〇ヶ\r\n"
      u"丸数字①②⑳、ローマ数字ⅠⅩ、単位㍉㌔㎝、㈱㈲、数学∑∮√⊥∠∟⊿∵∩∪≒≡∫\r\n"
      u"ひらがな・カタカナ・漢字が混ざった文章を、縦書きでも横書きでも正しく印刷する。\r\n";

// Characters that only code page 932 and the Unicode encodings carry here (IBM extensions, which EUC-JP and
// ISO-2022-JP hold only as three-byte JIS X 0212 codes or not at all).
inline constexpr char16_t japaneseIbmSample[] = u"髙橋さんと山﨑さん、德永さん。ⅰⅱⅲ￤＇＂\r\n";

} // namespace vantolex
