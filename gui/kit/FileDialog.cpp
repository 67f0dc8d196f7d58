#include "gui/kit/FileDialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include <optional>

namespace vantolex {

namespace {

struct Seam
{
    std::optional<QStringList> nextPaths;
    FileDialog::Request lastRequest;
};

Seam& seam()
{
    static Seam instance;
    return instance;
}

// Large enough for the detail view to show the size, type and date columns beside a long name.
QSize detailedSize(const QFileDialog& dialog)
{
    const QFontMetrics metrics = dialog.fontMetrics();
    return dialog.sizeHint().expandedTo(QSize(metrics.averageCharWidth() * 120, metrics.height() * 32));
}

// The size, type and date columns of the detail view as wide as what they show; the name takes the rest.
void showWholeColumns(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView")); // Qt's name for its detail view
    if (!view)
        return;
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

} // namespace

QStringList FileDialog::getOpenFileNames(QWidget* parent, const QString& caption,
                                         const std::vector<NameFilter>& filters)
{
    Seam& test = seam();
    test.lastRequest = { caption, filters };
    if (test.nextPaths) {
        QStringList paths = std::move(*test.nextPaths);
        test.nextPaths.reset();
        return paths;
    }

    // Qt takes the patterns from the last parentheses of an entry and, with the details hidden, shows the
    // text before them. So "全てのファイル(*.*) (*)" is shown as "全てのファイル(*.*)" and lists every file,
    // where "*.*" alone would hide the names without a dot.
    QStringList entries;
    for (const NameFilter& filter : filters)
        entries.append(filter.text + QStringLiteral(" (") + filter.patterns + QLatin1Char(')'));

    QFileDialog dialog(parent, caption);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(entries);
    dialog.resize(detailedSize(dialog));
    showWholeColumns(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void FileDialog::setNextFileNames(QStringList paths)
{
    seam().nextPaths = std::move(paths);
}

const FileDialog::Request& FileDialog::lastRequest()
{
    return seam().lastRequest;
}

} // namespace vantolex
