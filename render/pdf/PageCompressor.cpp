#include "render/pdf/PageCompressor.h"

#include <memory>
#include <vector>

#include <libdeflate.h>

namespace vantolex {

namespace {

struct CompressorDeleter
{
    void operator()(libdeflate_compressor* compressor) const noexcept { libdeflate_free_compressor(compressor); }
};
using CompressorPtr = std::unique_ptr<libdeflate_compressor, CompressorDeleter>;

std::string compressWith(libdeflate_compressor* compressor, std::string_view data)
{
    std::string out(libdeflate_zlib_compress_bound(compressor, data.size()), '\0');
    const std::size_t size = libdeflate_zlib_compress(compressor, data.data(), data.size(), out.data(), out.size());
    out.resize(size);
    return out;
}

// Pages are compressed fast: the content of a dense page compresses to about a fifth even so.
constexpr int pageLevel = 1;

} // namespace

std::string compressZlib(std::string_view data, int level)
{
    CompressorPtr compressor(libdeflate_alloc_compressor(level));
    return compressWith(compressor.get(), data);
}

PageCompressor::PageCompressor()
    : m_worker([this] { work(); })
{
}

PageCompressor::~PageCompressor()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void PageCompressor::submit(std::string content)
{
    {
        std::lock_guard lock(m_mutex);
        m_pages.push_back({ std::move(content), {}, false });
    }
    m_wake.notify_one();
}

std::optional<std::string> PageCompressor::next(bool wait)
{
    std::unique_lock lock(m_mutex);
    if (m_pages.empty()) {
        return std::nullopt;
    }
    if (!m_pages.front().done) {
        if (!wait) {
            return std::nullopt;
        }
        m_done.wait(lock, [this] { return m_pages.front().done; });
    }
    std::string compressed = std::move(m_pages.front().compressed);
    m_pages.pop_front();
    --m_nextToCompress;
    return compressed;
}

std::size_t PageCompressor::outstanding() const
{
    std::lock_guard lock(m_mutex);
    return m_pages.size();
}

void PageCompressor::clear()
{
    std::unique_lock lock(m_mutex);
    // Pages the worker is compressing stay until it is done with them.
    m_done.wait(lock, [this] {
        for (std::size_t i = 0; i < m_nextToCompress; ++i) {
            if (!m_pages[i].done) {
                return false;
            }
        }
        return true;
    });
    m_pages.clear();
    m_nextToCompress = 0;
}

void PageCompressor::work()
{
    CompressorPtr compressor(libdeflate_alloc_compressor(pageLevel));
    std::vector<Page*> batch;
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_stopping || m_nextToCompress < m_pages.size(); });
        if (m_stopping) {
            return;
        }
        batch.clear();
        for (; m_nextToCompress < m_pages.size(); ++m_nextToCompress) {
            batch.push_back(&m_pages[m_nextToCompress]); // deque elements stay put while others are added
        }
        lock.unlock();
        for (Page* page : batch) {
            std::string compressed = compressWith(compressor.get(), page->content);
            std::string().swap(page->content);
            std::lock_guard done(m_mutex);
            page->compressed = std::move(compressed);
            page->done = true;
            m_done.notify_all();
        }
        lock.lock();
    }
}

} // namespace vantolex
