// The preview window as a person uses it: turning pages, zooming, a second preview, closing, the box about a
// page that cannot be drawn, and the window working while the main dialog runs modally.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "gui/kit/MessageBox.h"
#include "gui/preview/PreviewPageArea.h"
#include "gui/preview/PreviewWindow.h"
#include "render/cairo/CairoImageDevice.h"
#include "render/cairo/PreviewPage.h"
#include "render/fonts/FontCatalogue.h"
#include "support/PostedEvents.h"

namespace vantolex {

namespace {

// The layout of the default settings (2 columns of 96 cells) on an A4-sized 600-dpi printer.
PageLayout sampleLayout()
{
    FontCatalogue catalogue;
    PrintSettings settings;
    settings.showPageNumber = true;
    settings.fontDescriptor = catalogue.selectFont(false, false, settings.language, settings.fontName).description;
    CairoImageDevice printer(1, 1, { 4724, 6779, 600, 600 });
    return computeLayout(printer, settings, u"sample.txt", systemClock());
}

// `count` pages of three lines each.
std::unique_ptr<PageStore> samplePages(int count)
{
    auto store = std::make_unique<PageStore>();
    for (int page = 0; page < count; ++page) {
        store->addPageBoundary();
        for (int line = 0; line < 3; ++line)
            store->addLine(0, line, u"吾輩は猫である。名前はまだ無い。████████");
    }
    store->addPageBoundary();
    return store;
}

QString labelText(const PreviewWindow& window)
{
    return window.findChild<QLabel*>(QStringLiteral("pageLabel"))->text();
}

QPushButton* button(const PreviewWindow& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class PreviewWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesTurnAndTheBarFollows();
    void drawsTheSheetOnGrey();
    void keysAndWheelTurnPagesOrScroll();
    void secondPreviewReturnsToPageOneWholePage();
    void closeRequestClosesOnlyAnOpenWindow();
    void paintFailureBoxOnceWindowClosedEachTime();
    void usableWhileTheMainDialogIsModal();

private:
    PageLayout m_layout;
    std::unique_ptr<QDialog> m_mainDialog;
    PreviewWindow* m_window = nullptr;
};

void PreviewWindowTest::initTestCase()
{
    MessageBox::setHeadless(true);
    m_layout = sampleLayout();
    if (m_layout.font.faceName.empty())
        QSKIP("no fixed-pitch Japanese font installed");
}

void PreviewWindowTest::init()
{
    m_mainDialog = std::make_unique<QDialog>();
    m_window = new PreviewWindow(m_mainDialog.get());
    MessageBox::takeRecords();
}

void PreviewWindowTest::cleanup()
{
    m_mainDialog.reset(); // destroys the preview window with it
    m_window = nullptr;
}

void PreviewWindowTest::pagesTurnAndTheBarFollows()
{
    QPushButton* next = button(*m_window, "nextPageButton");
    QPushButton* previous = button(*m_window, "previousPageButton");

    m_window->showPages(samplePages(1), m_layout);
    QCOMPARE(labelText(*m_window), QStringLiteral("1/1"));
    QVERIFY(!next->isEnabled());
    QVERIFY(!previous->isEnabled());

    m_window->showPages(samplePages(5), m_layout);
    QCOMPARE(labelText(*m_window), QStringLiteral("1/5"));
    next->click();
    next->click();
    QCOMPARE(labelText(*m_window), QStringLiteral("3/5"));
    QVERIFY(next->isEnabled());
    QVERIFY(previous->isEnabled());
    next->click();
    next->click();
    QCOMPARE(labelText(*m_window), QStringLiteral("5/5"));
    QVERIFY(!next->isEnabled());
    QVERIFY(previous->isEnabled());
    previous->click();
    QCOMPARE(m_window->currentPage(), 3);

    // Alt with the underlined letters.
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(m_window->currentPage(), 2);
    QTest::keyClick(m_window, Qt::Key_Z, Qt::AltModifier);
    QTRY_VERIFY(m_window->isZoomed());
    QTest::keyClick(m_window, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(!m_window->isZoomed());
    QTest::keyClick(m_window, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!m_window->isVisible());
}

void PreviewWindowTest::drawsTheSheetOnGrey()
{
    m_window->resize(600, 800);
    m_window->showPages(samplePages(1), m_layout);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    PreviewPageArea* area = m_window->pageArea();
    const QImage shot = area->viewport()->grab().toImage();
    const ViewMapping view = area->mapping();
    const qreal ratio = shot.devicePixelRatio();
    auto at = [&](int x, int y) { return shot.pixelColor(QPoint(qRound(x * ratio), qRound(y * ratio))).rgb(); };

    QVERIFY(view.offsetX > 0); // a tall page in a wider area: grey at the sides
    QCOMPARE(at(view.offsetX / 2, 20), qRgb(127, 127, 127));
    QCOMPARE(at(view.offsetX, view.offsetY + view.sheetHeight / 2), qRgb(0, 0, 255));
    QCOMPARE(at(view.offsetX + view.sheetWidth - 1, view.offsetY + view.sheetHeight / 2), qRgb(0, 0, 255));
    QCOMPARE(at(view.offsetX + view.sheetWidth / 2, view.offsetY + view.sheetHeight / 2), qRgb(255, 255, 255));
    // The full blocks at the end of the first line leave dark pixels where the text area begins.
    const int textTop = view.offsetY + static_cast<int>(m_layout.originY * view.scaleY);
    int dark = 0;
    for (int x = view.offsetX; x < view.offsetX + view.sheetWidth / 2; ++x) {
        for (int y = textTop; y < textTop + 4; ++y)
            dark += qGray(at(x, y)) < 128;
    }
    QVERIFY2(dark > 0, "no text drawn");
}

void PreviewWindowTest::keysAndWheelTurnPagesOrScroll()
{
    m_window->showPages(samplePages(5), m_layout);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    PreviewPageArea* area = m_window->pageArea();

    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(m_window->currentPage(), 1);
    QTest::keyClick(area, Qt::Key_End);
    QCOMPARE(m_window->currentPage(), 4);
    QTest::keyClick(area, Qt::Key_Home);
    QCOMPARE(m_window->currentPage(), 0);
    // Keys the bar's buttons leave alone still reach the page.
    QTest::keyClick(button(*m_window, "zoomButton"), Qt::Key_PageDown);
    QCOMPARE(m_window->currentPage(), 1);
    QWheelEvent notchDown(QPointF(10, 10), area->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &notchDown);
    QCOMPARE(m_window->currentPage(), 2);

    button(*m_window, "zoomButton")->click();
    QVERIFY(m_window->isZoomed());
    QScrollBar* down = area->verticalScrollBar();
    QScrollBar* across = area->horizontalScrollBar();
    QTest::keyClick(area, Qt::Key_Down);
    QCOMPARE(down->value(), m_layout.charHeight);
    QTest::keyClick(area, Qt::Key_Right);
    QCOMPARE(across->value(), m_layout.halfCell);
    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(down->value(), m_layout.charHeight + down->pageStep());
    QCOMPARE(down->pageStep(), area->viewport()->height() * m_layout.dpiY / 128);
    QTest::keyClick(area, Qt::Key_End);
    QCOMPARE(down->value(), m_layout.pageHeight + 1 - down->pageStep());
    QCOMPARE(m_window->currentPage(), 2); // scrolling never turns the page
}

void PreviewWindowTest::secondPreviewReturnsToPageOneWholePage()
{
    m_window->showPages(samplePages(5), m_layout);
    button(*m_window, "nextPageButton")->click();
    button(*m_window, "zoomButton")->click();
    QCOMPARE(button(*m_window, "zoomButton")->text(), QStringLiteral("全体(&F)"));
    QCOMPARE(m_window->pageArea()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    m_window->showPages(samplePages(2), m_layout);
    QCOMPARE(m_window->currentPage(), 0);
    QCOMPARE(labelText(*m_window), QStringLiteral("1/2"));
    QVERIFY(!m_window->isZoomed());
    QCOMPARE(button(*m_window, "zoomButton")->text(), QStringLiteral("拡大(&Z)"));
    QCOMPARE(m_window->pageArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(m_window->pageArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(m_window->isVisible());
}

void PreviewWindowTest::closeRequestClosesOnlyAnOpenWindow()
{
    m_mainDialog->show();
    m_window->closeWindow(); // a failed run before any preview
    QVERIFY(testing::deliverPostedEvents());
    QVERIFY(!m_window->isVisible());

    m_window->showPages(samplePages(3), m_layout);
    QVERIFY(m_window->isVisible());
    m_window->closeWindow();
    QVERIFY(m_window->isVisible()); // posted, not at once
    QTRY_VERIFY(!m_window->isVisible());

    button(*m_window, "nextPageButton")->click(); // the pages stay after closing
    QCOMPARE(labelText(*m_window), QStringLiteral("2/3"));
    m_window->showPages(samplePages(3), m_layout);
    QVERIFY(m_window->isVisible());
    button(*m_window, "closeButton")->click();
    QTRY_VERIFY(!m_window->isVisible());

    m_window->showPages(samplePages(3), m_layout);
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_mainDialog->isVisible()); // Escape ends the preview, not the program
}

void PreviewWindowTest::paintFailureBoxOnceWindowClosedEachTime()
{
    PageLayout unusable = m_layout;
    unusable.font.faceName.clear(); // no font can be made for it

    for (int attempt = 0; attempt < 2; ++attempt) {
        m_window->showPages(samplePages(2), unusable);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTRY_VERIFY(!m_window->isVisible());
    }
    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].caption, QStringLiteral("エラー [Vantolex]"));
    QCOMPARE(boxes[0].text, QStringLiteral("印刷用フォントが作成できませんでした。"));
    QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The next preview that can be drawn shows and stays.
    m_window->showPages(samplePages(2), m_layout);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(testing::deliverPostedEvents()); // nothing posted by the failed preview closes it
    QVERIFY(m_window->isVisible());
}

void PreviewWindowTest::usableWhileTheMainDialogIsModal()
{
    QString labelAfterClick;
    QTimer::singleShot(0, this, [&] {
        m_window->showPages(samplePages(3), m_layout);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // A click as the window system delivers it, which a modal dialog would block for other windows.
        QPushButton* next = button(*m_window, "nextPageButton");
        const QPoint centre = next->mapTo(m_window, next->rect().center());
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        labelAfterClick = labelText(*m_window);
        m_mainDialog->reject();
    });
    m_mainDialog->exec();
    QCOMPARE(labelAfterClick, QStringLiteral("2/3"));
}

} // namespace vantolex

QTEST_MAIN(vantolex::PreviewWindowTest)
#include "PreviewWindowTest.moc"
