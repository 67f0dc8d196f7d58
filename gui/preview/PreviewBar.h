// The bar across the top of the preview window: next and previous page, the page label, zoom and close.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace vantolex {

struct BarState;

class PreviewBar final : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewBar(QWidget* parent);

    // Enables the page buttons and sets the page label.
    void setState(const BarState& state);
    // "全体(&F)" on the zoom button when zoomed, "拡大(&Z)" otherwise.
    void setZoomed(bool zoomed);

signals:
    void nextPageClicked();
    void previousPageClicked();
    void zoomClicked();
    void closeClicked();

private:
    QPushButton* m_nextButton;
    QPushButton* m_previousButton;
    QLabel* m_pageLabel;
    QPushButton* m_zoomButton;
};

} // namespace vantolex
