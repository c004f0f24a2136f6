#include "platform/replace_file.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>

#include "platform/file.h"
#include "platform/replace_file_system.h"

using file_replacement::CreateExclusively;
using file_replacement::MoveOver;

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

TFileReplacement::TFileReplacement(const std::string& target) : target_(target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".~%08x.tmp", static_cast<unsigned>(NextNameNumber()));
        std::string candidate = target + suffix;
        bool taken = false;
        stream_ = CreateExclusively(candidate, taken);
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

void TFileReplacement::Discard() {
    if (stream_ != nullptr)
        std::fclose(std::exchange(stream_, nullptr));
    if (!temporary_.empty())
        RemoveFile(std::exchange(temporary_, std::string()));
}

bool TFileReplacement::Commit() {
    if (stream_ == nullptr)
        return false;
    std::FILE* stream = std::exchange(stream_, nullptr);
    // A short write leaves the stream's error set, so writers need not check each fwrite.
    bool ok = std::fflush(stream) == 0 && !std::ferror(stream);
    ok = std::fclose(stream) == 0 && ok;
    if (ok && MoveOver(temporary_, target_)) {
        temporary_.clear();
        return true;
    }
    Discard();
    return false;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    TFileReplacement replacement(path);
    if (replacement.Stream() == nullptr)
        return false;
    std::fwrite(bytes.data(), 1, bytes.size(), replacement.Stream());
    return replacement.Commit();
}
