// The プレビュー page: asks the main dialog for a preview or for the page setup. Shows no settings.
#pragma once

#include "gui/pages/TabPage.h"

namespace vantolex {

class TabPreview : public TabPage
{
    Q_OBJECT

public:
    explicit TabPreview(QWidget* parent = nullptr);

    void loadFrom(const PrintSettings&) override { }
    void storeTo(PrintSettings&) const override { }

signals:
    void previewRequested();
    void pageSetupRequested();
};

} // namespace vantolex
