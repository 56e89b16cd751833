#pragma once

#include "picture/RgbImage.h"

#include <memory>
#include <string>

/// Writes an animated GIF that loops for ever, frame by frame. The file is
/// made under a temporary name beside the target and takes the target's
/// name only when Finish succeeds; a writer destroyed or aborted before
/// that removes what it wrote, so no half animation is ever left.
class CGifAnimationWriter {
public:
    CGifAnimationWriter();
    ~CGifAnimationWriter();
    CGifAnimationWriter(const CGifAnimationWriter&) = delete;
    CGifAnimationWriter& operator=(const CGifAnimationWriter&) = delete;

    /// Starts the animation at path with every frame width x height pixels
    /// (1 to 65535 each). False with the reason on failure.
    bool Open(const std::string& path, int width, int height, std::string& error);
    /// Adds frame (of the size given to Open), shown for delay hundredths of
    /// a second (0 to 65535). Only the pixels that changed since the frame
    /// before are written.
    bool AddFrame(const CRgbImage& frame, int delay, std::string& error);
    /// Completes the file and gives it its name.
    bool Finish(std::string& error);
    /// Stops and removes the unfinished file.
    void Abort();

    int FramesWritten() const { return m_nFrames; }

private:
    struct CState;
    std::unique_ptr<CState> m_state;
    int m_nFrames = 0;
};
