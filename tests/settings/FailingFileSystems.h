// File systems that fail on purpose, for the failure paths of the settings store.
#pragma once

#include <cerrno>
#include <string_view>

#include "settings/SettingsFileSystem.h"

namespace vantolex::test {

// The real file system with a disk that is full after `capacity` bytes of a replacement.
class FullDiskFileSystem : public SystemSettingsFileSystem
{
public:
    explicit FullDiskFileSystem(std::size_t capacity)
        : m_capacity(capacity)
    {
    }

protected:
    int writeAll(int descriptor, std::string_view bytes) override
    {
        if (bytes.size() <= m_capacity)
            return SystemSettingsFileSystem::writeAll(descriptor, bytes);
        SystemSettingsFileSystem::writeAll(descriptor, bytes.substr(0, m_capacity));
        return ENOSPC;
    }

private:
    std::size_t m_capacity;
};

// The real file system in which no file can be deleted.
class UndeletableFileSystem : public SystemSettingsFileSystem
{
public:
    bool removeFile(const std::filesystem::path&) override { return false; }
};

} // namespace vantolex::test
