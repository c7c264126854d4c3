// The focara command's subcommands. Bad input throws studio::InputError with
// one line naming the file or option; nothing is written then.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "studio/document/Color.h"
#include "studio/document/ReferenceArea.h"

namespace studio::cli {

struct RenderOptions {
    std::optional<std::filesystem::path> doc;         // else the default document
    std::optional<std::filesystem::path> params;      // else the plug-in's defaults
    std::optional<std::filesystem::path> saveParams;  // the record after the run
    std::optional<uint64_t> seed;                     // else from the clock
    std::vector<std::string> sets;                    // FIELD=VALUE, in order: typed into the dialog,
                                                      // or with noDialog written into the record
    std::optional<std::string> preset;                // entry of the preset popup, chosen first
    std::optional<std::string> ui;                    // dialog actions, after the preset and sets
    std::optional<std::filesystem::path> uiFile;      // a file of dialog actions, before ui
    bool noDialog = false;
    std::optional<std::filesystem::path> plugin;  // else Vexo_Zoom.aip beside focara
    std::filesystem::path output;                 // .svg, .json, .png or .pdf
    std::optional<double> dpi;                    // pixels per inch of a PNG; else 150
    // The document's current style for new paths, as a user sets fill and
    // stroke before running the filter. A colour of kind none unpaints and
    // leaves the colour as it was.
    // As typed: "#rrggbb", "gray:G", "cmyk:C,M,Y,K" or "none" (checked by parseColorOption).
    std::optional<std::string> fill;
    std::optional<std::string> stroke;
    std::optional<float> strokeWidth;
    // The page of the document: a name or WxH[pt|mm|in]; landscape turns it
    // (or the document's own page) on its side.
    std::optional<std::string> page;
    bool landscape = false;
    std::optional<std::string> clip;        // "page" or "X,Y,W,H"
    bool reachEdges = false;                // zoomLength reaches the clip's (or page's) far corner
    std::optional<std::string> background;  // PNG: "white", "none" or a colour
    // An output whose settings (record, seed, host settings) this run starts
    // from, without the dialog; the options above given as well win.
    std::optional<std::filesystem::path> from;
    // The clear area in the middle: aims the record at it before the run and
    // pushes the drawn lines out to its border after.
    std::optional<ReferenceArea> area;
    // An animation of this many frames, each drawn with the next seed.
    std::optional<int> frames;
    int fps = 12;
    // A look to start from: its record in place of the defaults, its host
    // settings under the options given.
    std::optional<std::string> look;
};

// The plug-in showed its error dialog: what() holds its "Plug-in Error: ..." lines.
class PluginReportedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs the filter on the document and writes it. Prints "seed: N" on stderr.
// With frames, the first frame is that run, and every later one runs "AI Go"
// alone on the record the first left, on a fresh host seeded one more.
// The dialog plays the preset, the sets and the scripts, and is accepted
// unless they end it; a cancelled dialog writes nothing and says so. An
// action the dialog refuses throws InputError naming it.
void render(const RenderOptions& options);

// Prints every entry of the preset popup with the fields it sets apart from the defaults.
void presets(const std::optional<std::filesystem::path>& plugin);

// Prints the record's fields by name as JSON on stdout: of a .rec file, or
// of the settings an output carries.
void showParams(const std::filesystem::path& file);

struct MakeParamsOptions {
    std::optional<std::filesystem::path> doc;  // its view centre is the default zoom centre
    std::vector<std::string> sets;
    std::filesystem::path output;
};

// Writes the default record plus changes.
void makeParams(const MakeParamsOptions& options);

// Prints every look: its name, title, what it is for and what it sets.
void looks();

// Prints the texts of the plug-in's About box.
void about(const std::optional<std::filesystem::path>& plugin);

// Prints the plug-in's property list, the filter it registered and the suites it acquired.
void info(const std::optional<std::filesystem::path>& plugin);

// "--seed" text as a seed: a decimal whole number that fits 64 bits.
uint64_t parseSeed(const std::string& text);

// A colour option's text ("--fill", "--stroke"): #rrggbb, gray:G,
// cmyk:C,M,Y,K or none. Throws InputError naming the option.
Color parseColorOption(const std::string& option, const std::string& text);
// "--stroke-width": points, at least 0.
float parseStrokeWidth(const std::string& text);
// "--dpi": pixels per inch, above 0.
double parseDpi(const std::string& text);
// "--page", "--clip", "--background": checked as main reads them. Throw
// InputError naming the option.
void checkPageOption(const std::string& text);
void checkClipOption(const std::string& text);
void checkBackgroundOption(const std::string& text);
// "--area": ellipse:CX,CY,RX,RY[,DEG] or rect:X,Y,W,H[,DEG].
ReferenceArea parseArea(const std::string& text);
// "--frames" (1 to 600) and "--fps" (1 to 60): whole numbers.
int parseFrames(const std::string& text);
int parseFps(const std::string& text);
// "--look": one of the looks' names.
void checkLookOption(const std::string& name);

}  // namespace studio::cli
