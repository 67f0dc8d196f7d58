// Dialog units: control positions given in units of the dialog font, converted to pixels. One horizontal
// unit is a quarter of the font's average character width, one vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

namespace vantolex {

class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const; // horizontal units to pixels, rounded
    int y(int units) const; // vertical units to pixels, rounded
    QRect rect(int x, int y, int width, int height) const;

private:
    int m_baseWidth; // average character width in pixels
    int m_baseHeight; // character height in pixels
};

// The font of every dialog: "ＭＳ Ｐゴシック" 9 pt, through the table of stand-in faces (IPA P Gothic here).
QFont dialogFont();

} // namespace vantolex
