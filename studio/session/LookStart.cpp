#include "studio/session/LookStart.h"

#include <stdexcept>

#include "studio/host/ReachEdges.h"
#include "studio/host/RecordDefaults.h"
#include "studio/io/CairoWriter.h"
#include "studio/session/ScratchRun.h"

namespace studio {

LookStart lookStart(const Look& look, const Document& document)
{
    DrawingSettings settings = lookSettings(look, defaultRecord(document));
    settings.host.page.reset();
    applyReachEdges(settings.record, settings.host, document.page);
    return {settings.record, settings.host};
}

std::string drawLookPicture(Host& host, PluginRunner& runner, const Look& look, int width)
{
    Document page = Document::makeDefault();
    const LookStart start = lookStart(look, page);
    applyToDocument(page, start.host);
    ScratchRun scratch(host, runner, std::move(page), RandomSource(0));
    host.dialogs().setDriver(nullptr);
    runner.setRecord(start.record);
    const PluginRunner::RunResult run = runner.runFilter(false);
    if (host.takeRefusal() || run.outcome != PluginRunner::Outcome::Drawn)
        throw std::runtime_error("look " + look.name + " did not draw");
    OutputOptions options;
    options.dpi = width * 72.0 / host.document().page.width;
    options.background = backgroundColor(start.host.background);
    return documentToPng(host.document(), options);
}

}  // namespace studio
