#include "gui/dialogs/EncodingCombo.h"

#include <QComboBox>

#include "gui/kit/QtText.h"

namespace vantolex {

void fillEncodingCombo(QComboBox& combo, EncodingIndex index)
{
    combo.clear();
    for (std::u16string_view name : encodingNames)
        combo.addItem(toQString(name));
    combo.setCurrentIndex(index);
}

} // namespace vantolex
