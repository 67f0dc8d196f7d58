#include "gui/preview/PreviewPageArea.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/Errors.h"
#include "gui/kit/QtText.h"

namespace vantolex {

namespace {

// A drawn sheet larger than this many screen pixels is drawn part by part, as much as the area shows.
constexpr std::int64_t maxSheetPixels = 24 * 1024 * 1024;

// Cairo leaves the fourth byte of its RGB pixels undefined; Qt's RGB32 wants it 0xff.
QImage toQImage(const PreviewImage::Pixels& pixels, double pixelRatio)
{
    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image; // no memory for it
    }
    for (int y = 0; y < pixels.height; ++y) {
        const unsigned char* from = pixels.data + static_cast<std::ptrdiff_t>(y) * pixels.stride;
        auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < pixels.width; ++x) {
            std::uint32_t value;
            std::memcpy(&value, from + 4 * x, sizeof value);
            to[x] = value | 0xff000000u;
        }
    }
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

} // namespace

PreviewPageArea::PreviewPageArea(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("pageArea"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageArea::setPage(const PageStore* store, const PageLayout* layout, int index)
{
    if (store != m_store || layout != m_layout || index != m_page) {
        m_drawn = {};
    }
    m_store = store;
    m_layout = layout;
    m_page = index;
    m_failed = false;
    m_wheelTurn = 0;
    if (m_zoomed) {
        updateScrollBars();
    }
    viewport()->update();
}

void PreviewPageArea::setZoomed(bool zoomed)
{
    m_zoomed = zoomed;
    m_drawn = {};
    const Qt::ScrollBarPolicy policy = zoomed ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    if (zoomed) {
        updateScrollBars();
    }
    viewport()->update();
}

void PreviewPageArea::dropImage()
{
    m_drawn = {};
}

void PreviewPageArea::updateScrollBars()
{
    if (!m_layout) {
        return;
    }
    const ScrollAxis across = horizontalScroll(*m_layout, viewport()->width());
    const ScrollAxis down = verticalScroll(*m_layout, viewport()->height());
    horizontalScrollBar()->setRange(0, across.maximum);
    horizontalScrollBar()->setPageStep(across.pageStep);
    horizontalScrollBar()->setSingleStep(across.singleStep);
    verticalScrollBar()->setRange(0, down.maximum);
    verticalScrollBar()->setPageStep(down.pageStep);
    verticalScrollBar()->setSingleStep(down.singleStep);
}

ViewMapping PreviewPageArea::mapping() const
{
    if (!m_layout) {
        return {};
    }
    if (m_zoomed) {
        return zoomMapping(*m_layout, scrollPixels(horizontalScrollBar()->value(), m_layout->dpiX),
                           scrollPixels(verticalScrollBar()->value(), m_layout->dpiY));
    }
    return fitMapping(*m_layout, viewport()->width(), viewport()->height());
}

const QImage& PreviewPageArea::imageFor(const ViewMapping& mapping, const QRect& visible, double pixelRatio)
{
    const bool same = m_drawn.page == m_page && m_drawn.scaleX == mapping.scaleX && m_drawn.scaleY == mapping.scaleY
        && m_drawn.sheetWidth == mapping.sheetWidth && m_drawn.sheetHeight == mapping.sheetHeight
        && m_drawn.pixelRatio == pixelRatio && m_drawn.part.contains(visible) && !m_drawn.image.isNull();
    if (same) {
        return m_drawn.image;
    }
    m_drawn = {};
    const double physical = static_cast<double>(mapping.sheetWidth) * mapping.sheetHeight * pixelRatio * pixelRatio;
    const QRect part = physical <= static_cast<double>(maxSheetPixels)
        ? QRect(0, 0, mapping.sheetWidth, mapping.sheetHeight)
        : visible;
    const PreviewImage drawn = drawPreviewPage(*m_store, *m_layout, m_page, mapping,
                                               { part.x(), part.y(), part.width(), part.height() }, pixelRatio);
    const PreviewImage::Pixels pixels = drawn.pixels();
    QImage image = pixels.data ? toQImage(pixels, pixelRatio) : QImage();
    if (image.isNull()) {
        return m_drawn.image; // no memory for the image: the page stays grey
    }
    m_drawn.page = m_page;
    m_drawn.scaleX = mapping.scaleX;
    m_drawn.scaleY = mapping.scaleY;
    m_drawn.sheetWidth = mapping.sheetWidth;
    m_drawn.sheetHeight = mapping.sheetHeight;
    m_drawn.pixelRatio = pixelRatio;
    m_drawn.part = part;
    m_drawn.image = std::move(image);
    return m_drawn.image;
}

void PreviewPageArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const Rgb grey = previewBackground;
    painter.fillRect(event->rect(), QColor(grey.red, grey.green, grey.blue));
    if (!m_store || !m_layout || m_page < 0 || m_failed) {
        return;
    }
    const ViewMapping view = mapping();
    const QRect sheet(view.offsetX, view.offsetY, view.sheetWidth, view.sheetHeight);
    const QRect visible = sheet.intersected(viewport()->rect());
    if (visible.isEmpty()) {
        return;
    }
    try {
        const QImage& image = imageFor(view, visible.translated(-sheet.topLeft()), devicePixelRatioF());
        painter.drawImage(sheet.topLeft() + m_drawn.part.topLeft(), image);
    } catch (const Exception& failure) {
        m_failed = true;
        m_drawn = {};
        emit paintFailed(toQString(failure.message));
    }
}

void PreviewPageArea::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // The whole-page view is fitted anew when it is painted.
    if (m_zoomed) {
        updateScrollBars();
    }
}

void PreviewPageArea::scrollContentsBy(int, int)
{
    viewport()->update();
}

bool PreviewPageArea::handleKey(int key)
{
    if (m_zoomed) {
        QScrollBar* across = horizontalScrollBar();
        QScrollBar* down = verticalScrollBar();
        switch (key) {
        case Qt::Key_Left:
            across->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Right:
            across->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_Up:
            down->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Down:
            down->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_PageUp:
            down->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Qt::Key_PageDown:
            down->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Qt::Key_Home:
            down->setValue(0);
            return true;
        case Qt::Key_End:
            down->setValue(m_layout ? m_layout->pageHeight : 0); // clamped to the last position
            return true;
        default:
            return false;
        }
    }
    if (!m_store) {
        return false;
    }
    switch (key) {
    case Qt::Key_PageDown:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (m_page + 1 < m_store->pageCount()) {
            emit pageRequested(m_page + 1);
        }
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (m_page > 0) {
            emit pageRequested(m_page - 1);
        }
        return true;
    case Qt::Key_Home:
        emit pageRequested(0);
        return true;
    case Qt::Key_End:
        emit pageRequested(m_store->pageCount() - 1);
        return true;
    default:
        return false;
    }
}

void PreviewPageArea::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || !handleKey(event->key())) {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void PreviewPageArea::wheelEvent(QWheelEvent* event)
{
    if (m_zoomed) {
        // The scroll bars take it: the wheel's usual lines per notch, each a line step.
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    if (!m_store) {
        return;
    }
    // One page per notch (120 eighths of a degree); finer wheels gather their steps.
    m_wheelTurn += event->angleDelta().y();
    const int notches = m_wheelTurn / 120;
    if (notches != 0) {
        m_wheelTurn -= notches * 120;
        const int target = std::clamp(m_page - notches, 0, std::max(0, m_store->pageCount() - 1));
        if (target != m_page) {
            emit pageRequested(target);
        }
    }
    event->accept();
}

} // namespace vantolex
