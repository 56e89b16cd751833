#include "gif/GifAnimation.h"

#include "gif/GifPalette.h"

#include <gif_lib.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

struct CGifAnimationWriter::CState {
    GifFileType* file = nullptr;
    std::string target;
    std::string temporary;
    int width = 0;
    int height = 0;
    CRgbImage previous;
    bool havePrevious = false;
};

namespace {

std::string GifError(int code)
{
    const char* text = GifErrorString(code);
    return text ? text : "GIF error " + std::to_string(code);
}

// The extension that makes viewers loop the animation for ever.
bool PutLoopForEver(GifFileType* file)
{
    static const unsigned char kNetscape[] = "NETSCAPE2.0";
    static const unsigned char kLoop[] = {1, 0, 0};
    return EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(file, 11, kNetscape) == GIF_OK && EGifPutExtensionBlock(file, 3, kLoop) == GIF_OK &&
           EGifPutExtensionTrailer(file) == GIF_OK;
}

} // namespace

CGifAnimationWriter::CGifAnimationWriter() = default;

CGifAnimationWriter::~CGifAnimationWriter()
{
    Abort();
}

bool CGifAnimationWriter::Open(const std::string& path, int width, int height, std::string& error)
{
    Abort();
    if (width < 1 || height < 1 || width > 65535 || height > 65535) {
        error = "the picture size " + std::to_string(width) + " x " + std::to_string(height) +
                " does not fit an animation";
        return false;
    }
    auto state = std::make_unique<CState>();
    state->target = path;
    state->temporary = path + ".part~";
    state->width = width;
    state->height = height;
    // Opened here rather than by giflib, which makes its files readable by
    // the owner only: the animation gets the user's umask, as the program's
    // other pictures do.
    const int handle = ::open(state->temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (handle < 0) {
        error = std::error_code(errno, std::generic_category()).message();
        return false;
    }
    int code = 0;
    state->file = EGifOpenFileHandle(handle, &code);
    if (!state->file) {
        // giflib closes the handle itself only once it has taken it.
        ::close(handle);
        std::error_code ignored;
        fs::remove(state->temporary, ignored);
        error = GifError(code);
        return false;
    }
    m_state = std::move(state);
    m_nFrames = 0;
    EGifSetGifVersion(m_state->file, true);
    if (EGifPutScreenDesc(m_state->file, width, height, 8, 0, nullptr) != GIF_OK || !PutLoopForEver(m_state->file)) {
        error = GifError(m_state->file->Error);
        Abort();
        return false;
    }
    return true;
}

bool CGifAnimationWriter::AddFrame(const CRgbImage& frame, int delay, std::string& error)
{
    if (!m_state) {
        error = "the animation is not open";
        return false;
    }
    if (frame.Width() != m_state->width || frame.Height() != m_state->height) {
        error = "a frame of another size";
        return false;
    }
    const CIndexedFrame indexed = IndexFrame(frame, m_state->havePrevious ? &m_state->previous : nullptr);
    GifFileType* file = m_state->file;

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = std::clamp(delay, 0, 65535);
    control.TransparentColor = indexed.transparent;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);

    // The smallest power of two that holds the palette.
    int size = 2;
    while (size < indexed.colours)
        size *= 2;
    GifColorType colours[256] = {};
    for (int i = 0; i < indexed.colours; ++i) {
        colours[i].Red = GifByteType((indexed.palette[size_t(i)] >> 16) & 0xFF);
        colours[i].Green = GifByteType((indexed.palette[size_t(i)] >> 8) & 0xFF);
        colours[i].Blue = GifByteType(indexed.palette[size_t(i)] & 0xFF);
    }
    ColorMapObject* map = GifMakeMapObject(size, colours);
    bool ok = map && EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK &&
              EGifPutImageDesc(file, indexed.left, indexed.top, indexed.width, indexed.height, false, map) == GIF_OK;
    for (int y = 0; ok && y < indexed.height; ++y)
        ok = EGifPutLine(file, const_cast<GifPixelType*>(indexed.pixels.data() + size_t(y) * size_t(indexed.width)),
                         indexed.width) == GIF_OK;
    GifFreeMapObject(map);
    if (!ok) {
        error = GifError(file->Error);
        Abort();
        return false;
    }
    m_state->previous = frame;
    m_state->havePrevious = true;
    ++m_nFrames;
    return true;
}

bool CGifAnimationWriter::Finish(std::string& error)
{
    if (!m_state) {
        error = "the animation is not open";
        return false;
    }
    if (m_nFrames == 0) {
        error = "the animation has no frame";
        Abort();
        return false;
    }
    int code = 0;
    const int closed = EGifCloseFile(m_state->file, &code);
    m_state->file = nullptr;
    if (closed != GIF_OK) {
        error = GifError(code);
        Abort();
        return false;
    }
    std::error_code failure;
    fs::rename(m_state->temporary, m_state->target, failure);
    if (failure) {
        error = failure.message();
        Abort();
        return false;
    }
    m_state.reset();
    return true;
}

void CGifAnimationWriter::Abort()
{
    if (!m_state)
        return;
    if (m_state->file) {
        int code = 0;
        EGifCloseFile(m_state->file, &code);
    }
    std::error_code ignored;
    fs::remove(m_state->temporary, ignored);
    m_state.reset();
}
