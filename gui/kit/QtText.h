// Text between the program's UTF-16 strings and Qt's.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantolex {

inline QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

// A caption as it is read out: "&&" is one "&", any other "&" marks the mnemonic and goes.
inline QString withoutMnemonic(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&')
            plain += text[i];
        else if (i + 1 < text.size() && text[i + 1] == u'&')
            plain += text[++i];
    }
    return plain;
}

} // namespace vantolex
