// The page count of vantolex-print, shown on standard error while it prints to a terminal.
#pragma once

#include <functional>
#include <iosfwd>

namespace vantolex {

// Shows the number of each page started, on one terminal line.
class Progress
{
public:
    // `shown`: whether the count is written at all.
    Progress(std::ostream& err, bool shown);
    ~Progress() { finish(); }

    // Ends the line of the page count, so that messages can follow.
    void finish();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // What a device calls with the number of each page it starts; empty when the count is not shown.
    std::function<void(int)> callback();

private:
    std::ostream& m_err;
    bool m_shown;
    int m_pages = 0;
};

} // namespace vantolex
