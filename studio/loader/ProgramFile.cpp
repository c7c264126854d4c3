#include "studio/loader/ProgramFile.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace studio::loader {

std::filesystem::path runningProgram()
{
#ifdef _WIN32
    // The path may exceed MAX_PATH; grow until it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self;
#endif
}

}  // namespace studio::loader
