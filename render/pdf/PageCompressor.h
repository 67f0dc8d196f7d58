// Compresses the content streams of pages (zlib format, a low level of libdeflate) on a worker thread while
// the caller draws the next pages, and hands them back in the order they were given. The worker takes
// every page waiting when it wakes, so that pages go in batches.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace vantolex {

class PageCompressor
{
public:
    PageCompressor();
    ~PageCompressor(); // stops the worker; pages not taken are dropped

    PageCompressor(const PageCompressor&) = delete;
    PageCompressor& operator=(const PageCompressor&) = delete;

    void submit(std::string content);

    // The next page in submission order, compressed; when it is not done yet, waits for it if `wait`, else
    // returns nothing. Nothing as well when no page is outstanding.
    std::optional<std::string> next(bool wait);

    // Pages submitted and not yet taken.
    std::size_t outstanding() const;

    // Drops every outstanding page.
    void clear();

private:
    struct Page
    {
        std::string content;
        std::string compressed;
        bool done = false;
    };

    void work();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // the worker: there is work, or it is to stop
    std::condition_variable m_done; // the caller: a page is done
    std::deque<Page> m_pages;
    std::size_t m_nextToCompress = 0; // index into m_pages of the first page the worker has not taken
    bool m_stopping = false;
    std::thread m_worker;
};

// `data` compressed in the zlib format at `level` (1 fast ... 12 small).
std::string compressZlib(std::string_view data, int level);

} // namespace vantolex
