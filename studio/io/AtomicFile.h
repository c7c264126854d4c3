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
    // Checks the target at once, so that an unwritable one (a missing folder,
    // no permission, a device) is found before any work is done; the
    // temporary file is made by the first write. A symbolic link is written
    // through. Throws InputError naming the target. While a temporary file
    // exists, SIGINT and SIGTERM remove it (unless the program handles them).
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
    void open();
    [[noreturn]] void fail(const std::string& what);
    void discard() noexcept;

    std::filesystem::path target_;
    std::filesystem::path path_;  // the file replaced: the target, or the file its link names
    std::filesystem::path temporary_;
    int fd_ = -1;
    int slot_ = -1;  // where the signal handlers find the temporary file
    bool committed_ = false;
    bool failed_ = false;
};

// One whole file in one step.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace studio
