#include "gui/kit/DialogUnits.h"

#include <QFontMetrics>

#include "gui/kit/QtText.h"
#include "settings/FontAliases.h"

namespace vantolex {

namespace {

// value × numerator / denominator, rounded half away from zero.
int scaleRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width is that of the 52 Latin letters, rounded to whole pixels.
    const int letters
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = (letters / 26 + 1) / 2;
    m_baseHeight = metrics.height();
}

int DialogUnits::x(int units) const
{
    return scaleRounded(units, m_baseWidth, 4);
}

int DialogUnits::y(int units) const
{
    return scaleRounded(units, m_baseHeight, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

QFont dialogFont()
{
    constexpr std::u16string_view face = u"ＭＳ Ｐゴシック";
    const auto family = aliasFamily(face);
    QFont font(toQString(family ? *family : std::u16string(face)));
    font.setPointSize(9);
    return font;
}

} // namespace vantolex
