// "確認 [Vantolex]": a preset name is already taken; add a second preset of that name, update the first one,
// or cancel.
#pragma once

#include <QDialog>

#include <string_view>

namespace vantolex {

class ConfirmNameDialog : public QDialog
{
    Q_OBJECT

public:
    // The results of exec(); Escape and the close box cancel.
    enum Choice : int
    {
        Cancel = 0,
        Add = 1,
        Update = 2,
    };

    explicit ConfirmNameDialog(std::u16string_view name, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vantolex
