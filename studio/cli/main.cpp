// focara: draws focus lines into a document from the command line.
#include <CLI/CLI.hpp>
#include <iostream>

#include "studio/cli/Commands.h"
#include "studio/cli/InkscapeExtension.h"
#include "studio/cli/StudioCommand.h"
#include "studio/io/Files.h"

namespace {

// Exit codes: 0 done, 1 the program itself failed, 2 bad input or usage.
constexpr int kExitFailure = 1;
constexpr int kExitBadInput = 2;

}  // namespace

int main(int argc, char** argv)
{
    using namespace studio::cli;

    CLI::App app{"Focara draws focus lines: bursts of closed vector paths radiating from a centre.", "focara"};
    app.require_subcommand(1);

    RenderOptions render;
    std::string doc, params, saveParams, seed, output;
    CLI::App* renderCommand = app.add_subcommand("render", "Run the filter on a document and write the result.");
    renderCommand->add_option("--doc", doc, "Document to draw into (JSON); default: the built-in document")
        ->type_name("DOC.json");
    renderCommand
        ->add_option("--params", params,
                     "Parameter file to start from (.rec, or .json of fields by name); default: the plug-in's defaults")
        ->type_name("REC.rec");
    renderCommand
        ->add_option("--save-params", saveParams,
                     "Store the record as it stands after the run (.rec, or .json of fields by name)")
        ->type_name("REC.rec");
    renderCommand->add_option("--seed", seed, "Seed of the host's random numbers; default: from the clock")
        ->type_name("N");
    std::string preset, ui, uiFile;
    CLI::Option* presetOption =
        renderCommand->add_option("--preset", preset, "Choose entry N of the dialog's preset popup (0 is Reset)")
            ->type_name("N");
    renderCommand
        ->add_option("--set", render.sets,
                     "Type a value into the dialog item that shows the field, after the preset, e.g. "
                     "--set lineCount=50 (repeatable); with --no-dialog, change the record as stored")
        ->type_name("FIELD=VALUE")
        ->allow_extra_args(false);
    CLI::Option* uiOption =
        renderCommand
            ->add_option(
                "--ui", ui,
                "Dialog actions, one per line or ';'-separated: set ID VALUE, toggle ID, choose ID ENTRY, click ID, "
                "pick ID X Y, ok, cancel, state. Without ok or cancel the dialog is accepted")
            ->type_name("ACTIONS");
    CLI::Option* uiFileOption =
        renderCommand->add_option("--ui-file", uiFile, "A file of dialog actions, played before --ui")
            ->type_name("FILE");
    renderCommand
        ->add_flag("--no-dialog", render.noDialog, "Run \"AI Go\" alone on the record as stored, without the dialog")
        ->excludes(presetOption)
        ->excludes(uiOption)
        ->excludes(uiFileOption);
    std::string plugin;
    renderCommand->add_option("--plugin", plugin, "The plug-in library; default: Vexo_Zoom.aip beside focara")
        ->type_name("PATH");
    renderCommand
        ->add_option("-o,--output", output,
                     "Output file: .svg, .json, .png or .pdf; with --frames .webp, .gif, .svg or frames-%04d.png")
        ->type_name("OUT")
        ->required();
    std::string dpi, fill, stroke, strokeWidth;
    renderCommand->add_option("--dpi", dpi, "Pixels per inch of a PNG; default 150")->type_name("N");
    renderCommand->add_option("--fill", fill, "Fill of new paths: #rrggbb, gray:G, cmyk:C,M,Y,K or none")
        ->type_name("COLOR");
    renderCommand->add_option("--stroke", stroke, "Stroke of new paths: #rrggbb, gray:G, cmyk:C,M,Y,K or none")
        ->type_name("COLOR");
    renderCommand->add_option("--stroke-width", strokeWidth, "Stroke width of new paths, points")->type_name("W");
    std::string page, clip, background, from;
    renderCommand->add_option("--page", page, "Page size: letter, a4, a5, b4, b5 (JIS) or WxH with unit pt, mm or in")
        ->type_name("SIZE");
    renderCommand->add_flag("--landscape", render.landscape, "Turn the page on its side");
    renderCommand->add_option("--clip", clip, "Cut the drawing at the page or at a panel X,Y,W,H (points, y up)")
        ->type_name("page|X,Y,W,H");
    renderCommand->add_flag("--reach-edges", render.reachEdges,
                            "Choose zoomLength so the longest line reaches the far corner of the clip or page");
    renderCommand
        ->add_option("--background", background, "PNG background: white (default), none (transparent) or a colour")
        ->type_name("white|none|COLOR");
    CLI::Option* fromOption =
        renderCommand
            ->add_option("--from", from,
                         "Draw again from the settings an output carries (.svg, .png, .pdf, .json); --set changes "
                         "fields on top")
            ->type_name("FILE");
    fromOption->excludes(presetOption)->excludes(uiOption)->excludes(uiFileOption);
    std::string area, frames, fps, look;
    CLI::Option* lookOption =
        renderCommand
            ->add_option("--look", look,
                         "Start from a look (see focara looks): its record and host settings; --preset, --set and "
                         "the options given change it")
            ->type_name("NAME");
    lookOption->excludes(fromOption);
    renderCommand
        ->add_option("--area", area,
                     "The clear area in the middle, in points (y up), turned DEG counter-clockwise: "
                     "ellipse:CX,CY,RX,RY[,DEG] or rect:X,Y,W,H[,DEG]")
        ->type_name("SHAPE");
    CLI::Option* framesOption =
        renderCommand
            ->add_option("--frames", frames,
                         "Draw an animation of N frames (1 to 600), each with the next seed, to -o .webp, .gif, .svg "
                         "or a .png name with a frame number such as frames-%04d.png")
            ->type_name("N");
    renderCommand->add_option("--fps", fps, "Frames per second of the animation (1 to 60); default 12")
        ->type_name("F")
        ->needs(framesOption);

    MakeParamsOptions make;
    std::string showFile, makeDoc, makeOutput;
    CLI::App* paramsCommand =
        app.add_subcommand("params", "Show or make parameter files (.rec records, or .json fields by name).");
    paramsCommand->require_subcommand(1);
    CLI::App* showCommand = paramsCommand->add_subcommand(
        "show", "Print a record's fields by name as JSON: of a parameter file or of an output's settings.");
    showCommand->add_option("file", showFile, "Parameter file (.rec or .json), or an output of focara render")
        ->type_name("PARAMS|OUTPUT")
        ->required();
    CLI::App* makeCommand = paramsCommand->add_subcommand("make", "Write the default record plus changes.");
    makeCommand->add_option("--doc", makeDoc, "Document whose view centre is the default zoom centre")
        ->type_name("DOC.json");
    makeCommand->add_option("--set", make.sets, "Change one record field (repeatable)")
        ->type_name("FIELD=VALUE")
        ->allow_extra_args(false);
    makeCommand->add_option("-o,--output", makeOutput, "Parameter file to write")
        ->type_name("REC.rec|PARAMS.json")
        ->required();

    std::string presetsPlugin;
    CLI::App* presetsCommand =
        app.add_subcommand("presets", "List the dialog's preset entries and what each sets apart from the defaults.");
    presetsCommand->add_option("--plugin", presetsPlugin, "The plug-in library")->type_name("PATH");

    CLI::App* looksCommand =
        app.add_subcommand("looks", "List the looks (named settings for render --look and the studio).");

    std::string aboutPlugin, infoPlugin;
    CLI::App* aboutCommand = app.add_subcommand("about", "Print the plug-in's About box.");
    aboutCommand->add_option("--plugin", aboutPlugin, "The plug-in library")->type_name("PATH");
    CLI::App* infoCommand =
        app.add_subcommand("info", "Print the plug-in's property list, its filter and the suites it acquires.");
    infoCommand->add_option("--plugin", infoPlugin, "The plug-in library")->type_name("PATH");

    std::string extensionDir;
    CLI::App* extensionCommand = app.add_subcommand(
        "install-inkscape-extension",
        "Copy the Inkscape extension (Extensions > Render > Focus lines) to the user's extension folder.");
    extensionCommand->add_option("--dir", extensionDir, "Folder to copy to; default: ~/.config/inkscape/extensions")
        ->type_name("FOLDER");

    StudioCommandOptions studioOptions;
    std::string studioDoc, studioSeed, studioPlugin;
    CLI::App* studioCommand = app.add_subcommand(
        "studio", "Serve the studio on 127.0.0.1: the document, the Filter menu and the dialog in a web page.");
    studioCommand->add_option("--doc", studioDoc, "Document to start from (JSON); default: the built-in document")
        ->type_name("DOC.json");
    studioCommand->add_option("--port", studioOptions.port, "Port on 127.0.0.1; default 8400, 0 for any free port")
        ->type_name("P")
        ->check(CLI::Range(0, 65535));
    studioCommand->add_option("--seed", studioSeed, "Seed of the host's random numbers; default: from the clock")
        ->type_name("N");
    studioCommand->add_option("--plugin", studioPlugin, "The plug-in library; default: Vexo_Zoom.aip beside focara")
        ->type_name("PATH");

    auto optionalPath = [](CLI::App* command, const std::string& value) {
        return command->count("--plugin") ? std::optional<std::filesystem::path>(value) : std::nullopt;
    };

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help
        std::cerr << "focara: " << e.what() << " (see focara --help)\n";
        return kExitBadInput;
    }

    try {
        if (renderCommand->parsed()) {
            if (renderCommand->count("--doc")) render.doc = doc;
            if (renderCommand->count("--params")) render.params = params;
            if (renderCommand->count("--save-params")) render.saveParams = saveParams;
            if (renderCommand->count("--seed")) render.seed = parseSeed(seed);
            render.plugin = optionalPath(renderCommand, plugin);
            if (renderCommand->count("--preset")) render.preset = preset;
            if (renderCommand->count("--ui")) render.ui = ui;
            if (renderCommand->count("--ui-file")) render.uiFile = uiFile;
            if (renderCommand->count("--dpi")) render.dpi = parseDpi(dpi);
            if (renderCommand->count("--fill")) render.fill = (parseColorOption("--fill", fill), fill);
            if (renderCommand->count("--stroke")) render.stroke = (parseColorOption("--stroke", stroke), stroke);
            if (renderCommand->count("--stroke-width")) render.strokeWidth = parseStrokeWidth(strokeWidth);
            if (renderCommand->count("--page")) render.page = (checkPageOption(page), page);
            if (renderCommand->count("--clip")) render.clip = (checkClipOption(clip), clip);
            if (renderCommand->count("--background"))
                render.background = (checkBackgroundOption(background), background);
            if (renderCommand->count("--from")) render.from = from;
            if (renderCommand->count("--area")) render.area = parseArea(area);
            if (renderCommand->count("--frames")) render.frames = parseFrames(frames);
            if (renderCommand->count("--fps")) render.fps = parseFps(fps);
            if (renderCommand->count("--look")) render.look = (checkLookOption(look), look);
            render.output = output;
            studio::cli::render(render);
        } else if (studioCommand->parsed()) {
            if (studioCommand->count("--doc")) studioOptions.doc = studioDoc;
            if (studioCommand->count("--seed")) studioOptions.seed = parseSeed(studioSeed);
            studioOptions.plugin = optionalPath(studioCommand, studioPlugin);
            studio::cli::studioCommand(studioOptions);
        } else if (showCommand->parsed()) {
            showParams(showFile);
        } else if (makeCommand->parsed()) {
            if (makeCommand->count("--doc")) make.doc = makeDoc;
            make.output = makeOutput;
            makeParams(make);
        } else if (presetsCommand->parsed()) {
            presets(optionalPath(presetsCommand, presetsPlugin));
        } else if (looksCommand->parsed()) {
            looks();
        } else if (aboutCommand->parsed()) {
            about(optionalPath(aboutCommand, aboutPlugin));
        } else if (extensionCommand->parsed()) {
            installInkscapeExtension(
                extensionCommand->count("--dir") ? std::optional<std::filesystem::path>(extensionDir) : std::nullopt);
        } else if (infoCommand->parsed()) {
            info(optionalPath(infoCommand, infoPlugin));
        }
    } catch (const PluginReportedError& e) {
        std::cerr << e.what() << '\n';
        return kExitFailure;
    } catch (const studio::InputError& e) {
        std::cerr << e.what() << '\n';
        return kExitBadInput;
    } catch (const std::exception& e) {
        std::cerr << "focara: " << e.what() << '\n';
        return kExitFailure;
    }
    return 0;
}
