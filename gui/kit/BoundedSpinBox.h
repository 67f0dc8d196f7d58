// A spin box that says so when it refuses a number beyond its range.
#pragma once

#include <QSpinBox>

namespace vantolex {

// QSpinBox refuses a keystroke that would take the number out of its range ("60" where 50 is the most), so that
// typing "60" leaves "6". This one keeps that behaviour and shows the range next to the box at the moment it
// refuses, so that nothing changes unnoticed.
class BoundedSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit BoundedSpinBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& position) const override;
};

} // namespace vantolex
