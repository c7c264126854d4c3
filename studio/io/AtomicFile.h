// Files written completely or not at all: the bytes go to a temporary file in
// the target's folder, which replaces the target by a rename only once every
// byte is on disk. A reader never sees a half-written file, and a failure
// leaves the target as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace studio {

class AtomicFile {
public:
    // Creates the temporary file at once, so that an unwritable target (a
    // missing folder, no permission) is found before any work is done.
    // Throws InputError naming the target.
    explicit AtomicFile(std::filesystem::path target);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    // Flushes the bytes to disk and renames the temporary file over the target.
    void commit();

    const std::filesystem::path& target() const { return target_; }

private:
    [[noreturn]] void fail(const std::string& what);
    void discard() noexcept;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

// One whole file in one step.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace studio
