// Opens the preview window on generated Japanese text, for a person (or a screenshot) to look at.
//
// Usage: vantolex_preview_sample [--vertical] [--zoom] [--page N] [--scroll X,Y] [--size W,H]
//   --page N      the page shown (1-based)
//   --scroll X,Y  zoomed view: the scroll positions in printer pixels
//   --size W,H    the window's size in pixels
#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>

#include <cstdio>

#include "bench/layout/PreviewDocument.h"
#include "gui/preview/PreviewPageArea.h"
#include "gui/preview/PreviewWindow.h"
#include "render/fonts/FontCatalogue.h"

using namespace vantolex;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    bool vertical = false;
    bool zoom = false;
    int page = 1;
    QPoint scroll;
    QSize size;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString value = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (argument == QLatin1String("--vertical")) {
            vertical = true;
        } else if (argument == QLatin1String("--zoom")) {
            zoom = true;
        } else if (argument == QLatin1String("--page")) {
            page = value.toInt();
            ++i;
        } else if (argument == QLatin1String("--scroll")) {
            scroll
                = QPoint(value.section(QLatin1Char(','), 0, 0).toInt(), value.section(QLatin1Char(','), 1, 1).toInt());
            ++i;
        } else if (argument == QLatin1String("--size")) {
            size = QSize(value.section(QLatin1Char(','), 0, 0).toInt(), value.section(QLatin1Char(','), 1, 1).toInt());
            ++i;
        } else {
            std::fprintf(stderr,
                         "usage: vantolex_preview_sample [--vertical] [--zoom] [--page N] [--scroll X,Y] "
                         "[--size W,H]\n");
            return 64;
        }
    }

    FontCatalogue catalogue;
    PrintSettings settings;
    settings.vertical = vertical;
    settings.columnSeparator = true;
    settings.lineNumberInterval = 5;
    settings.useHeaderFooter = true;
    settings.headerLeft = u"&f";
    settings.headerRight = u"&d &t";
    settings.footerCenter = u"- &p / &P -";
    settings.fontDescriptor
        = catalogue.selectFont(false, vertical, settings.language, vertical ? u"@ＭＳ 明朝" : u"ＭＳ 明朝").description;
    PreviewDocument document;
    layOutSample(document, settings, 5);

    QDialog mainDialog;
    PreviewWindow window(&mainDialog);
    window.showPages(std::move(document.store), document.layout);
    if (size.isValid())
        window.resize(size);
    window.showPage(page - 1);
    if (zoom) {
        window.toggleZoom();
        // Once the scroll bars have taken their room.
        QTimer::singleShot(100, &window, [&window, scroll] {
            window.pageArea()->horizontalScrollBar()->setValue(scroll.x());
            window.pageArea()->verticalScrollBar()->setValue(scroll.y());
        });
    }
    application.setQuitOnLastWindowClosed(true);
    return application.exec();
}
