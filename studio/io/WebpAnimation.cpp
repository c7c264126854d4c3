// Animated WebP by libwebp's animation encoder: lossless frames (flat colours
// and sharp edges compress well that way, and the frames stay exact).
#include <webp/encode.h>
#include <webp/mux.h>

#include <stdexcept>

#include "studio/io/FrameRaster.h"
#include "studio/io/FrameSink.h"

namespace studio {

namespace {

struct EncoderDeleter {
    void operator()(WebPAnimEncoder* e) const { WebPAnimEncoderDelete(e); }
};

// Fast settings: the frames are few colours, where more effort gains little.
constexpr int kMethod = 0;
constexpr float kQuality = 10;

class WebpSink final : public FrameSink {
public:
    WebpSink(const AnimationOptions& options, const Page& page) : raster_(page, options.dpi), options_(options)
    {
        WebPAnimEncoderOptions encoderOptions;
        if (!WebPAnimEncoderOptionsInit(&encoderOptions)) throw std::runtime_error("libwebp: version mismatch");
        encoderOptions.anim_params.loop_count = 0;  // for ever
        encoderOptions.anim_params.bgcolor = 0;
        const PixelSize size = raster_.size();
        encoder_.reset(WebPAnimEncoderNew(size.width, size.height, &encoderOptions));
        if (!encoder_) throw std::runtime_error("libwebp could not start the animation");
        if (!WebPConfigInit(&config_)) throw std::runtime_error("libwebp: version mismatch");
        config_.lossless = 1;
        config_.method = kMethod;
        config_.quality = kQuality;
        config_.exact = 1;
    }

    void add(const Document& frame, const std::string&) override
    {
        raster_.draw(frame, options_.background, options_.clip);
        const PixelSize size = raster_.size();
        const std::vector<uint8_t> pixels = raster_.rgba();
        WebPPicture picture;
        if (!WebPPictureInit(&picture)) throw std::runtime_error("libwebp: version mismatch");
        picture.use_argb = 1;
        picture.width = size.width;
        picture.height = size.height;
        if (!WebPPictureImportRGBA(&picture, pixels.data(), size.width * 4)) {
            WebPPictureFree(&picture);
            throw std::runtime_error("libwebp could not take the frame");
        }
        const int ok = WebPAnimEncoderAdd(encoder_.get(), &picture, timestamp(count_), &config_);
        WebPPictureFree(&picture);
        if (!ok) throw std::runtime_error(std::string("libwebp: ") + WebPAnimEncoderGetError(encoder_.get()));
        ++count_;
    }

    std::vector<std::string> finish() override
    {
        if (!WebPAnimEncoderAdd(encoder_.get(), nullptr, timestamp(count_), nullptr))
            throw std::runtime_error(std::string("libwebp: ") + WebPAnimEncoderGetError(encoder_.get()));
        WebPData data;
        WebPDataInit(&data);
        if (!WebPAnimEncoderAssemble(encoder_.get(), &data))
            throw std::runtime_error(std::string("libwebp: ") + WebPAnimEncoderGetError(encoder_.get()));
        std::string bytes(reinterpret_cast<const char*>(data.bytes), data.size);
        WebPDataClear(&data);
        return {std::move(bytes)};
    }

private:
    int timestamp(int index) const { return static_cast<int>(frameStart(index, options_.fps, 1000)); }

    FrameRaster raster_;
    AnimationOptions options_;
    WebPConfig config_{};
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> encoder_;
    int count_ = 0;
};

}  // namespace

std::unique_ptr<FrameSink> makeWebpSink(const AnimationOptions& options, const Page& page)
{
    return std::make_unique<WebpSink>(options, page);
}

}  // namespace studio
