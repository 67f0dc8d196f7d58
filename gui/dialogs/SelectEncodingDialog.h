// "文字コード選択": the choice of one of the six encodings.
#pragma once

#include <QDialog>

#include "input/EncodingIndex.h"

class QComboBox;

namespace vantolex {

class SelectEncodingDialog : public QDialog
{
    Q_OBJECT

public:
    // Opens with `initial` selected.
    explicit SelectEncodingDialog(EncodingIndex initial, QWidget* parent = nullptr);

    // The initial index; after OK, the one chosen.
    EncodingIndex encodingIndex() const { return m_encodingIndex; }

    void accept() override;

private:
    EncodingIndex m_encodingIndex;
    QComboBox* m_encodingCombo;
};

} // namespace vantolex
