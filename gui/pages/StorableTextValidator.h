// A validator for the free texts that the settings file keeps: a character that the file cannot hold (one
// outside code page 932, such as an emoji) is refused as it is typed or pasted, instead of making the whole
// save fail when the program ends.
#pragma once

#include <QValidator>

namespace vantolex {

class StorableTextValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace vantolex
