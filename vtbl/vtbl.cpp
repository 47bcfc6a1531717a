// SPDX-License-Identifier: GPL-2.0-or-later
#include "vtbl.h"

#include "KingJamesCounts.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int kRows = 68;
constexpr int kColumns = 152;
constexpr std::size_t kFileSize = std::size_t{kRows} * kColumns * 2;

using Table = std::vector<unsigned char>;

void put(Table& bytes, int row, int column, int value)
{
    // Little-endian on every host, so the file is the same wherever it was built.
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    const std::size_t at = (std::size_t(row) * kColumns + std::size_t(column)) * 2;
    bytes[at] = static_cast<unsigned char>(v & 0xFF);
    bytes[at + 1] = static_cast<unsigned char>(v >> 8);
}

Table makeTable()
{
    Table bytes(kFileSize, 0);
    for (int book = 0; book < vtbl::kBookCount; ++book) {
        const int chapters = vtbl::chapterCount(book);
        put(bytes, 0, book + 1, chapters);
        for (int c = 0; c < chapters; ++c)
            put(bytes, book + 1, c + 1, vtbl::kVerseCounts[book][c]);
    }
    return bytes;
}

std::filesystem::path fromUtf8(const std::string& s)
{
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

// Unique per call so two builders writing the same folder do not share a temp file.
std::string tempSuffix()
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return ".tmp" + std::to_string(ticks) + "_" + std::to_string(counter++);
}

// Every byte written, flushed and on disk, and the file closed: only then
// may the temporary file replace an older table.
bool writeAndSync(const std::filesystem::path& path, const Table& bytes)
{
#ifdef _WIN32
    std::FILE* out = _wfopen(path.c_str(), L"wb");
#else
    std::FILE* out = std::fopen(path.c_str(), "wb");
#endif
    if (!out)
        return false;
    bool ok =
        std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
#ifdef _WIN32
    ok = ok && _commit(_fileno(out)) == 0;
#else
    ok = ok && fdatasync(fileno(out)) == 0;
#endif
    return std::fclose(out) == 0 && ok;
}

void build(const char* dir)
{
    std::string folder(dir);
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';

    const std::filesystem::path target = fromUtf8(folder + "qvedval.dta");
    const std::filesystem::path temp = fromUtf8(folder + "qvedval.dta" + tempSuffix());

    const Table bytes = makeTable();

    std::error_code ec;
    if (!writeAndSync(temp, bytes)) {
        std::filesystem::remove(temp, ec);
        return;
    }
    std::filesystem::rename(temp, target, ec);
    if (ec)
        std::filesystem::remove(temp, ec);
}

} // namespace

extern "C" VTBL_API void BuildValDtaFile(const char* dir)
{
    if (dir == nullptr)
        return;
    try {
        build(dir);
    } catch (...) {
        // Nothing may cross the C boundary; a missing file reports the failure.
    }
}
