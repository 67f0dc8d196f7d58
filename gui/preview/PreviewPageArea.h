// The page area of the preview window, below the bar: the grey background and one page drawn as on paper,
// fitted into the area or zoomed with scroll bars whose positions count printer pixels.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>

#include "layout/PageLayout.h"
#include "layout/PageStore.h"
#include "layout/PreviewView.h"
#include "render/cairo/PreviewPage.h"

namespace vantolex {

class PreviewPageArea final : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PreviewPageArea(QWidget* parent);

    // Page `index` (0-based, -1 for none) of `store`, laid out by `layout`; both must outlive their use here
    // (until the next call). Repaints.
    void setPage(const PageStore* store, const PageLayout* layout, int index);
    // The zoomed view with scroll bars, or the whole page without them.
    void setZoomed(bool zoomed);
    // Forgets the drawn page (the window was closed).
    void dropImage();

    // Scrolls (zoomed) or turns pages (whole page) for the keys Page Up/Down, Home/End and the arrows. False
    // for any other key.
    bool handleKey(int key);

    // Where the sheet lies in the viewport now.
    ViewMapping mapping() const;

signals:
    // Turn to page `index`; clamped by the window.
    void pageRequested(int index);
    // Drawing the page failed with `message`. Emitted from inside the paint handler: connect it queued.
    void paintFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    // The drawn page for `mapping`, covering at least `visible` (sheet pixels); drawn anew when needed.
    // Throws what drawing the page throws.
    const QImage& imageFor(const ViewMapping& mapping, const QRect& visible, double pixelRatio);

    const PageStore* m_store = nullptr;
    const PageLayout* m_layout = nullptr;
    int m_page = -1;
    bool m_zoomed = false;
    bool m_failed = false; // drawing this page failed; nothing more is drawn until the next page is set
    int m_wheelTurn = 0; // wheel angle gathered towards the next page turn, whole-page view

    // The last page drawn: which, at what scale, what part of the sheet.
    struct Drawn
    {
        int page = -1;
        double scaleX = 0;
        double scaleY = 0;
        int sheetWidth = 0;
        int sheetHeight = 0;
        double pixelRatio = 0;
        QRect part; // in sheet pixels
        QImage image;
    };
    Drawn m_drawn;
};

} // namespace vantolex
