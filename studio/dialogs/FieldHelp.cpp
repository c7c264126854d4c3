#include "studio/dialogs/FieldHelp.h"

#include <array>
#include <cmath>
#include <sstream>

namespace studio {

namespace {

constexpr std::string_view kRandom = "Random: a fresh random amount for every line";

// clang-format off
constexpr std::array<FieldHelp, 94> kHelp{{
    {"preview", "Preview", "Draws the lines in the document at every change, before OK", ""},
    {"presetIndex", "Preset", "Replaces the settings with a stored set; Reset gives the defaults", ""},
    {"viewZoom", "View zoom", "Zoom of the document view while picking points", "%"},
    {"lineCount", "Lines", "How many lines one zoom set draws around the centre", "lines"},
    {"shapeStyle", "Line shape", "The outline every line is drawn with", ""},
    {"zoomLength", "Zoom length", "Length of every line", "pt"},
    {"zoomDistance", "Zoom distance", "Distance from the centre to where the lines start", "pt"},
    {"zoomWidth", "Zoom width", "Width of every line at its widest", "pt"},
    {"zoomLengthSpread", "Length spread", "How much the length may vary from line to line", "%"},
    {"zoomDistanceSpread", "Distance spread", "How much the distance may vary from line to line", "%"},
    {"zoomWidthSpread", "Width spread", "How much the width may vary from line to line", "%"},
    {"centerMode", "Centre mode", "Where the zoom centre is taken from", ""},
    {"centerX", "Zoom centre x", "Horizontal position of the zoom centre, from the page's left edge", "pt"},
    {"centerY", "Zoom centre y", "Vertical position of the zoom centre, from the page's bottom edge", "pt"},
    {"rotation", "Rotation", "Turns the whole burst around its centre", "°"},
    {"rotationSpread", "Rotation spread", "How much the rotation may vary", "°"},
    {"scaleHorizontal", "Horizontal scaling", "Stretches the burst sideways; 100 leaves it as it is", "%"},
    {"scaleVertical", "Vertical scaling", "Stretches the burst up and down; 100 leaves it as it is", "%"},
    {"scaleHorizontalSpread", "Horizontal scaling spread", "How much the horizontal scaling may vary", "%"},
    {"scaleVerticalSpread", "Vertical scaling spread", "How much the vertical scaling may vary", "%"},
    {"centerXSpread", "Centre x spread", "How far the centre may wander sideways", "pt"},
    {"centerYSpread", "Centre y spread", "How far the centre may wander up and down", "pt"},
    {"sketchWeight", "Sketch weight", "Stroke weight of the sketch copies, in tenths of a point", "1/10 pt"},
    {"sketchShift", "Sketch shift", "How far each sketch copy is shifted from its line", "pt"},
    {"sketchRepeats", "Sketch repeats", "How many sketch copies every line gets; 0 for none", "copies"},
    {"sketchColorMode", "Sketch colour", "How the sketch copies are coloured", ""},
    {"angleMin", "Minimum angle", "Lines are drawn from this angle on", "°"},
    {"angleMax", "Maximum angle", "Lines are drawn up to this angle", "°"},
    {"randomAngle", "Random angle", "How far each line's angle may be turned at random", "°"},
    {"interpolationMode", "Interpolation", "How values change from the first line to the last", ""},
    {"interpolationAmount", "Interpolation amount", "How strongly the interpolation acts", "%"},
    {"patternSkip1", "Skip 1", "Lines left out in the first step of the pattern", "lines"},
    {"patternCreate1", "Create 1", "Lines drawn in the first step of the pattern", "lines"},
    {"patternSkip2", "Skip 2", "Lines left out in the second step of the pattern", "lines"},
    {"patternCreate2", "Create 2", "Lines drawn in the second step of the pattern", "lines"},
    {"patternSkip3", "Skip 3", "Lines left out in the third step of the pattern", "lines"},
    {"patternCreate3", "Create 3", "Lines drawn in the third step of the pattern", "lines"},
    {"zoomSets", "Zoom sets", "How many bursts are drawn, each changed from the one before", "sets"},
    {"setLengthPercent", "Length per set", "Each set's length against the set before", "%"},
    {"setDistancePercent", "Distance per set", "Each set's distance against the set before", "%"},
    {"setWidthPercent", "Width per set", "Each set's width against the set before", "%"},
    {"setShiftX", "Horizontal shift per set", "How far each set moves sideways", "pt"},
    {"setShiftY", "Vertical shift per set", "How far each set moves up or down", "pt"},
    {"setAngle", "Angle per set", "How far each set is turned against the one before", "°"},
    {"setFill", "Fill per set", "How each set's fill changes against the one before", ""},
    {"setCenterShiftX", "Centre x shift per set", "How far each set's centre moves sideways", "pt"},
    {"setCenterShiftY", "Centre y shift per set", "How far each set's centre moves up or down", "pt"},
    {"repeatAltScaling", "Alternate scaling", "Every other set is scaled the other way", ""},
    {"repeatAltRotation", "Alternate rotation", "Every other set is turned the other way", ""},
    {"midpointX", "Midpoint x", "Horizontal position of the midpoint the line values are measured from", "pt"},
    {"midpointY", "Midpoint y", "Vertical position of the midpoint the line values are measured from", "pt"},
    {"midpointApplyLength", "Midpoint applies to length", "Lines nearer the midpoint get the midpoint length", ""},
    {"midpointApplyDistance", "Midpoint applies to distance", "Lines nearer the midpoint get the midpoint distance", ""},
    {"midpointApplyWidth", "Midpoint applies to width", "Lines nearer the midpoint get the midpoint width", ""},
    {"midpointApplyFill", "Midpoint applies to fill", "Lines nearer the midpoint get the midpoint fill", ""},
    {"midpointApplyCreate", "Midpoint applies to create", "Whether lines near the midpoint are drawn follows the midpoint", ""},
    {"lineLengthPercent", "Length per line", "Each line's length against the line before", "%"},
    {"lineDistancePercent", "Distance per line", "Each line's distance against the line before", "%"},
    {"lineWidthPercent", "Width per line", "Each line's width against the line before", "%"},
    {"lineFill", "Fill per line", "How each line's fill changes against the line before", ""},
    {"midpointLength", "Midpoint length", "Length of the lines at the midpoint", "%"},
    {"midpointDistance", "Midpoint distance", "Distance of the lines at the midpoint", "%"},
    {"midpointFill", "Midpoint fill", "Fill of the lines at the midpoint", "%"},
    {"midpointWidth", "Midpoint width", "Width of the lines at the midpoint", "%"},
    {"midpointCreate", "Midpoint create", "How likely lines at the midpoint are drawn", "%"},
    {"randomFill", "Random fill", "Each line gets a random fill colour", ""},
    {"randomFillSwatch", "Random fill swatch", "Each line's fill is a random swatch of the document", ""},
    {"randomStroke", "Random stroke", "Each line gets a random stroke colour", ""},
    {"randomStrokeSwatch", "Random stroke swatch", "Each line's stroke is a random swatch of the document", ""},
    {"randomStrokeWidth", "Random stroke width", "Each line gets a random stroke width", ""},
    {"randomStyle", "Random style", "Each line gets a random graphic style of the document", ""},
    {"randomOpacity", "Random opacity", "Each line gets a random opacity", ""},
    {"randomCreate", "Random create", "Lines are left out at random", ""},
    {"randomLineShape", "Random line shape", "Each line gets a random shape", ""},
    {"randomLineShapePerSet", "Random line shape per set", "Each zoom set gets a random shape", ""},
    {"alternateLineShapes", "Alternate line shapes", "Lines alternate between random shapes", ""},
    {"dropShadow", "Drop shadow", "Every line gets a shadow copy beneath it", ""},
    {"randomShadowAngle", "Random shadow angle", "Each shadow is offset at a random angle", ""},
    {"randomShadowOpacity", "Random shadow opacity", "Each shadow gets a random opacity", ""},
    {"halfShadow", "Half shadow", "Shadows for every other line only", ""},
    {"randomShadowScale", "Random shadow scale", "Each shadow is scaled at random", ""},
    {"swatchOrder", "Swatch order", "Swatches are taken in the document's order instead of at random", ""},
    {"layerPerPass", "Layer per pass", "The drawing goes on a new layer of its own", ""},
    {"layerPerSet", "Layer per set", "Every zoom set goes on a new layer", ""},
    {"layerPerLine", "Layer per line", "Every line goes on a new layer", ""},
    {"randomLength", "Random length", "Each line's length varies at random within the spread", ""},
    {"randomDistance", "Random distance", "Each line's distance varies at random within the spread", ""},
    {"randomWidth", "Random width", "Each line's width varies at random within the spread", ""},
    {"randomScaling", "Random scaling", "The scaling varies at random within its spread", ""},
    {"randomRotation", "Random rotation", "The rotation varies at random within its spread", ""},
    {"jitterScaling", "Jitter scaling", "Each line's scaling is shaken at random", ""},
    {"jitterCenter", "Jitter centre", "Each line's centre is shaken at random", ""},
    {"jitterFill", "Jitter fill", "Each line's fill colour is shaken at random", ""},
    {"jitterStroke", "Jitter stroke", "Each line's stroke colour is shaken at random", ""},
}};
// clang-format on

std::string number(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

}  // namespace

std::optional<FieldHelp> fieldHelp(std::string_view field)
{
    for (const FieldHelp& help : kHelp)
        if (help.field == field) return help;
    // Fields whose help is the same as a sibling's.
    if (field == "jitterStrokeWidth")
        return FieldHelp{field, "Jitter stroke width", "Each line's stroke width is shaken at random", ""};
    if (field == "randomSketchShift")
        return FieldHelp{field, "Random sketch shift", "Each sketch copy is shifted by a random amount", ""};
    if (field == "randomSketchWidth")
        return FieldHelp{field, "Random sketch width", "Each sketch copy gets a random width", ""};
    if (field == "randomInterpolation")
        return FieldHelp{field, "Random interpolation", "The interpolation amount varies at random", ""};
    return std::nullopt;
}

const FocaraParamField* fieldOfItem(int32_t item)
{
    if (item == 0) return nullptr;
    for (const FocaraParamField& field : kFocaraParamFields)
        if (field.item == item) return &field;
    return nullptr;
}

std::string tooltipOf(const FocaraParamField& field, const FieldHelp& help, std::string_view itemText)
{
    std::string text(help.title);
    text += ": ";
    text += help.about;
    text += ".";
    if (field.type == kParamFlag) {
        text += " On or off.";
    } else if (field.type == kParamInt || field.type == kParamReal) {
        text += " " + number(field.minimum) + " to " + number(field.maximum);
        if (!help.unit.empty()) text += " " + std::string(help.unit);
        text += ".";
    }
    if (itemText.find("(R)") != std::string_view::npos) text += " (R) means random: " + std::string(kRandom) + ".";
    return text;
}

}  // namespace studio
