#include "gui/kit/BoundedSpinBox.h"

#include <QToolTip>

#include <algorithm>

#include "base/TextFormat.h"
#include "gui/kit/KitMessages.h"
#include "gui/kit/QtText.h"

namespace vantolex {

BoundedSpinBox::BoundedSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
}

QValidator::State BoundedSpinBox::validate(QString& input, int& position) const
{
    const QValidator::State state = QSpinBox::validate(input, position);
    // Only a whole number refused for its size: any other refused keystroke (a letter) is no number at all.
    const bool digitsOnly
        = !input.isEmpty() && std::all_of(input.begin(), input.end(), [](QChar c) { return c.isDigit(); });
    if (state == QValidator::Invalid && digitsOnly) {
        const std::u16string text = formatText(kitText::numberOutOfRange, { minimum(), maximum() });
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toQString(text), const_cast<BoundedSpinBox*>(this));
    }
    return state;
}

} // namespace vantolex
