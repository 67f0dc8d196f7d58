// Every file-open dialog of the program goes through here: Qt's own dialog (the same on every desktop), for
// existing files, several at a time, and a seam through which widget tests choose the files.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace vantolex {

class FileDialog
{
public:
    // One entry of the file-type list: the text shown, and the name patterns it lets through, separated by
    // spaces ("*" for every file, also names without a dot). The text is shown exactly as given.
    struct NameFilter
    {
        QString text;
        QString patterns;
    };

    // The files chosen, in the dialog's order, as full paths; empty when the dialog is cancelled.
    static QStringList getOpenFileNames(QWidget* parent, const QString& caption,
                                        const std::vector<NameFilter>& filters);

    // Tests: the next getOpenFileNames opens no window and returns `paths` (empty: as if cancelled). The
    // caption and filters it was asked for are kept for lastRequest().
    static void setNextFileNames(QStringList paths);

    struct Request
    {
        QString caption;
        std::vector<NameFilter> filters;
    };
    static const Request& lastRequest();
};

} // namespace vantolex
