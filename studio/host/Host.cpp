#include "studio/host/Host.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "studio/suites/SuiteRegistry.h"

namespace studio {

namespace {
Host* gActive = nullptr;

AIBoolean isEqual(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

SPErr acquireSuite(const char* name, int32_t version, const void** suite)
{
    if (!gActive) return kSPSuiteNotFoundError;
    return gActive->acquire(name, version, suite);
}

SPErr releaseSuite(const char* name, int32_t version)
{
    if (!gActive) return kSPSuiteNotFoundError;
    return gActive->release(name, version);
}

const SPBasicSuite kBasicSuite = {isEqual, acquireSuite, releaseSuite};
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

const SPBasicSuite* Host::basicSuite() const { return &kBasicSuite; }

int32_t Host::acquire(const char* name, int32_t version, const void** suite)
{
    if (!name || !suite) return kBadParameterErr;
    if (int32_t err = faults_.check("AcquireSuite")) return err;
    if (int32_t err = faults_.check(name)) return err;  // a named suite's acquisition can be made to fail too
    const void* table = findSuite(name, version);
    if (!table) return kSPSuiteNotFoundError;
    *suite = table;
    if (held_[name]++ == 0 && std::find(acquired_.begin(), acquired_.end(), name) == acquired_.end())
        acquired_.push_back(name);
    return kNoErr;
}

int32_t Host::release(const char* name, int32_t version)
{
    if (!name) return kBadParameterErr;
    if (int32_t err = faults_.check("ReleaseSuite")) return err;
    auto it = held_.find(name);
    if (it == held_.end() || it->second == 0 || !findSuite(name, version)) return kSPSuiteNotFoundError;
    if (--it->second == 0) held_.erase(it);
    return kNoErr;
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
