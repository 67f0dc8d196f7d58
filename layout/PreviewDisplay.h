// What the preview output needs of the preview window, so that the output stays free of any window system.
#pragma once

#include <memory>

#include "layout/PageLayout.h"
#include "layout/PageStore.h"

namespace vantolex {

class PreviewDisplay
{
public:
    virtual ~PreviewDisplay() = default;

    // Takes the completed pages of a preview run (releasing the pages shown before), keeps its own copy of
    // `layout`, and shows page 1 in the whole-page view, opening the window when it is not open.
    virtual void showPages(std::unique_ptr<PageStore> store, const PageLayout& layout) = 0;

    // A later preview run failed after its output existed: closes the window, later and only if it is open.
    virtual void closeWindow() = 0;
};

} // namespace vantolex
