#include "platform/replace_file.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>

#include "platform/file.h"
#include "platform/replace_file_system.h"

namespace {

// Names differ between calls and between programs writing at the same moment; exclusive
// creation settles any clash that remains.
uint32_t NextNameNumber() {
    static std::atomic<uint64_t> serial{0};
    static const int here = 0;
    uint64_t x =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        reinterpret_cast<uintptr_t>(&here) ^ (serial++ * 0x9E3779B97F4A7C15u);
    // splitmix64's finaliser spreads every input bit over the number.
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return static_cast<uint32_t>(x ^ (x >> 31));
}

} // namespace

namespace file_replacement {

bool IsTemporarySuffix(std::string_view suffix) {
    if (suffix.size() != TemporarySuffixLength || suffix.substr(0, 2) != ".~" ||
        suffix.substr(10) != ".tmp")
        return false;
    for (const char c : suffix.substr(2, 8))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

size_t FileNameStart(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

} // namespace file_replacement

TFileReplacement::TFileReplacement(const std::string& target, file_replacement::TSystem& system)
    : system_(system), target_(target) {
    RemoveLeftovers();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".~%08x.tmp", static_cast<unsigned>(NextNameNumber()));
        std::string candidate = target + suffix;
        bool taken = false;
        stream_ = system_.CreateExclusively(candidate, taken);
        if (stream_ != nullptr) {
            temporary_ = std::move(candidate);
            return;
        }
        if (!taken)
            return;
    }
}

TFileReplacement::~TFileReplacement() {
    Discard();
}

void TFileReplacement::RemoveLeftovers() {
    // One held open belongs to a replacement under way, in this process or another.
    for (const std::string& left : system_.TemporaryFilesOf(target_))
        system_.RemoveUnlessOpen(left);
}

void TFileReplacement::Discard() {
    if (stream_ != nullptr)
        std::fclose(std::exchange(stream_, nullptr));
    if (!temporary_.empty())
        RemoveFile(std::exchange(temporary_, std::string()));
}

bool TFileReplacement::Commit() {
    if (stream_ == nullptr)
        return false;
    // A short write leaves the stream's error set, so writers need not check each fwrite. The
    // data goes to the disk before the rename: NTFS journals names, not data, so a power
    // cut after a rename of unwritten data leaves a file of zeros or one cut short.
    if (std::fflush(stream_) != 0 || std::ferror(stream_) || !system_.FlushToDisk(stream_) ||
        !system_.MoveOver(temporary_, target_)) {
        Discard();
        return false;
    }
    // Open until it is in the target's place, so that no other replacement takes it for a
    // leftover meanwhile. Its data is on the disk: closing cannot lose any.
    temporary_.clear();
    std::fclose(std::exchange(stream_, nullptr));
    return true;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    TFileReplacement replacement(path);
    if (replacement.Stream() == nullptr)
        return false;
    std::fwrite(bytes.data(), 1, bytes.size(), replacement.Stream());
    return replacement.Commit();
}
