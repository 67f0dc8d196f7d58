// Header and footer templates: one scan of a template into terms (Term.h).
//
// A template is plain text with escapes: "&w" the file name (last path component of the title), "&f" the
// whole title, "&d" the local date (2026/12/07), "&t" the local time (09:05:03), "&p" the page number, "&P"
// the total page count and "&&" one "&". Any other "&x", and an "&" at the end, stay as they are. Escape
// letters are case-sensitive. The date and time are fixed when the template is parsed.
//
// Library: vantolex_layout_text. The built-in templates are layoutText::fileNameTemplate ("【 &w 】") and
// layoutText::pageNumberTemplate ("- &p -") in layout/LayoutMessages.h.
#pragma once

#include <string_view>

#include "layout/Clock.h"
#include "layout/Term.h"

namespace vantolex {

struct PrintSettings;

// Appends the terms of `templateText` to `list`: literal runs as TermString (never an empty one), "&w" as
// `fileName`, "&f" as `title`, "&d" and "&t" as the date and time that `clock` gives (read at most once per
// call; an empty text when the clock fails), "&p" as TermPage, "&P" as TermTotalPage. A U+0000 ends the
// template as its end does. An empty template appends nothing.
void parseTemplate(std::u16string_view templateText, TermList& list, std::u16string_view title,
                   std::u16string_view fileName, const Clock& clock);

// True when settings.useHeaderFooter is set and one of the six templates holds "&P" (the built-in templates
// never do). Only then must the whole document be laid out before the first page is drawn.
bool needsTotalPages(const PrintSettings& settings);

} // namespace vantolex
