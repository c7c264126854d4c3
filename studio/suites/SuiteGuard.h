// The one place where host exceptions become error codes: every suite
// function that returns an error runs its body through guarded().
#pragma once

#include <new>
#include <stdexcept>

#include "sdk/AITypes.h"
#include "studio/host/Host.h"

namespace studio {

// Runs body(host) for the named operation: a stop the user asked for
// (kCanceledErr, until the stopped work ends), an injected fault, a thrown
// std::bad_alloc (kOutOfMemoryErr) or any other exception (kBadParameterErr)
// becomes the result instead; nothing is thrown into the plug-in.
template <class Body>
AIErr guarded(const char* operation, Body&& body) noexcept
{
    try {
        Host& host = Host::active();
        if (host.control().stopRequested()) return kCanceledErr;
        if (AIErr err = host.faults().check(operation)) return err;
        return body(host);
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    } catch (...) {
        return kBadParameterErr;
    }
}

}  // namespace studio
