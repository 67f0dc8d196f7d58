// "詳細情報 [Vantolex]": the settings of a coming print with what only its layout knows and a sample of the
// text, before any paper is used. 印刷 continues the print; anything else abandons it.
#pragma once

#include <QDialog>

#include <string_view>

namespace vantolex {

struct PageLayout;
struct PrintSettings;

class AttributeDialog : public QDialog
{
    Q_OBJECT

public:
    // The results of exec(); Escape and the close box give Cancel.
    enum Choice : int
    {
        Print = 1,
        Cancel = 2,
    };

    AttributeDialog(std::u16string_view sampleText, const PrintSettings& settings, const PageLayout& layout,
                    QWidget* parent = nullptr);

    void reject() override;
};

} // namespace vantolex
