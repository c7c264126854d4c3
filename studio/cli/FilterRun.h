// How the command runs the plug-in: the filter's final run without a dialog,
// and the record's defaults, both through the plug-in's own suite pointers.
// Kept together so that the route can later go through the plug-in library's
// PluginMain instead of calling its procedures directly.
#pragma once

#include "sdk/FocaraParams.h"
#include "sdk/SPBasic.h"

namespace studio::cli {

// Binds the plug-in's suite pointers to a host's suites while it lives.
class PluginSuites {
public:
    // Throws std::runtime_error with the host's code when a suite is missing.
    explicit PluginSuites(const SPBasicSuite* basic);
    ~PluginSuites();
    PluginSuites(const PluginSuites&) = delete;
    PluginSuites& operator=(const PluginSuites&) = delete;
};

// The record a first run of the filter starts from: the plug-in writes its
// defaults, the view centre from the current document. Words without a default
// (finalRun, the reserved words, the dialog bounds) are 0. Throws
// std::runtime_error with the host's code if the plug-in fails.
FocaraParams defaultRecord();

// A final run without a dialog before it: finalRun 1, previewDrawn as stored,
// then the generator, in the undo context the caller has begun. The drawing's
// error code is returned for tests but, as for every final run, not reported:
// what was drawn before it stays.
AIErr runFilterWithoutDialog(FocaraParams& record);

}  // namespace studio::cli
