#include "studio/io/AtomicFile.h"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

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
void removeFile(const std::filesystem::path& path) { ::unlink(path.c_str()); }
int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::rename(from.c_str(), to.c_str());
}
#endif
}  // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target))
{
    if (target_.filename().empty()) throw InputError(displayName(target_) + ": cannot write: not a file name");
    std::error_code ec;
    if (std::filesystem::is_directory(target_, ec))
        throw InputError(displayName(target_) + ": cannot write: is a folder");
    // A hidden name in the same folder, so that the rename stays on one file
    // system; O_EXCL guards against clashing with another writer.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + target_.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                           std::to_string(gTemporaryCounter++);
        std::filesystem::path candidate = folderOf(target_) / name;
        fd_ = openNew(candidate);
        if (fd_ >= 0) {
            temporary_ = std::move(candidate);
            return;
        }
        if (errno != EEXIST) break;
    }
    throw InputError(displayName(target_) + ": cannot write: " + std::strerror(errno));
}

AtomicFile::~AtomicFile()
{
    if (!committed_) discard();
}

void AtomicFile::discard() noexcept
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) removeFile(temporary_);
    temporary_.clear();
}

void AtomicFile::fail(const std::string& what)
{
    std::string reason = std::strerror(errno);
    discard();
    throw InputError(displayName(target_) + ": " + what + ": " + reason);
}

void AtomicFile::write(std::string_view bytes)
{
    if (fd_ < 0 || committed_) throw std::logic_error("AtomicFile: write after commit or failure");
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
    if (fd_ < 0 || committed_) throw std::logic_error("AtomicFile: commit twice or after failure");
    if (syncFile(fd_) != 0) fail("cannot write");
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail("cannot write");
    if (replaceFile(temporary_, target_) != 0) fail("cannot replace");
    committed_ = true;
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    AtomicFile file(target);
    file.write(bytes);
    file.commit();
}

}  // namespace studio
