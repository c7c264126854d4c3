// The Windows implementation: a DLL whose resources are read through the
// Windows API (the resource tree the linker built from the same .res file)
// and whose code is loaded with LoadLibraryW.
#include <windows.h>

#include <bit>
#include <filesystem>
#include <string>
#include <vector>

#include "studio/loader/Errors.h"
#include "studio/loader/PluginLibrary.h"

namespace studio::loader {

namespace {

std::string systemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message;
    for (DWORD i = 0; i < length; ++i) {
        // System messages are ASCII apart from translations; keep what prints.
        message += text[i] < 0x80 ? static_cast<char>(text[i]) : '?';
    }
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message.empty() ? "Windows error " + std::to_string(code) : message;
}

struct ModuleFree {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using ModuleHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

// A resource type or name as the Windows API passes it: an ordinal in the
// pointer's low word, or a text.
ResourceName nameOf(LPCWSTR name)
{
    if (IS_INTRESOURCE(name)) {
        return ResourceName(static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)));
    }
    std::string text;
    for (const wchar_t* c = name; *c != 0; ++c) {
        text += *c < 0x80 ? static_cast<char>(*c) : '?';
    }
    return ResourceName(text);
}

// What the API takes back: an ordinal as MAKEINTRESOURCE, a text as itself.
struct ApiName {
    std::wstring text;
    WORD ordinal = 0;
    LPCWSTR get() const { return text.empty() ? MAKEINTRESOURCEW(ordinal) : text.c_str(); }
};

ApiName apiName(LPCWSTR name)
{
    return IS_INTRESOURCE(name) ? ApiName{{}, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name))} : ApiName{name, 0};
}

struct Key {
    ApiName type, name;
    WORD language;
};

// The callbacks only collect: nothing is thrown through the Windows API.
BOOL CALLBACK addLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR keys) noexcept
{
    try {
        reinterpret_cast<std::vector<Key>*>(keys)->push_back({apiName(type), apiName(name), language});
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL CALLBACK addName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) noexcept
{
    try {
        reinterpret_cast<std::vector<ApiName>*>(names)->push_back(apiName(name));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL CALLBACK addType(HMODULE, LPWSTR type, LONG_PTR types) noexcept
{
    try {
        reinterpret_cast<std::vector<ApiName>*>(types)->push_back(apiName(type));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

// Every resource of the module, its bytes found with FindResourceEx and
// LoadResource, in the tree's order (types, names, languages).
std::vector<Resource> readResources(HMODULE module, const std::string& path)
{
    const auto fail = [&](const std::string& what) {
        return LoadError(path + ": cannot read its resources: " + what + ": " + systemMessage(GetLastError()));
    };
    std::vector<ApiName> types;
    if (!EnumResourceTypesW(module, addType, reinterpret_cast<LONG_PTR>(&types)) &&
        GetLastError() != ERROR_RESOURCE_DATA_NOT_FOUND && GetLastError() != ERROR_RESOURCE_TYPE_NOT_FOUND) {
        throw fail("listing the types");
    }
    std::vector<Key> keys;
    for (const ApiName& type : types) {
        std::vector<ApiName> names;
        if (!EnumResourceNamesW(module, type.get(), addName, reinterpret_cast<LONG_PTR>(&names))) {
            throw fail("listing the names");
        }
        for (const ApiName& name : names) {
            if (!EnumResourceLanguagesW(module, type.get(), name.get(), addLanguage,
                                        reinterpret_cast<LONG_PTR>(&keys))) {
                throw fail("listing the languages");
            }
        }
    }
    std::vector<Resource> resources;
    for (const Key& key : keys) {
        Resource resource;
        resource.type = nameOf(key.type.get());
        resource.name = nameOf(key.name.get());
        resource.language = key.language;
        HRSRC found = FindResourceExW(module, key.type.get(), key.name.get(), key.language);
        HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr) {
            throw fail(describe(resource));
        }
        const auto* begin = static_cast<const std::uint8_t*>(bytes);
        resource.data.assign(begin, begin + SizeofResource(module, found));
        resources.push_back(std::move(resource));
    }
    return resources;
}

}  // namespace

PluginResources PluginResources::read(const std::filesystem::path& libraryPath)
{
    const std::string path = libraryPath.string();
    std::error_code ec;
    const auto status = std::filesystem::status(libraryPath, ec);
    if (!std::filesystem::exists(status)) {
        throw LoadError(path + ": no such file");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw LoadError(path + ": not a regular file");
    }
    // Mapped as an image resource file: the resources are reachable, no code
    // runs and nothing the DLL imports is loaded.
    const std::filesystem::path absolute = std::filesystem::absolute(libraryPath);
    const ModuleHandle module(
        LoadLibraryExW(absolute.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) {
        const DWORD error = GetLastError();
        throw LoadError(path + ": not a Windows DLL" +
                        (error == ERROR_BAD_EXE_FORMAT ? std::string() : ": " + systemMessage(error)));
    }
    try {
        return decode(ResourceFile::fromResources(readResources(module.get(), path)));
    } catch (const FormatError& error) {
        throw LoadError(path + ": " + error.what());
    }
}

void PluginLibrary::Closer::operator()(void* handle) const noexcept { FreeLibrary(static_cast<HMODULE>(handle)); }

PluginLibrary::PluginLibrary(const std::filesystem::path& path) : path_(path), resources_(PluginResources::read(path))
{
    // By full path: a bare name would have LoadLibrary search the program's
    // folder, the system folders and PATH for some other file.
    const std::filesystem::path absolute = std::filesystem::absolute(path);
    handle_.reset(LoadLibraryW(absolute.c_str()));
    if (!handle_) {
        const DWORD error = GetLastError();
        throw LoadError(
            path.string() + ": cannot load: " +
            (error == ERROR_BAD_EXE_FORMAT
                 ? "not a DLL for this processor (focara.exe and the plug-in must both be 32-bit or both 64-bit)"
                 : systemMessage(error)));
    }
    const std::string& name = resources_.pipl().entryPoint;
    FARPROC symbol = GetProcAddress(static_cast<HMODULE>(handle_.get()), name.c_str());
    if (symbol == nullptr) {
        throw LoadError(path.string() + ": the entry point \"" + name + "\" named by its PIPL is not exported");
    }
    entryPoint_ = std::bit_cast<SPPluginMainProc>(symbol);
}

}  // namespace studio::loader
