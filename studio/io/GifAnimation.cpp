// Animated GIF by giflib: each frame quantised to its own palette of 256
// colours (255 and a transparent one on a transparent background), looping.
#include <gif_lib.h>

#include <stdexcept>

#include "studio/io/FrameRaster.h"
#include "studio/io/FrameSink.h"

namespace studio {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    try {
        static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
        return length;
    } catch (...) {
        return 0;
    }
}

// A pixel below half opacity is the transparent colour.
constexpr uint8_t kOpaqueFrom = 128;

class GifSink final : public FrameSink {
public:
    GifSink(const AnimationOptions& options, const Page& page) : raster_(page, options.dpi), options_(options)
    {
        int error = 0;
        gif_ = EGifOpen(&bytes_, appendBytes, &error);
        if (!gif_) throw std::runtime_error(std::string("giflib: ") + GifErrorString(error));
        EGifSetGifVersion(gif_, true);
        const PixelSize size = raster_.size();
        check(EGifPutScreenDesc(gif_, size.width, size.height, 8, 0, nullptr));
        // The application block that makes viewers loop for ever.
        static const char kLoopName[] = "NETSCAPE2.0";
        static const GifByteType kLoopForever[] = {1, 0, 0};
        check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(gif_, 11, kLoopName));
        check(EGifPutExtensionBlock(gif_, 3, kLoopForever));
        check(EGifPutExtensionTrailer(gif_));
    }
    ~GifSink() override
    {
        if (gif_) EGifCloseFile(gif_, nullptr);
    }
    GifSink(const GifSink&) = delete;
    GifSink& operator=(const GifSink&) = delete;

    void add(const Document& frame, const std::string&) override
    {
        raster_.draw(frame, options_.background, options_.clip);
        const PixelSize size = raster_.size();
        const size_t count = static_cast<size_t>(size.width) * static_cast<size_t>(size.height);
        const std::vector<uint8_t> pixels = raster_.rgba();
        std::vector<GifByteType> red(count), green(count), blue(count), indexed(count);
        for (size_t i = 0; i < count; ++i) {
            red[i] = pixels[i * 4];
            green[i] = pixels[i * 4 + 1];
            blue[i] = pixels[i * 4 + 2];
        }
        const bool transparent = options_.background.transparent;
        int colours = transparent ? 255 : 256;
        GifColorType palette[256] = {};
        if (GifQuantizeBuffer(size.width, size.height, &colours, red.data(), green.data(), blue.data(), indexed.data(),
                              palette) == GIF_ERROR)
            throw std::runtime_error("giflib could not reduce the frame to 256 colours");
        if (transparent)
            for (size_t i = 0; i < count; ++i)
                if (pixels[i * 4 + 3] < kOpaqueFrom) indexed[i] = 255;

        GraphicsControlBlock control{};
        control.DisposalMode = transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime =
            static_cast<int>(frameStart(count_ + 1, options_.fps, 100) - frameStart(count_, options_.fps, 100));
        control.TransparentColor = transparent ? 255 : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension));

        ColorMapObject* map = GifMakeMapObject(256, palette);
        if (!map) throw std::bad_alloc();
        const int put = EGifPutImageDesc(gif_, 0, 0, size.width, size.height, false, map);
        GifFreeMapObject(map);
        check(put);
        for (int y = 0; y < size.height; ++y)
            check(EGifPutLine(gif_, indexed.data() + static_cast<size_t>(y) * size.width, size.width));
        ++count_;
    }

    std::vector<std::string> finish() override
    {
        int error = 0;
        GifFileType* gif = gif_;
        gif_ = nullptr;
        if (EGifCloseFile(gif, &error) == GIF_ERROR)
            throw std::runtime_error(std::string("giflib: ") + GifErrorString(error));
        return {std::move(bytes_)};
    }

private:
    void check(int result)
    {
        if (result == GIF_ERROR) throw std::runtime_error(std::string("giflib: ") + GifErrorString(gif_->Error));
    }

    FrameRaster raster_;
    AnimationOptions options_;
    std::string bytes_;
    GifFileType* gif_ = nullptr;
    int count_ = 0;
};

}  // namespace

std::unique_ptr<FrameSink> makeGifSink(const AnimationOptions& options, const Page& page)
{
    return std::make_unique<GifSink>(options, page);
}

}  // namespace studio
