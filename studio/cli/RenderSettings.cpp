#include "studio/cli/RenderSettings.h"

#include "studio/document/ColorText.h"
#include "studio/document/PageSizes.h"
#include "studio/io/EmbeddedSettings.h"
#include "studio/io/Files.h"

namespace studio::cli {

void checkPageOption(const std::string& text)
{
    try {
        parsePageSize(text);
    } catch (const std::invalid_argument& e) {
        throw InputError("--page " + text + ": " + e.what());
    }
}

void checkClipOption(const std::string& text)
{
    try {
        parseClip(text);
    } catch (const std::invalid_argument& e) {
        throw InputError("--clip " + text + ": " + e.what());
    }
}

void checkBackgroundOption(const std::string& text)
{
    if (text == "white" || text == "none") return;
    try {
        colorFromText(text);
    } catch (const std::invalid_argument&) {
        throw InputError("--background " + text +
                         ": expected white, none or a colour: #rrggbb, gray:G or cmyk:C,M,Y,K");
    }
}

DrawingSettings readFromOption(const std::filesystem::path& file, const FocaraParams& base)
{
    const std::string line = readEmbeddedSettings(file);
    try {
        return settingsFromJson(line, base);
    } catch (const InputError& e) {
        throw InputError(displayName(file) + ": " + e.what());
    }
}

HostSettings resolveHostSettings(const RenderOptions& options, const std::optional<DrawingSettings>& from,
                                 const Page& documentPage)
{
    HostSettings settings = from ? from->host : HostSettings{};
    if (options.page) {
        checkPageOption(*options.page);
        PageSize size = parsePageSize(*options.page);
        settings.page = Page{float(size.width), float(size.height)};
    }
    if (options.landscape) {
        Page page = settings.page ? *settings.page : documentPage;
        if (page.width < page.height) std::swap(page.width, page.height);
        settings.page = page;
    }
    if (options.clip) {
        checkClipOption(*options.clip);
        settings.clip = parseClip(*options.clip);
    }
    if (options.reachEdges) settings.reachEdges = true;
    if (options.background) {
        checkBackgroundOption(*options.background);
        settings.background = *options.background;
    }
    if (options.dpi) settings.dpi = *options.dpi;
    if (options.fill) settings.fill = options.fill;
    if (options.stroke) settings.stroke = options.stroke;
    if (options.strokeWidth) settings.strokeWidth = options.strokeWidth;
    if (options.area) settings.area = options.area;
    return settings;
}

OutputOptions outputOptionsFor(const HostSettings& settings, const Page& page, std::string settingsLine)
{
    OutputOptions options;
    options.clip = clipRectangle(settings.clip, page);
    options.settings = std::move(settingsLine);
    options.dpi = settings.dpi;
    options.background = backgroundColor(settings.background);
    return options;
}

}  // namespace studio::cli
