// What the main dialog's test classes share: a dialog opened on a settings file with files of the command
// line, its controls by name, and small text files to give it.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

#include "gui/main/MainDialog.h"

namespace vantolex {

// The main dialog on `settingsFile`, `files` added as the command line adds them, shown.
inline std::unique_ptr<MainDialog> showMainDialog(PrinterDialogs& printers, const std::filesystem::path& settingsFile,
                                                  const QStringList& files)
{
    auto dialog = std::make_unique<MainDialog>(printers, systemClock(), settingsFile);
    for (const QString& file : files)
        dialog->addFile(file.toStdString());
    dialog->show();
    return dialog;
}

// The child of `dialog` called `name`; the test ends when there is none.
template <typename T> T* namedChild(const QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// A file `name` in `folder` holding one line; its full path.
inline QString writeLineFile(const QTemporaryDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write("line\n");
    return path;
}

} // namespace vantolex
