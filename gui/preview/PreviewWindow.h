// The preview window: the pages of the last preview run, one at a time, with a bar to turn pages, zoom and
// close. It belongs to the main dialog, which makes it once and keeps it while it lives; a child window of
// the dialog, so that it stays usable while the dialog runs modally. Closing it hides it; the pages stay
// until the next preview replaces them or the dialog ends.
#pragma once

#include <QWidget>

#include <memory>

#include "layout/PageLayout.h"
#include "layout/PageStore.h"
#include "layout/PreviewDisplay.h"

namespace vantolex {

class PreviewBar;
class PreviewPageArea;

class PreviewWindow final : public QWidget, public PreviewDisplay
{
    Q_OBJECT

public:
    explicit PreviewWindow(QWidget* mainDialog);
    ~PreviewWindow() override;

    // Replaces the pages and the layout, shows page 1 in the whole-page view and opens (or raises) the window.
    void showPages(std::unique_ptr<PageStore> store, const PageLayout& layout) override;
    // Posts a close when the window is open; does nothing otherwise.
    void closeWindow() override;

    // Shows page `index` (0-based) clamped to the pages there are, and sets the bar.
    void showPage(int index);
    void toggleZoom();

    int currentPage() const { return m_currentPage; }
    bool isZoomed() const { return m_zoomed; }
    PreviewPageArea* pageArea() const { return m_area; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setZoomed(bool zoomed);
    void paintFailed(const QString& message);

    PreviewBar* m_bar;
    PreviewPageArea* m_area;
    std::unique_ptr<PageStore> m_store;
    PageLayout m_layout;
    int m_currentPage = 0;
    bool m_zoomed = false;
    bool m_placed = false; // given its first size
};

} // namespace vantolex
