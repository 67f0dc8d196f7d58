#include "input/ui/EncodingCombo.h"

#include <QComboBox>

#include "app/QtText.h"

namespace vantolex {

void fillEncodingCombo(QComboBox& combo, EncodingIndex index)
{
    combo.clear();
    for (const std::u16string_view name : encodingNames)
        combo.addItem(toQString(name));
    combo.setCurrentIndex(index >= 0 && index < encodingCount ? index : -1);
}

} // namespace vantolex
