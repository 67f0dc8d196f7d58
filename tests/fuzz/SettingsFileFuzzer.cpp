// Any bytes as VANTOLEX.DAT, and as VANTOLEX.CNF without a VANTOLEX.DAT: loading never fails and always ends
// in a usable store (valid current settings, valid presets with trimmed, non-empty names), and what it
// saves reads back to the same bytes.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "base/Utf16.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsStore.h"

namespace {

using namespace vantolex;

class MemoryFileSystem : public SettingsFileSystem
{
public:
    std::map<std::filesystem::path, std::string> files;

    SettingsFileRead readFile(const std::filesystem::path& path) override
    {
        SettingsFileRead read;
        const auto found = files.find(path);
        if (found == files.end())
            return read;
        read.status = SettingsFileRead::Status::Read;
        read.bytes = found->second;
        return read;
    }
    int replaceFile(const std::filesystem::path& path, std::string_view bytes) override
    {
        files[path] = std::string(bytes);
        return 0;
    }
    bool removeFile(const std::filesystem::path& path) override { return files.erase(path) == 1; }
    int keepAs(const std::filesystem::path& path, const std::filesystem::path& backup) override
    {
        if (files.count(backup) == 1)
            return EEXIST;
        files[backup] = files.at(path);
        return 0;
    }
    std::filesystem::path resolve(const std::filesystem::path& path) override { return path; }
    SettingsLock lock(const std::filesystem::path&) override { return {}; }
};

const std::filesystem::path datPath = "/settings/VANTOLEX.DAT";
const std::filesystem::path cnfPath = "/settings/VANTOLEX.CNF";

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkUsable(const SettingsStore& store)
{
    check(isValid(store.currentSettings));
    for (const Preset& preset : store.presets()) {
        check(!preset.name.empty());
        check(!isWhiteSpace(preset.name.front()) && !isWhiteSpace(preset.name.back()));
        check(isValid(preset.settings));
    }
}

// Saves `store` into a fresh file (the tool keeps a file it could not read wholly), reads the result back and
// saves that again: the two files must be equal.
void checkRoundTrip(SettingsStore& store, MemoryFileSystem& files)
{
    files.files.erase(datPath);
    if (store.save() != SaveResult::Saved)
        return; // a text that code page 932 cannot hold again: the save is refused as a whole
    const std::string first = files.files.at(datPath);
    SettingsStore reread(datPath, SettingsAccess::ReadOnly, files);
    checkUsable(reread);
    check(reread.presets().size() == store.presets().size());
    check(reread.save() == SaveResult::Saved);
    check(files.files.at(datPath) == first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        MemoryFileSystem files;
        files.files[datPath] = bytes;
        SettingsStore store(datPath, SettingsAccess::ReadOnly, files);
        checkUsable(store);
        checkRoundTrip(store, files);
    }
    {
        MemoryFileSystem files;
        files.files[cnfPath] = bytes;
        SettingsStore store(datPath, SettingsAccess::ReadWrite, files);
        checkUsable(store);
        check(store.presets().size() == 1 && files.files.count(cnfPath) == 0);
    }
    return 0;
}
