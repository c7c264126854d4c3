// Animated SVG: every frame a group of its layers; SMIL animations on the
// groups' display show one at a time, in turn, looping. A viewer without SMIL
// shows the first frame.
#include <charconv>
#include <cmath>
#include <set>

#include "studio/io/FrameSink.h"
#include "studio/io/NumberText.h"
#include "studio/io/SvgWriter.h"

namespace studio {

namespace {

std::string decimal(double value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string hexColour(const FrameBackground& background)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "#";
    for (float channel : {background.red, background.green, background.blue}) {
        const long v = std::lround(std::fmin(std::fmax(channel, 0.0f), 1.0f) * 255.0f);
        out += kHex[v >> 4];
        out += kHex[v & 15];
    }
    return out;
}

class SvgSink final : public FrameSink {
public:
    SvgSink(const AnimationOptions& options, const Page& page) : options_(options), page_(page) {}

    void add(const Document& frame, const std::string&) override
    {
        std::string body;
        appendSvgLayers(body, frame, ids_);
        frames_.push_back(std::move(body));
    }

    std::vector<std::string> finish() override
    {
        const size_t n = frames_.size();
        const std::string width = numberText(page_.width);
        const std::string height = numberText(page_.height);
        const std::string duration = decimal(static_cast<double>(n) / options_.fps) + "s";
        std::string out;
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
        out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width + "pt\" height=\"" +
               height + "pt\" viewBox=\"0 0 " + width + " " + height + "\">\n";
        if (!options_.background.transparent)
            out += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" + hexColour(options_.background) +
                   "\"/>\n";
        std::string clip;
        if (options_.clip) {
            const ClipRect& r = *options_.clip;
            out += "<defs><clipPath id=\"focara-clip\"><rect x=\"" + numberText(r.x) + "\" y=\"" + numberText(r.y) +
                   "\" width=\"" + numberText(r.width) + "\" height=\"" + numberText(r.height) +
                   "\"/></clipPath></defs>\n";
            clip = " clip-path=\"url(#focara-clip)\"";
        }
        // Artwork y points up from the bottom of the page; SVG's points down
        // from the top. The clip is in artwork points, inside the flip.
        out += "<g transform=\"matrix(1 0 0 -1 0 " + height + ")\"" + clip + ">\n";
        for (size_t i = 0; i < n; ++i) {
            out += "<g id=\"frame-" + std::to_string(i + 1) + "\"";
            if (i > 0) out += " display=\"none\"";
            out += ">\n";
            if (n > 1) {
                // Discrete values hold from their key time to the next.
                std::string values = i == 0 ? "inline;none" : "none;inline";
                std::string keyTimes = "0;" + decimal(static_cast<double>(i == 0 ? 1 : i) / static_cast<double>(n));
                if (i > 0 && i + 1 < n) {
                    values += ";none";
                    keyTimes += ";" + decimal(static_cast<double>(i + 1) / static_cast<double>(n));
                }
                out += "<animate attributeName=\"display\" calcMode=\"discrete\" values=\"" + values +
                       "\" keyTimes=\"" + keyTimes + "\" dur=\"" + duration + "\" repeatCount=\"indefinite\"/>\n";
            }
            out += frames_[i];
            out += "</g>\n";
        }
        out += "</g>\n</svg>\n";
        return {std::move(out)};
    }

private:
    AnimationOptions options_;
    Page page_;
    std::set<std::string> ids_;
    std::vector<std::string> frames_;
};

}  // namespace

std::unique_ptr<FrameSink> makeSvgSink(const AnimationOptions& options, const Page& page)
{
    return std::make_unique<SvgSink>(options, page);
}

}  // namespace studio
