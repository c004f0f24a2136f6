#pragma once

#include <cstdio>
#include <string>

namespace file_replacement {
class TSystem;
TSystem& RealSystem();
} // namespace file_replacement

// New contents for a file, written to a temporary file beside it and then renamed over it, so
// that a crash leaves the old file or the new one, never half of one. The temporary file gets a
// name that no file had (it is created exclusively), so it never takes the place of one of the
// user's, and it is removed on every way out that does not put it in the target's place. Its
// data reaches the disk before the rename: a power cut leaves the old contents or the new ones,
// never a file of zeros or cut short. A temporary file of the target's that a crash left behind,
// and that no process holds open, is removed when the next replacement of the target begins.
class TFileReplacement {
public:
    explicit TFileReplacement(const std::string& target,
                              file_replacement::TSystem& system = file_replacement::RealSystem());
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // Where the new contents go; null when no temporary file could be made there (a missing or
    // read-only folder).
    std::FILE* Stream() const { return stream_; }
    // Empty once the file is gone or in the target's place.
    const std::string& TemporaryPath() const { return temporary_; }
    // Puts what was written in the target's place. False, with the temporary file removed and
    // the target as it was, when a write, the flush to the disk or the rename failed.
    bool Commit();

private:
    void Discard();
    void RemoveLeftovers();

    file_replacement::TSystem& system_;
    std::string target_;
    std::string temporary_;
    std::FILE* stream_ = nullptr;
};

// Replaces a file's contents through a TFileReplacement. Returns false, leaving the old file as
// it was and no temporary file behind, when the new contents could not be written.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);
