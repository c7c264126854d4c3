// One running host: the document and the services the plug-in reaches through
// its suites. The suites' C functions talk to the active host.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sdk/SPBasic.h"
#include "studio/dialogs/DialogManager.h"
#include "studio/document/Document.h"
#include "studio/host/FaultInjector.h"
#include "studio/host/RandomSource.h"
#include "studio/host/RunControl.h"

namespace studio {

class Host {
public:
    // The new host becomes the active one until it is destroyed.
    Host(Document document, uint64_t seed);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The active host; throws std::logic_error when there is none.
    static Host& active();
    // The active host or null.
    static Host* current();

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    // Replaces the document (loading a file); the undo history goes with the old one.
    void setDocument(Document document) { document_ = std::move(document); }
    RandomSource& random() { return random_; }
    FaultInjector& faults() { return faults_; }
    // Progress and stop of the run in hand, shared with threads that watch it.
    RunControl& control() { return *control_; }
    const std::shared_ptr<RunControl>& sharedControl() const { return control_; }

    // How many times each suite is held now, by name.
    const std::map<std::string, int>& heldSuites() const { return held_; }
    // Every suite acquired at least once, in first-acquisition order.
    const std::vector<std::string>& acquiredSuites() const { return acquired_; }

    // Starts the undo context of a filter run.
    void beginUndoContext() { document_.beginUndoContext(); }
    int redraws() const { return redraws_; }

    // Pattern, gradient and custom colours cross the suites as ids into this table.
    int32_t internNamedColor(const Color& color);
    const Color* namedColor(int32_t id) const;

    // Memory handles (the parameter record lives in one).
    AIMdMemoryHandle newHandle(size_t size);
    std::vector<unsigned char>* handleBytes(AIMdMemoryHandle handle);
    void disposeHandle(AIMdMemoryHandle handle);

    DialogManager& dialogs() { return dialogs_; }

    // Named blocks of the SP Blocks Suite; what is still allocated is a leak at shutdown.
    void* allocateBlock(size_t size, const char* debugName);
    bool freeBlock(void* block);
    std::vector<std::string> liveBlocks() const;

    // Filters the plug-in registered, in the host's Filter menu.
    struct RegisteredFilter {
        std::string name;
        std::string category;
        std::string title;
        bool autoEnabled = false;
    };
    AIFilterHandle addFilter(RegisteredFilter filter);
    RegisteredFilter* filter(AIFilterHandle handle);
    const std::vector<RegisteredFilter>& filters() const { return filters_; }

    // Bookkeeping of the basic suite: one more or one fewer hold on a suite.
    // countRelease is false when the suite is not held.
    void countAcquisition(const std::string& name);
    bool countRelease(const std::string& name);
    // Called by the suite functions.
    void noteRedraw() { ++redraws_; }
    // The plug-in undoes its last preview before every drawing; the random
    // numbers drawn by then say where the drawing that stays began.
    void noteUndo() { drawsAtLastUndo_ = random_.draws(); }
    uint64_t drawsAtLastUndo() const { return drawsAtLastUndo_; }
    // A scratch run keeps its own count and puts the host's back after.
    void setDrawsAtLastUndo(uint64_t draws) { drawsAtLastUndo_ = draws; }
    // Why a suite refused what the plug-in handed over (non-finite geometry):
    // the plug-in only sees an error code, the user is told this. The first
    // refusal since the last take counts.
    void noteRefusal(std::string why)
    {
        if (!refusal_) refusal_ = std::move(why);
    }
    std::optional<std::string> takeRefusal() { return std::exchange(refusal_, std::nullopt); }

private:
    Document document_;
    RandomSource random_;
    uint64_t drawsAtLastUndo_ = 0;
    FaultInjector faults_;
    std::shared_ptr<RunControl> control_ = std::make_shared<RunControl>();
    std::map<std::string, int> held_;
    std::vector<std::string> acquired_;
    std::vector<Color> namedColors_;
    std::map<uintptr_t, std::unique_ptr<std::vector<unsigned char>>> handles_;
    uintptr_t nextHandle_ = 1;
    int redraws_ = 0;
    std::optional<std::string> refusal_;
    DialogManager dialogs_;
    struct Block {
        std::unique_ptr<unsigned char[]> bytes;
        std::string name;
    };
    std::map<void*, Block> blocks_;
    std::vector<RegisteredFilter> filters_;
    Host* previous_ = nullptr;
};

}  // namespace studio
