// A plug-in library as the host sees it: its resources and its code, entered
// through the function its property list names. Two implementations: an ELF
// shared library carrying a .res file in its section .rsrc, loaded with dlopen
// (PluginLibrary.cpp), and a Windows DLL, whose resources and code the Windows
// API loads (PluginLibraryWindows.cpp). Both hand the resources to the same
// decoders (PluginResources.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "sdk/SPPlugin.h"
#include "studio/loader/DialogTemplate.h"
#include "studio/loader/Pipl.h"
#include "studio/loader/ResourceFile.h"
#include "studio/loader/StringTable.h"

namespace studio::loader {

inline constexpr const char* kResourceSection = ".rsrc";

// The decoded resources of one plug-in. Strings and dialogs are taken in
// English (United States) where a resource exists in several languages.
class PluginResources {
public:
    // Reads the library file's resources without loading its code.
    // LoadError, beginning with the path, when the file is missing, not a
    // library of this system (or on Linux has no .rsrc section), or its
    // resources are malformed, lack a PIPL or have a PIPL this host cannot load.
    static PluginResources read(const std::filesystem::path& libraryPath);
    // The same checks on the bytes of a .res file; FormatError.
    static PluginResources parse(std::span<const std::uint8_t> res);
    // The same checks on resources already read; FormatError.
    static PluginResources decode(ResourceFile file);

    const ResourceFile& file() const noexcept { return file_; }
    const Pipl& pipl() const noexcept { return pipl_; }
    const StringTable& strings() const noexcept { return strings_; }
    // String index of string list listId: the string resource listId + index.
    std::optional<std::string> string(std::uint16_t listId, std::uint16_t index) const;
    // Dialog templates named by number, decoded.
    const std::map<std::uint16_t, DialogTemplate>& dialogs() const noexcept { return dialogs_; }
    const DialogTemplate* dialog(std::uint16_t id) const noexcept;

private:
    PluginResources() = default;

    ResourceFile file_;
    Pipl pipl_;
    StringTable strings_;
    std::map<std::uint16_t, DialogTemplate> dialogs_;
};

// An open plug-in library. Move-only; the library is closed when the last
// owner goes. Opening the same file twice shares one loaded copy, as dlopen does.
class PluginLibrary {
public:
    // Reads and checks the resources first, so a file that is not a
    // plug-in never runs any code; then loads the library and resolves the
    // entry point the PIPL names. LoadError, beginning with the path.
    explicit PluginLibrary(const std::filesystem::path& path);

    PluginLibrary(PluginLibrary&&) noexcept = default;
    PluginLibrary& operator=(PluginLibrary&&) noexcept = default;
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    ~PluginLibrary() = default;

    const std::filesystem::path& path() const noexcept { return path_; }
    const PluginResources& resources() const noexcept { return resources_; }
    const Pipl& pipl() const noexcept { return resources_.pipl(); }
    SPPluginMainProc entryPoint() const noexcept { return entryPoint_; }

private:
    struct Closer {
        void operator()(void* handle) const noexcept;
    };

    std::filesystem::path path_;
    PluginResources resources_;
    std::unique_ptr<void, Closer> handle_;
    SPPluginMainProc entryPoint_ = nullptr;
};

}  // namespace studio::loader
