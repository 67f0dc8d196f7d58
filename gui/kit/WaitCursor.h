// The sign that the program is busy: the wait cursor over every window while the guard lives.
#pragma once

#include <QApplication>
#include <QCursor>

namespace vantolex {

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace vantolex
