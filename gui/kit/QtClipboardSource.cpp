#include "gui/kit/QtClipboardSource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "gui/kit/QtText.h"

namespace vantolex {

ClipboardSource::Data QtClipboardSource::unicodeText()
{
    if (!hasText())
        return { Status::NoText, {} };
    std::u16string units = toU16(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    units.push_back(u'\0');
    return { Status::Ok, std::move(units) };
}

bool QtClipboardSource::hasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasText();
}

} // namespace vantolex
