#include "gui/preview/PreviewBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/kit/DialogUnits.h"
#include "gui/kit/QtText.h"
#include "gui/preview/PreviewMessages.h"
#include "layout/PreviewView.h"

namespace vantolex {

PreviewBar::PreviewBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("previewBar"));
    setFont(dialogFont());
    const DialogUnits units(font());

    auto button = [this](std::u16string_view text, const char* name) {
        auto* made = new QPushButton(toQString(text), this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        // A click leaves the keyboard with the page, so that the arrows keep scrolling; Tab still reaches it.
        made->setFocusPolicy(Qt::TabFocus);
        return made;
    };
    m_nextButton = button(previewText::nextPage, "nextPageButton");
    m_previousButton = button(previewText::previousPage, "previousPageButton");
    auto* caption = new QLabel(toQString(previewText::pageCaption), this);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setMinimumWidth(units.x(40));
    m_zoomButton = button(previewText::zoomIn, "zoomButton");
    QPushButton* closeButton = button(previewText::close, "closeButton");

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(units.x(4), units.y(3), units.x(4), units.y(3));
    row->setSpacing(units.x(4));
    row->addWidget(m_nextButton);
    row->addWidget(m_previousButton);
    row->addSpacing(units.x(4));
    row->addWidget(caption);
    row->addWidget(m_pageLabel);
    row->addWidget(m_zoomButton);
    row->addWidget(closeButton);
    row->addStretch(1);

    connect(m_nextButton, &QPushButton::clicked, this, &PreviewBar::nextPageClicked);
    connect(m_previousButton, &QPushButton::clicked, this, &PreviewBar::previousPageClicked);
    connect(m_zoomButton, &QPushButton::clicked, this, &PreviewBar::zoomClicked);
    connect(closeButton, &QPushButton::clicked, this, &PreviewBar::closeClicked);
}

void PreviewBar::setState(const BarState& state)
{
    m_nextButton->setEnabled(state.nextEnabled);
    m_previousButton->setEnabled(state.previousEnabled);
    m_pageLabel->setText(toQString(state.label));
}

void PreviewBar::setZoomed(bool zoomed)
{
    m_zoomButton->setText(toQString(zoomed ? previewText::wholePage : previewText::zoomIn));
}

} // namespace vantolex
