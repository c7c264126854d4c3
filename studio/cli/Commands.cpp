#include "studio/cli/Commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iostream>

#include "studio/cli/DialogActions.h"
#include "studio/cli/RenderSettings.h"
#include "studio/document/ColorText.h"
#include "studio/host/Host.h"
#include "studio/host/RecordDefaults.h"
#include "studio/io/AtomicFile.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/EmbeddedSettings.h"
#include "studio/io/ParamsJson.h"
#include "studio/io/RecordFile.h"
#include "studio/io/SvgWriter.h"
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

void render(const RenderOptions& options)
{
    // Every input is read and checked before any output file exists.
    if (options.from && options.params)
        throw InputError("--from: the record comes from the file; leave out --params (use --set to change fields)");
    OutputFormat format = outputFormatOf(options.output);
    if (options.saveParams && sameFile(*options.saveParams, options.output))
        throw InputError("--save-params " + displayName(*options.saveParams) +
                         ": names the same file as -o; one would overwrite the other");
    Document document = loadDocument(options.doc);
    std::optional<DrawingSettings> from;
    if (options.from) from = readFromOption(*options.from, defaultRecord(document));
    const HostSettings settings = resolveHostSettings(options, from, document.page);
    applyToDocument(document, settings);
    if (format == OutputFormat::Png) pngPixelSize(document.page, settings.dpi);  // refuses a page too large to draw
    std::optional<FocaraParams> stored;
    if (options.params) stored = readParamsFile(*options.params, defaultRecord(document));
    uint64_t seed = options.seed ? *options.seed : from ? from->seed : seedFromClock();

    Host host(std::move(document), seed);
    // The drawing that stays began this far into the random sequence.
    if (from) host.random().skip(from->drawsBefore);
    PluginSession session(host, pluginPath(options.plugin));
    throwIfReported(session);
    throwIfNotStarted(session, host);
    FocaraParams record = from ? from->record : stored ? *stored : defaultRecord(host.document());
    std::vector<ScriptAction> actions;
    const bool dialog = !options.noDialog && !from;
    if (!dialog) {
        applySets(record, options.sets);
        applyReachEdges(record, settings, host.document().page);
    } else {
        // The length is chosen for the centre the --set changes give; the dialog plays them again.
        FocaraParams changed = record;
        applySets(changed, options.sets);
        applyReachEdges(changed, settings, host.document().page);
        record.zoomLength = changed.zoomLength;
        actions = dialogActions({options.preset, options.sets, options.ui, options.uiFile}, record.currentPage);
    }
    session.runner().setRecord(record);
    ScriptedDriver driver(host, std::move(actions), std::cout);
    host.dialogs().setDriver(&driver);

    // Opened before the run, so that an unwritable output costs no drawing.
    std::optional<AtomicFile> savedRecord;
    if (options.saveParams) savedRecord.emplace(*options.saveParams);
    AtomicFile output(options.output);

    PluginRunner::RunResult run = session.runner().runFilter(dialog);
    host.dialogs().setDriver(nullptr);
    if (driver.error()) throw InputError(*driver.error());
    throwIfReported(session);
    if (run.outcome == PluginRunner::Outcome::Cancelled) {
        std::cerr << "cancelled: the document and the record are as they were; nothing written\n";
        return;
    }
    record = *session.runner().record();
    // A drawing error ends the run; what was drawn is kept and written, and the user is told.
    std::optional<std::string> refusal = host.takeRefusal();

    const DrawingSettings carried{seed, host.drawsAtLastUndo(), settings, record};
    writeOutput(format, host.document(), seed,
                outputOptionsFor(settings, host.document().page, settingsToJson(carried)), output);
    if (savedRecord) savedRecord->write(paramsFileBytes(*options.saveParams, record));
    if (savedRecord) savedRecord->commit();
    output.commit();
    std::cerr << "seed: " << seed << '\n';
    if (refusal || run.outcome == PluginRunner::Outcome::Failed)
        throw std::runtime_error("the run ended early: " +
                                 (refusal ? *refusal : "the filter's \"AI Go\" returned " + std::to_string(run.code)) +
                                 "; what was drawn until then is written");
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
