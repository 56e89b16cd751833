#pragma once

#include "qtdraw/MapDrawing.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <string>

class CKestraneDoc;
class CSeasonHdr;

/// How a game is animated: the map's display settings, the map's size in
/// each frame (empty: the board's own size), and how long each frame shows.
struct CAnimationRequest {
    CDisplaySettings settings;
    CMapDrawOptions draw;
    QSize mapSize;
    /// Hundredths of a second per frame.
    int delay = 150;
};

/// The caption of a season's frame: the season in words and its deadline,
/// "Fall 1901 Retreats - deadline Wed Jan 07 2004 23:30:00 +0000". The
/// game's first season, filed a year before the next one, is its starting
/// position.
QString FrameCaption(const CKestraneDoc& doc, size_t seasonIndex);

/// Height of the caption band below the map for a frame width.
int CaptionHeight(int frameWidth);

/// The frame of the season at seasonIndex (game order): the map drawn as
/// request asks, with the caption band below it. The season on show is put
/// back before this returns.
QImage RenderAnimationFrame(CKestraneDoc& doc, size_t seasonIndex, const CAnimationRequest& request);

/// How writing an animation ended.
enum class AnimationOutcome { Written, Cancelled, Failed };

/// Writes every season of the game, in game order, as one animated GIF at
/// path. progress(done, total) is called before each frame and after the
/// last; returning false cancels. A cancelled or failed animation leaves no
/// file; on failure error says why.
AnimationOutcome WriteGameAnimation(CKestraneDoc& doc, const CAnimationRequest& request, const std::string& path,
                                    const std::function<bool(int, int)>& progress, std::string& error);
