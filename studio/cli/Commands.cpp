#include "studio/cli/Commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>

#include "studio/cli/DialogActions.h"
#include "studio/document/ColorText.h"
#include "studio/host/Host.h"
#include "studio/host/RecordDefaults.h"
#include "studio/io/AnimationWriter.h"
#include "studio/io/AtomicFile.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/ParamsJson.h"
#include "studio/io/RecordFile.h"
#include "studio/io/ReferenceAreaText.h"
#include "studio/io/SvgWriter.h"
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

std::string outputBytes(OutputFormat format, const Document& document, uint64_t seed, double dpi)
{
    switch (format) {
    case OutputFormat::Svg: return documentToSvg(document);
    case OutputFormat::Json: return documentToJson(document, seed);
    case OutputFormat::Png: return documentToPng(document, dpi);
    case OutputFormat::Pdf: return documentToPdf(document);
    }
    throw std::logic_error("unknown output format");
}

// As a user sets the fill and stroke before running a filter. None only
// unpaints: an unpainted fill or stroke keeps its colour, as the default
// document's stroke does, so styling steps that paint it later (sketch
// copies, swatches) still have a colour to work on.
void setPaint(bool& paint, Color& color, const Color& chosen)
{
    paint = chosen.kind != ColorKind::None;
    if (paint) color = chosen;
}

void setCurrentStyle(PathStyle& style, const RenderOptions& options)
{
    if (options.fill) setPaint(style.fillPaint, style.fill, *options.fill);
    if (options.stroke) setPaint(style.strokePaint, style.stroke, *options.stroke);
    if (options.strokeWidth) style.strokeWidth = *options.strokeWidth;
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
struct RenderInputs {
    Document document;
    FocaraParams record;
    std::vector<ScriptAction> actions;
    uint64_t seed = 0;
};

RenderInputs readRenderInputs(const RenderOptions& options, bool raster)
{
    RenderInputs in{loadDocument(options.doc), {}, {}, 0};
    setCurrentStyle(in.document.currentStyle, options);
    if (raster) pngPixelSize(in.document.page, options.dpi);  // refuses a page too large to draw
    in.record =
        options.params ? readParamsFile(*options.params, defaultRecord(in.document)) : defaultRecord(in.document);
    // Before the dialog opens, so that it shows the area's centre and distance.
    if (options.area) aimRecordAtArea(in.record, *options.area);
    if (options.noDialog)
        applySets(in.record, options.sets);
    else
        in.actions = dialogActions({options.preset, options.sets, options.ui, options.uiFile}, in.record.currentPage);
    in.seed = options.seed ? *options.seed : seedFromClock();
    return in;
}

// One run of the filter on a fresh host seeded with seed: `drawn` sees the
// document while the host lives. Returns the record after the run, or nothing
// when the dialog was cancelled.
std::optional<FocaraParams> runOnce(const RenderOptions& options, const Document& start, uint64_t seed,
                                    const FocaraParams& record, bool withDialog, std::vector<ScriptAction> actions,
                                    const std::function<void(const Document&)>& drawn)
{
    Host host(start.clone(), seed);
    PluginSession session(host, pluginPath(options.plugin));
    throwIfReported(session);
    session.runner().setRecord(record);
    ScriptedDriver driver(host, std::move(actions), std::cout);
    host.dialogs().setDriver(&driver);
    std::optional<AreaPush> push;
    if (options.area) push.emplace(host.document());

    PluginRunner::RunResult run = session.runner().runFilter(withDialog);
    host.dialogs().setDriver(nullptr);
    if (driver.error()) throw InputError(*driver.error());
    throwIfReported(session);
    if (run.outcome == PluginRunner::Outcome::Cancelled) return std::nullopt;
    FocaraParams after = *session.runner().record();
    if (push) push->apply(host.document(), *options.area, after);
    drawn(host.document());
    return after;
}

constexpr const char* kCancelled = "cancelled: the document and the record are as they were; nothing written\n";

void renderFrames(const RenderOptions& options)
{
    AnimationOptions animation;
    try {
        animation.format = animationFormatOf(options.output);
    } catch (const InputError& e) {
        throw InputError(std::string("--frames: ") + e.what());
    }
    animation.fps = options.fps;
    animation.dpi = options.dpi;
    // The background stays white until render takes a background option.
    animation.background = FrameBackground{};
    RenderInputs in = readRenderInputs(options, animation.format != AnimationFormat::Svg);
    AnimationWriter writer(animation, in.document.page);

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

    auto add = [&](const Document& drawn) { writer.addFrame(drawn); };
    // The dialog plays once; every later frame draws the record it left
    // (buttons that draw random settings are not played again).
    std::optional<FocaraParams> record =
        runOnce(options, in.document, in.seed, in.record, !options.noDialog, std::move(in.actions), add);
    if (!record) {
        std::cerr << kCancelled;
        return;
    }
    FocaraParams again = *record;
    again.previewDrawn = 0;
    for (int i = 1; i < frames; ++i)
        runOnce(options, in.document, in.seed + static_cast<uint64_t>(i), again, false, {}, add);

    std::vector<std::string> files = writer.finish();
    for (size_t i = 0; i < outputs.size(); ++i) outputs[i]->write(files.at(i));
    if (savedRecord) savedRecord->write(paramsFileBytes(*options.saveParams, *record));
    if (savedRecord) savedRecord->commit();
    for (auto& output : outputs) output->commit();
    std::cerr << "seed: " << in.seed << '\n';
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

void render(const RenderOptions& options)
{
    if (options.frames) return renderFrames(options);
    // Every input is read and checked before any output file exists.
    OutputFormat format = outputFormatOf(options.output);
    RenderInputs in = readRenderInputs(options, format == OutputFormat::Png);

    // Opened before the run, so that an unwritable output costs no drawing.
    std::optional<AtomicFile> savedRecord;
    if (options.saveParams) savedRecord.emplace(*options.saveParams);
    AtomicFile output(options.output);

    std::optional<FocaraParams> record =
        runOnce(options, in.document, in.seed, in.record, !options.noDialog, std::move(in.actions),
                [&](const Document& drawn) { output.write(outputBytes(format, drawn, in.seed, options.dpi)); });
    if (!record) {
        std::cerr << kCancelled;
        return;
    }
    if (savedRecord) savedRecord->write(paramsFileBytes(*options.saveParams, *record));
    if (savedRecord) savedRecord->commit();
    output.commit();
    std::cerr << "seed: " << in.seed << '\n';
}

void showParams(const std::filesystem::path& file)
{
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
