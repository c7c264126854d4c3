#include "studio/cli/Commands.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "studio/cli/DialogActions.h"
#include "studio/cli/RenderSettings.h"
#include "studio/document/ColorText.h"
#include "studio/host/Host.h"
#include "studio/host/RecordDefaults.h"
#include "studio/io/AnimationWriter.h"
#include "studio/io/AtomicFile.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/EmbeddedSettings.h"
#include "studio/io/Looks.h"
#include "studio/io/ParamsJson.h"
#include "studio/io/QuotedText.h"
#include "studio/io/RecordFile.h"
#include "studio/io/ReferenceAreaText.h"
#include "studio/io/SvgWriter.h"
#include "studio/session/AnimationFrames.h"
#include "studio/session/AreaRun.h"
#include "studio/session/FilterRun.h"

namespace studio::cli {

namespace {

enum class OutputFormat { Svg, Json, Png, Pdf };

OutputFormat outputFormatOf(const std::filesystem::path& file)
{
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".svg") return OutputFormat::Svg;
    if (ext == ".json") return OutputFormat::Json;
    if (ext == ".png") return OutputFormat::Png;
    if (ext == ".pdf") return OutputFormat::Pdf;
    throw InputError(displayName(file) +
                     ": cannot tell the output format; the name must end in .svg, .json, .png or .pdf");
}

// Writes the output in pieces as it is made; only PNG is made whole.
void writeOutput(OutputFormat format, const Document& document, uint64_t seed, const OutputOptions& options,
                 AtomicFile& file)
{
    const ByteSink sink = [&](std::string_view bytes) { file.write(bytes); };
    switch (format) {
    case OutputFormat::Svg: writeSvg(document, options, sink); return;
    case OutputFormat::Json: writeDocumentJson(document, seed, options.settings, sink); return;
    case OutputFormat::Png: file.write(documentToPng(document, options)); return;
    case OutputFormat::Pdf: writePdf(document, options, sink); return;
    }
    throw std::logic_error("unknown output format");
}

// A finite number, the whole text.
bool parseNumber(const std::string& text, double& value)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

Document loadDocument(const std::optional<std::filesystem::path>& file)
{
    return file ? readDocumentFile(*file) : Document::makeDefault();
}

void applySets(FocaraParams& record, const std::vector<std::string>& sets)
{
    for (const std::string& assignment : sets) {
        try {
            setRecordField(record, assignment);
        } catch (const InputError& e) {
            throw InputError(std::string("--set ") + e.what());
        }
    }
}

std::filesystem::path pluginPath(const std::optional<std::filesystem::path>& plugin)
{
    return plugin ? *plugin : defaultPluginPath();
}

// Stops with the plug-in's own reports when it showed any.
void throwIfReported(PluginSession& session)
{
    std::vector<std::string> lines = session.takeErrorReports();
    if (lines.empty()) return;
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    throw PluginReportedError(text);
}

// A plug-in that failed to start or registered no filter cannot run: that is a failure, not an empty drawing.
void throwIfNotStarted(PluginSession& session, const Host& host)
{
    if (SPErr err = session.startupResult())
        throw std::runtime_error("the plug-in failed to start: \"Startup\" returned " + std::to_string(err));
    if (host.filters().empty()) throw std::runtime_error("the plug-in registered no filter");
}

}  // namespace

uint64_t parseSeed(const std::string& text)
{
    uint64_t seed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw InputError("--seed " + text + ": expected a whole number from 0 to 18446744073709551615");
    return seed;
}

Color parseColorOption(const std::string& option, const std::string& text)
{
    try {
        return colorFromText(text);
    } catch (const std::invalid_argument& e) {
        throw InputError(option + " " + text + ": " + e.what());
    }
}

float parseStrokeWidth(const std::string& text)
{
    double width = 0;
    if (!parseNumber(text, width) || width < 0 || width > 1e6)
        throw InputError("--stroke-width " + text + ": expected a number of points from 0 to 1000000");
    return static_cast<float>(width);
}

double parseDpi(const std::string& text)
{
    double dpi = 0;
    if (!parseNumber(text, dpi) || dpi <= 0) throw InputError("--dpi " + text + ": expected a number above 0");
    return dpi;
}

namespace {

// Everything a render reads and checks before any output file exists.
struct RenderPlan {
    Document document;  // the page and current style applied
    HostSettings settings;
    std::optional<DrawingSettings> from;
    FocaraParams record{};
    bool dialog = false;
    std::vector<ScriptAction> actions;
    uint64_t seed = 0;
};

RenderPlan planRender(const RenderOptions& options, bool raster)
{
    if (options.from && options.params)
        throw InputError("--from: the record comes from the file; leave out --params (use --set to change fields)");
    if (options.saveParams && sameFile(*options.saveParams, options.output))
        throw InputError("--save-params " + displayName(*options.saveParams) +
                         ": names the same file as -o; one would overwrite the other");
    if (options.look && options.params)
        throw InputError("--look: the record comes from the look; leave out --params (use --set to change fields)");
    const Look* look = options.look ? findLook(*options.look) : nullptr;
    RenderPlan plan;
    plan.document = loadDocument(options.doc);
    if (options.from) plan.from = readFromOption(*options.from, defaultRecord(plan.document));
    // The settings the options given change: --from's, a look's, or the defaults.
    std::optional<DrawingSettings> start = plan.from;
    if (look) start = lookSettings(*look, defaultRecord(plan.document));
    plan.settings = resolveHostSettings(options, start, plan.document.page);
    applyToDocument(plan.document, plan.settings);
    if (raster) pngPixelSize(plan.document.page, plan.settings.dpi);  // refuses a page too large to draw
    std::optional<FocaraParams> stored;
    if (options.params) stored = readParamsFile(*options.params, defaultRecord(plan.document));
    plan.seed = options.seed ? *options.seed : plan.from ? plan.from->seed : seedFromClock();

    FocaraParams& record = plan.record;
    record = plan.from ? plan.from->record : stored ? *stored : defaultRecord(plan.document);
    // Read again on the page it now has, so that the fields a look leaves out are that page's defaults.
    if (look) record = lookSettings(*look, defaultRecord(plan.document)).record;
    // Before the dialog opens, so that it shows the area's centre and distance.
    if (plan.settings.area) aimRecordAtArea(record, *plan.settings.area);
    plan.dialog = !options.noDialog && !plan.from;
    if (!plan.dialog) {
        applySets(record, options.sets);
        applyReachEdges(record, plan.settings, plan.document.page);
    } else {
        // The length is chosen for the centre the --set changes give; the dialog plays them again.
        FocaraParams changed = record;
        applySets(changed, options.sets);
        applyReachEdges(changed, plan.settings, plan.document.page);
        record.zoomLength = changed.zoomLength;
        plan.actions = dialogActions({options.preset, options.sets, options.ui, options.uiFile}, record.currentPage);
    }
    return plan;
}

// What one run left: the record after it, or nothing when the dialog was
// cancelled, and why it ended early if it did.
struct RunResult {
    std::optional<FocaraParams> record;
    std::optional<std::string> endedEarly;
};

// Gets the document the run drew, while its host lives, with the settings
// that draw it again.
using DrawnCallback = std::function<void(const Document&, const DrawingSettings&)>;

// One run of the filter on a fresh host seeded with seed, `skip` random
// numbers drawn first; with an area, the run's paths pushed out to it.
RunResult runOnce(const RenderOptions& options, const RenderPlan& plan, uint64_t seed, uint64_t skip,
                  const FocaraParams& record, bool dialog, std::vector<ScriptAction> actions,
                  const DrawnCallback& drawn)
{
    Host host(plan.document.clone(), seed);
    // The drawing that stays began this far into the random sequence.
    host.random().skip(skip);
    PluginSession session(host, pluginPath(options.plugin));
    throwIfReported(session);
    throwIfNotStarted(session, host);
    session.runner().setRecord(record);
    ScriptedDriver driver(host, std::move(actions), std::cout);
    host.dialogs().setDriver(&driver);
    std::optional<AreaPush> push;
    if (plan.settings.area) push.emplace(host.document());

    PluginRunner::RunResult run = session.runner().runFilter(dialog);
    host.dialogs().setDriver(nullptr);
    if (driver.error()) throw InputError(*driver.error());
    throwIfReported(session);
    if (run.outcome == PluginRunner::Outcome::Cancelled) return {};
    RunResult result{*session.runner().record(), std::nullopt};
    // A drawing error ends the run; what was drawn is kept and written, and the user is told.
    if (std::optional<std::string> refusal = host.takeRefusal())
        result.endedEarly = *refusal;
    else if (run.outcome == PluginRunner::Outcome::Failed)
        result.endedEarly = "the filter's \"AI Go\" returned " + std::to_string(run.code);
    if (push) push->apply(host.document(), *plan.settings.area, *result.record);
    drawn(host.document(), DrawingSettings{seed, host.drawsAtLastUndo(), plan.settings, *result.record});
    return result;
}

constexpr const char* kCancelled = "cancelled: the document and the record are as they were; nothing written\n";

void sayEndedEarly(const std::optional<std::string>& endedEarly)
{
    if (endedEarly)
        throw std::runtime_error("the run ended early: " + *endedEarly + "; what was drawn until then is written");
}

FrameBackground frameBackground(const HostSettings& settings)
{
    std::optional<Color> color = backgroundColor(settings.background);
    if (!color) return FrameBackground{true, 0, 0, 0};
    const std::array<float, 3> rgb = displayRgb(*color);
    return FrameBackground{false, rgb[0], rgb[1], rgb[2]};
}

void renderFrames(const RenderOptions& options)
{
    AnimationOptions animation;
    try {
        animation.format = animationFormatOf(options.output);
    } catch (const InputError& e) {
        throw InputError(std::string("--frames: ") + e.what());
    }
    // The writer checks the picture size (and whether this build draws the format) itself.
    RenderPlan plan = planRender(options, false);
    animation.fps = options.fps;
    animation.dpi = plan.settings.dpi;
    animation.background = frameBackground(plan.settings);
    animation.clip = clipRectangle(plan.settings.clip, plan.document.page);
    AnimationWriter writer(animation, plan.document.page);

    // Opened before the runs, so that an unwritable output costs no drawing.
    std::optional<AtomicFile> savedRecord;
    if (options.saveParams) savedRecord.emplace(*options.saveParams);
    const int frames = *options.frames;
    std::vector<std::unique_ptr<AtomicFile>> outputs;
    if (animation.format == AnimationFormat::PngSequence)
        for (int i = 1; i <= frames; ++i)
            outputs.push_back(std::make_unique<AtomicFile>(sequenceFileName(options.output, i)));
    else
        outputs.push_back(std::make_unique<AtomicFile>(options.output));

    const DrawnCallback add = [&](const Document& drawn, const DrawingSettings& carried) {
        writer.addFrame(drawn, settingsToJson(carried));
    };
    // The dialog plays once; every later frame draws the record it left with
    // the next seed (buttons that draw random settings are not played again).
    RunResult first = runOnce(options, plan, plan.seed, plan.from ? plan.from->drawsBefore : 0, plan.record,
                              plan.dialog, std::move(plan.actions), add);
    if (!first.record) {
        std::cerr << kCancelled;
        return;
    }
    std::optional<std::string> endedEarly = first.endedEarly;
    if (frames > 1) {
        // The later frames share one host and one start of the plug-in.
        Host host(plan.document.clone(), plan.seed);
        PluginSession session(host, pluginPath(options.plugin));
        throwIfReported(session);
        throwIfNotStarted(session, host);
        const FocaraParams again = laterFrameRecord(*first.record);
        for (int i = 1; i < frames; ++i) {
            const FrameRun frame =
                drawLaterFrame(host, session.runner(), plan.document, again, frameSeed(plan.seed, i),
                               plan.settings.area, [&](const Document& drawn, const FrameRun& run) {
                                   add(drawn, DrawingSettings{run.seed, run.drawsBefore, plan.settings, run.record});
                               });
            throwIfReported(session);
            if (!endedEarly) endedEarly = frame.endedEarly;
        }
    }

    std::vector<std::string> files = writer.finish();
    for (size_t i = 0; i < outputs.size(); ++i) outputs[i]->write(files.at(i));
    if (savedRecord) savedRecord->write(paramsFileBytes(*options.saveParams, *first.record));
    if (savedRecord) savedRecord->commit();
    for (auto& output : outputs) output->commit();
    std::cerr << "seed: " << plan.seed << '\n';
    sayEndedEarly(endedEarly);
}

}  // namespace

ReferenceArea parseArea(const std::string& text)
{
    try {
        return referenceAreaFromText(text);
    } catch (const std::invalid_argument& e) {
        throw InputError("--area " + text + ": " + e.what());
    }
}

int parseFrames(const std::string& text)
{
    double n = 0;
    if (!parseNumber(text, n) || n != std::floor(n) || n < 1 || n > kMaxFrames)
        throw InputError("--frames " + text + ": expected a whole number from 1 to " + std::to_string(kMaxFrames));
    return static_cast<int>(n);
}

int parseFps(const std::string& text)
{
    double n = 0;
    if (!parseNumber(text, n) || n != std::floor(n) || n < 1 || n > kMaxFps)
        throw InputError("--fps " + text + ": expected a whole number from 1 to " + std::to_string(kMaxFps));
    return static_cast<int>(n);
}

void checkLookOption(const std::string& name)
{
    if (findLook(name)) return;
    std::string names;
    for (const Look& look : allLooks()) names += (names.empty() ? "" : ", ") + look.name;
    throw InputError("--look " + escapedText(name) + ": no such look; the looks are " + names);
}

void looks()
{
    for (const Look& look : allLooks()) {
        std::cout << look.name << ": " << look.title << "\n    " << look.description << '\n';
        const nlohmann::json settings = nlohmann::json::parse(look.settingsJson);
        std::string sets;
        for (const auto& [name, value] : settings["record"].items()) sets += " " + name + "=" + value.dump();
        for (const auto& [name, value] : settings["host"].items())
            sets += " " + name + "=" + (value.is_string() ? value.get<std::string>() : value.dump());
        std::cout << "   " << sets << '\n';
    }
}

void render(const RenderOptions& options)
{
    if (options.frames) return renderFrames(options);
    OutputFormat format = outputFormatOf(options.output);
    RenderPlan plan = planRender(options, format == OutputFormat::Png);

    // Opened before the run, so that an unwritable output costs no drawing.
    std::optional<AtomicFile> savedRecord;
    if (options.saveParams) savedRecord.emplace(*options.saveParams);
    AtomicFile output(options.output);

    RunResult run =
        runOnce(options, plan, plan.seed, plan.from ? plan.from->drawsBefore : 0, plan.record, plan.dialog,
                std::move(plan.actions), [&](const Document& drawn, const DrawingSettings& carried) {
                    writeOutput(format, drawn, carried.seed,
                                outputOptionsFor(plan.settings, drawn.page, settingsToJson(carried)), output);
                });
    if (!run.record) {
        std::cerr << kCancelled;
        return;
    }
    if (savedRecord) savedRecord->write(paramsFileBytes(*options.saveParams, *run.record));
    if (savedRecord) savedRecord->commit();
    output.commit();
    std::cerr << "seed: " << plan.seed << '\n';
    sayEndedEarly(run.endedEarly);
}

void showParams(const std::filesystem::path& file)
{
    // An output carries its record among its settings; a parameter file is
    // the 432-byte record or an object of fields by name, never with a
    // "format" member, which a JSON document output begins with.
    const std::string head = readFile(file, 4096);
    const size_t first = head.find_first_not_of(" \t\r\n");
    const bool json = first != std::string::npos && head[first] == '{';
    const size_t key = json ? head.find_first_not_of(" \t\r\n", first + 1) : std::string::npos;
    const bool document = json && key != std::string::npos && head.compare(key, 8, "\"format\"") == 0;
    const bool output = head.starts_with("\x89PNG") || head.starts_with("%PDF-") ||
                        (first != std::string::npos && head[first] == '<') || document;
    if (output) {
        std::cout << recordToJson(readFromOption(file, defaultRecord(Document::makeDefault())).record);
        return;
    }
    std::cout << recordToJson(readParamsFile(file, defaultRecord(Document::makeDefault())));
}

void makeParams(const MakeParamsOptions& options)
{
    Document document = loadDocument(options.doc);
    FocaraParams record = defaultRecord(document);
    applySets(record, options.sets);
    writeFileAtomically(options.output, paramsFileBytes(options.output, record));
}

void presets(const std::optional<std::filesystem::path>& plugin)
{
    Host host(Document::makeDefault(), 0);
    PluginSession session(host, pluginPath(plugin));
    throwIfReported(session);
    throwIfNotStarted(session, host);
    std::vector<PresetEntry> entries = listPresets(host, session.runner());
    throwIfReported(session);
    for (const PresetEntry& entry : entries) {
        std::cout << entry.id << " \"" << entry.text << "\":";
        if (entry.changes.empty()) std::cout << " the defaults";
        for (const std::string& change : entry.changes) std::cout << ' ' << change;
        std::cout << '\n';
    }
}

void about(const std::optional<std::filesystem::path>& plugin)
{
    Host host(Document::makeDefault(), 0);
    PluginSession session(host, pluginPath(plugin));
    throwIfReported(session);
    session.runner().about();
    throwIfReported(session);
    for (const ShownDialog& d : host.dialogs().shown()) {
        if (d.name != "About Dialog") continue;
        std::cout << d.title << '\n';
        for (const auto& [id, text] : d.texts)
            if (id != kADMDefaultItemID) std::cout << text << '\n';
    }
}

void info(const std::optional<std::filesystem::path>& plugin)
{
    Host host(Document::makeDefault(), 0);
    PluginSession session(host, pluginPath(plugin));
    throwIfReported(session);
    const auto& pipl = session.library().pipl();
    std::cout << "library: " << session.library().path().string() << '\n'
              << "kind: " << studio::loader::fourCharText(pipl.kind) << '\n'
              << "interface version: " << pipl.interfaceVersion << '\n'
              << "entry point: " << pipl.entryPoint << '\n';
    for (const Host::RegisteredFilter& f : host.filters())
        std::cout << "filter: " << f.category << " > " << f.title << " (" << f.name << ")\n";
    std::cout << "suites acquired:\n";
    for (const std::string& suite : host.acquiredSuites()) std::cout << "  " << suite << '\n';
}

}  // namespace studio::cli
