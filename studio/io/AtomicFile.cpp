#include "studio/io/AtomicFile.h"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <limits.h>
#include <signal.h>
#include <unistd.h>
#endif

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "studio/io/Files.h"

namespace studio {

namespace {
std::atomic<unsigned> gTemporaryCounter{0};

std::filesystem::path folderOf(const std::filesystem::path& target)
{
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

#ifdef _WIN32
// Windows: binary mode, or every "\n" written would become "\r\n"; and a
// rename that replaces an existing target, which rename() refuses to do.
int openNew(const std::filesystem::path& path)
{
    return ::_wopen(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
}
int syncFile(int fd) { return ::_commit(fd); }
bool folderWritable(const std::filesystem::path& folder) { return ::_waccess(folder.c_str(), 2) == 0; }
void removeFile(const std::filesystem::path& path) { ::_wunlink(path.c_str()); }
int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: errno = ENOENT; break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: errno = EACCES; break;
    default: errno = EIO; break;
    }
    return -1;
}
#else
int openNew(const std::filesystem::path& path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int syncFile(int fd) { return ::fsync(fd); }
bool folderWritable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }
void removeFile(const std::filesystem::path& path) { ::unlink(path.c_str()); }
int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::rename(from.c_str(), to.c_str());
}
#endif

#ifdef _WIN32
// No signal clean-up on Windows: a stopped program may leave its temporary file.
int remember(const std::filesystem::path&) { return -1; }
void forget(int) {}
#else
// Temporary files that exist now, so that Ctrl+C or a TERM removes them: the
// signal handler may only read plain memory and call unlink.
enum SlotState { kFree, kClaimed, kHeld };
struct TemporarySlot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX] = {};
};
std::array<TemporarySlot, 16> gTemporaries;
std::atomic<bool> gHandlersInstalled{false};

extern "C" void removeTemporariesAndDie(int signal)
{
    for (TemporarySlot& slot : gTemporaries)
        if (slot.state.load() == kHeld) ::unlink(slot.path);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Only where nobody else handles the signal: a program with its own handler keeps it.
void installHandlers()
{
    if (gHandlersInstalled.exchange(true)) return;
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL) continue;
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

// The slot holding path, or -1 when every slot is taken or the path too long (it is then not removed on a signal).
int remember(const std::filesystem::path& path)
{
    installHandlers();
    const std::string& text = path.native();
    if (text.size() >= PATH_MAX) return -1;
    for (size_t i = 0; i < gTemporaries.size(); ++i) {
        TemporarySlot& slot = gTemporaries[i];
        int expected = kFree;
        if (!slot.state.compare_exchange_strong(expected, kClaimed)) continue;
        std::memcpy(slot.path, text.c_str(), text.size() + 1);
        slot.state = kHeld;  // the handler sees the path only once it is whole
        return static_cast<int>(i);
    }
    return -1;
}

void forget(int slot)
{
    if (slot >= 0) gTemporaries[static_cast<size_t>(slot)].state = kFree;
}
#endif

}  // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)), path_(target_)
{
    auto refuse = [&](const std::string& why) { return InputError(displayName(target_) + ": cannot write: " + why); };
    if (target_.filename().empty()) throw refuse("not a file name");
    std::error_code ec;
    // A link is written through: it stays, and the file it names gets the bytes.
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target_, ec))) {
        path_ = std::filesystem::canonical(target_, ec);
        if (ec) throw refuse("a symbolic link to a missing file");
    }
    std::filesystem::file_status status = std::filesystem::status(path_, ec);
    if (std::filesystem::is_directory(status)) throw refuse("is a folder");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw refuse("not a regular file (a device, pipe or socket is never replaced)");
    // Checked now, so that an unwritable target costs no work; the temporary
    // file itself is made only when there is something to write.
    if (!folderWritable(folderOf(path_))) throw refuse(std::strerror(errno));
}

AtomicFile::~AtomicFile()
{
    if (!committed_) discard();
}

void AtomicFile::open()
{
    // A hidden name in the same folder, so that the rename stays on one file
    // system; O_EXCL guards against clashing with another writer.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + path_.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                           std::to_string(gTemporaryCounter++);
        std::filesystem::path candidate = folderOf(path_) / name;
        fd_ = openNew(candidate);
        if (fd_ >= 0) {
            temporary_ = std::move(candidate);
            slot_ = remember(temporary_);
            return;
        }
        if (errno != EEXIST) break;
    }
    fail("cannot write");
}

void AtomicFile::discard() noexcept
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) removeFile(temporary_);
    forget(slot_);
    slot_ = -1;
    temporary_.clear();
    failed_ = true;
}

void AtomicFile::fail(const std::string& what)
{
    std::string reason = std::strerror(errno);
    discard();
    throw InputError(displayName(target_) + ": " + what + ": " + reason);
}

void AtomicFile::write(std::string_view bytes)
{
    if (failed_ || committed_) throw std::logic_error("AtomicFile: write after commit or failure");
    if (fd_ < 0) open();
    while (!bytes.empty()) {
        ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("cannot write");
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void AtomicFile::commit()
{
    if (failed_ || committed_) throw std::logic_error("AtomicFile: commit twice or after failure");
    if (fd_ < 0) open();  // an empty file
    if (syncFile(fd_) != 0) fail("cannot write");
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail("cannot write");
    if (replaceFile(temporary_, path_) != 0) fail("cannot replace");
    forget(slot_);
    slot_ = -1;
    committed_ = true;
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    AtomicFile file(target);
    file.write(bytes);
    file.commit();
}

}  // namespace studio
