// What every writer takes besides the document: where the drawing is cut,
// the settings it carries, and where its bytes go as they are made.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "studio/document/Color.h"
#include "studio/document/HostSettings.h"

namespace studio {

// Receives the output in pieces, in order; large outputs never exist whole in memory.
using ByteSink = std::function<void(std::string_view)>;

struct OutputOptions {
    std::optional<ClipRect> clip;  // artwork points; nullopt: nothing is cut
    std::string settings;          // settingsToJson's line; empty: none carried
    // PNG only: the page's colour under the drawing; nullopt: transparent (RGBA).
    std::optional<Color> background = Color::rgb(1, 1, 1);
    double dpi = 150;  // PNG only
};

// Collects output and hands it to a sink in pieces of about a megabyte.
class ChunkedOutput {
public:
    explicit ChunkedOutput(const ByteSink& sink) : sink_(sink) { buffer_.reserve(kChunk + 4096); }
    ~ChunkedOutput() = default;
    ChunkedOutput(const ChunkedOutput&) = delete;
    ChunkedOutput& operator=(const ChunkedOutput&) = delete;

    std::string& text() { return buffer_; }
    // Call between items: hands the buffer on once it is large.
    void maybeFlush()
    {
        if (buffer_.size() >= kChunk) flush();
    }
    void flush()
    {
        if (!buffer_.empty()) sink_(buffer_);
        buffer_.clear();
    }

private:
    static constexpr size_t kChunk = size_t(1) << 20;
    const ByteSink& sink_;
    std::string buffer_;
};

}  // namespace studio
