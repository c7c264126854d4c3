#include "studio/host/Host.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace studio {

namespace {
// Each thread has its own: a studio's host lives on its host thread, and tests may run several.
thread_local Host* gActive = nullptr;
}  // namespace

Host::Host(Document document, uint64_t seed) : document_(std::move(document)), random_(seed), previous_(gActive)
{
    gActive = this;
}

Host::~Host()
{
    if (gActive == this) gActive = previous_;
}

Host& Host::active()
{
    if (!gActive) throw std::logic_error("no active host");
    return *gActive;
}

Host* Host::current() { return gActive; }

void Host::countAcquisition(const std::string& name)
{
    if (held_[name]++ == 0 && std::find(acquired_.begin(), acquired_.end(), name) == acquired_.end())
        acquired_.push_back(name);
}

bool Host::countRelease(const std::string& name)
{
    auto it = held_.find(name);
    if (it == held_.end() || it->second == 0) return false;
    if (--it->second == 0) held_.erase(it);
    return true;
}

int32_t Host::internNamedColor(const Color& color)
{
    auto it = std::find(namedColors_.begin(), namedColors_.end(), color);
    if (it != namedColors_.end()) return static_cast<int32_t>(it - namedColors_.begin());
    namedColors_.push_back(color);
    return static_cast<int32_t>(namedColors_.size() - 1);
}

const Color* Host::namedColor(int32_t id) const
{
    if (id < 0 || static_cast<size_t>(id) >= namedColors_.size()) return nullptr;
    return &namedColors_[static_cast<size_t>(id)];
}

AIMdMemoryHandle Host::newHandle(size_t size)
{
    uintptr_t id = nextHandle_++;
    handles_[id] = std::make_unique<std::vector<unsigned char>>(size, 0);
    return reinterpret_cast<AIMdMemoryHandle>(id);
}

std::vector<unsigned char>* Host::handleBytes(AIMdMemoryHandle handle)
{
    auto it = handles_.find(reinterpret_cast<uintptr_t>(handle));
    return it == handles_.end() ? nullptr : it->second.get();
}

void Host::disposeHandle(AIMdMemoryHandle handle) { handles_.erase(reinterpret_cast<uintptr_t>(handle)); }

}  // namespace studio

namespace studio {

void* Host::allocateBlock(size_t size, const char* debugName)
{
    Block block{std::make_unique<unsigned char[]>(size ? size : 1), debugName ? debugName : ""};
    void* address = block.bytes.get();
    blocks_.emplace(address, std::move(block));
    return address;
}

bool Host::freeBlock(void* block) { return blocks_.erase(block) == 1; }

std::vector<std::string> Host::liveBlocks() const
{
    std::vector<std::string> names;
    for (const auto& [address, block] : blocks_) names.push_back(block.name);
    return names;
}

AIFilterHandle Host::addFilter(RegisteredFilter filter)
{
    filters_.push_back(std::move(filter));
    return reinterpret_cast<AIFilterHandle>(static_cast<uintptr_t>(filters_.size()));
}

Host::RegisteredFilter* Host::filter(AIFilterHandle handle)
{
    uintptr_t index = reinterpret_cast<uintptr_t>(handle);
    if (index == 0 || index > filters_.size()) return nullptr;
    return &filters_[index - 1];
}

}  // namespace studio
