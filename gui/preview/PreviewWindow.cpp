#include "gui/preview/PreviewWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/kit/KitMessages.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/QtText.h"
#include "gui/preview/PreviewBar.h"
#include "gui/preview/PreviewMessages.h"
#include "gui/preview/PreviewPageArea.h"
#include "layout/PreviewView.h"

namespace vantolex {

namespace {

// Set at the first box about a page that could not be drawn, and never cleared: later failures close the
// window without a box.
bool paintFailureShown = false;

} // namespace

PreviewWindow::PreviewWindow(QWidget* mainDialog)
    : QWidget(mainDialog, Qt::Window)
{
    setObjectName(QStringLiteral("previewWindow"));
    setWindowTitle(toQString(previewText::windowTitle));
    setMinimumSize(450, 200);

    m_bar = new PreviewBar(this);
    m_area = new PreviewPageArea(this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_bar);
    column->addWidget(m_area, 1);

    connect(m_bar, &PreviewBar::nextPageClicked, this, [this] { showPage(m_currentPage + 1); });
    connect(m_bar, &PreviewBar::previousPageClicked, this, [this] { showPage(m_currentPage - 1); });
    connect(m_bar, &PreviewBar::zoomClicked, this, &PreviewWindow::toggleZoom);
    connect(m_bar, &PreviewBar::closeClicked, this,
            [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    connect(m_area, &PreviewPageArea::pageRequested, this, &PreviewWindow::showPage);
    // Never a box from inside the paint handler.
    connect(m_area, &PreviewPageArea::paintFailed, this, &PreviewWindow::paintFailed, Qt::QueuedConnection);

    showPage(0);
    hide(); // made hidden: showing the main dialog does not show it
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showPages(std::unique_ptr<PageStore> store, const PageLayout& layout)
{
    m_store = std::move(store);
    m_layout = layout;
    showPage(0);
    setZoomed(false);
    if (!m_placed) {
        m_placed = true;
        // A tall window that shows a whole portrait page at a readable size.
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const int height = std::max(minimumHeight(), room.height() * 7 / 8);
        resize(std::max(minimumWidth(), std::min(room.width(), height * 3 / 4)), height);
    }
    show();
    raise();
    activateWindow();
    m_area->setFocus();
}

void PreviewWindow::closeWindow()
{
    if (isVisible()) {
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void PreviewWindow::showPage(int index)
{
    const int count = m_store ? m_store->pageCount() : 0;
    m_currentPage = clampPage(index, count);
    m_bar->setState(barState(count, m_currentPage + 1));
    m_area->setPage(m_store.get(), &m_layout, m_currentPage);
}

void PreviewWindow::toggleZoom()
{
    setZoomed(!m_zoomed);
}

void PreviewWindow::setZoomed(bool zoomed)
{
    m_zoomed = zoomed;
    m_bar->setZoomed(zoomed);
    m_area->setZoomed(zoomed);
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    m_area->dropImage();
    event->accept();
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys the bar's buttons leave alone (arrows, Page Up/Down, Home/End) move the page; Escape closes the
    // window as 閉じる does.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
    } else if (event->key() == Qt::Key_Escape) {
        close();
    } else if (!m_area->handleKey(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

void PreviewWindow::paintFailed(const QString& message)
{
    if (!paintFailureShown) {
        paintFailureShown = true;
        MessageBox::show(this, QMessageBox::Warning, toQString(kitText::errorCaption), message);
    }
    close();
}

} // namespace vantolex
