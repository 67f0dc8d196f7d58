#include "gui/pages/TabPreview.h"

#include <QPushButton>

#include "gui/kit/QtText.h"
#include "gui/pages/TabPageMessages.h"

namespace vantolex {

TabPreview::TabPreview(QWidget* parent)
    : TabPage(parent)
{
    auto* preview = place(new QPushButton(toQString(tabText::preview), this), 8, 8, 70, 14);
    preview->setObjectName(QStringLiteral("previewButton"));
    auto* pageSetup = place(new QPushButton(toQString(tabText::pageSetup), this), 8, 28, 70, 14);
    pageSetup->setObjectName(QStringLiteral("pageSetupButton"));
    preview->setAutoDefault(false);
    pageSetup->setAutoDefault(false);
    connect(preview, &QPushButton::clicked, this, &TabPreview::previewRequested);
    connect(pageSetup, &QPushButton::clicked, this, &TabPreview::pageSetupRequested);
}

} // namespace vantolex
