#include "studio/cli/Commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>

#include "studio/cli/FilterRun.h"
#include "studio/host/Host.h"
#include "studio/io/AtomicFile.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/RecordFile.h"
#include "studio/io/SvgWriter.h"

namespace studio::cli {

namespace {

enum class OutputFormat { Svg, Json };

OutputFormat outputFormatOf(const std::filesystem::path& file)
{
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".svg") return OutputFormat::Svg;
    if (ext == ".json") return OutputFormat::Json;
    throw InputError(displayName(file) + ": cannot tell the output format; the name must end in .svg or .json");
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

std::string_view bytesOf(const RecordBytes& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
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

void render(const RenderOptions& options)
{
    // Every input is read and checked before any output file exists.
    OutputFormat format = outputFormatOf(options.output);
    Document document = loadDocument(options.doc);
    std::optional<FocaraParams> stored;
    if (options.params) stored = readRecordFile(*options.params);
    uint64_t seed = options.seed ? *options.seed : seedFromClock();

    Host host(std::move(document), seed);
    PluginSuites suites(host.basicSuite());
    FocaraParams record = stored ? *stored : defaultRecord();
    applySets(record, options.sets);

    // Opened before the run, so that an unwritable output costs no drawing.
    std::optional<AtomicFile> savedRecord;
    if (options.saveParams) savedRecord.emplace(*options.saveParams);
    AtomicFile output(options.output);

    // Until the dialog exists, every render is the final run without one.
    host.beginUndoContext();
    runFilterWithoutDialog(record);  // a final run's drawing error is not reported

    output.write(format == OutputFormat::Svg ? documentToSvg(host.document()) : documentToJson(host.document(), seed));
    if (savedRecord) savedRecord->write(bytesOf(recordToBytes(record)));
    if (savedRecord) savedRecord->commit();
    output.commit();
    std::cerr << "seed: " << seed << '\n';
}

void showParams(const std::filesystem::path& file) { std::cout << recordToJson(readRecordFile(file)); }

void makeParams(const MakeParamsOptions& options)
{
    Document document = loadDocument(options.doc);
    Host host(std::move(document), 0);  // the defaults draw no random numbers
    PluginSuites suites(host.basicSuite());
    FocaraParams record = defaultRecord();
    applySets(record, options.sets);
    writeFileAtomically(options.output, bytesOf(recordToBytes(record)));
}

}  // namespace studio::cli
