// The host settings of a render: what the options and --from's file say,
// applied to the document before the run and to the outputs after it.
#pragma once

#include <optional>

#include "studio/cli/Commands.h"
#include "studio/document/Document.h"
#include "studio/host/ReachEdges.h"
#include "studio/io/OutputOptions.h"
#include "studio/io/SettingsJson.h"

namespace studio::cli {

// --from's settings; throws InputError naming the file when it carries
// none or they do not validate. base supplies what the file leaves out.
DrawingSettings readFromOption(const std::filesystem::path& file, const FocaraParams& base);

// The settings of this run: --from's (or the defaults), with every option
// given on the command line in their place; --landscape turns the page chosen,
// else documentPage. Throws InputError naming the option.
HostSettings resolveHostSettings(const RenderOptions& options, const std::optional<DrawingSettings>& from,
                                 const Page& documentPage);

OutputOptions outputOptionsFor(const HostSettings& settings, const Page& page, std::string settingsLine);

}  // namespace studio::cli
