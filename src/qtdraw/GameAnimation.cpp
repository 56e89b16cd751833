#include "qtdraw/GameAnimation.h"

#include "gif/GifAnimation.h"
#include "model/KestraneDoc.h"
#include "model/SeasonWords.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {

// Shows another season for the length of a frame and puts the season on
// show back, whatever happens in between.
class CSeasonOnShow {
public:
    CSeasonOnShow(CKestraneDoc& doc, size_t index) : m_doc(doc), m_saved(doc.m_posCurrent)
    {
        m_doc.m_posCurrent = std::next(m_doc.m_seasons.begin(), std::ptrdiff_t(index));
    }
    ~CSeasonOnShow() { m_doc.m_posCurrent = m_saved; }
    CSeasonOnShow(const CSeasonOnShow&) = delete;
    CSeasonOnShow& operator=(const CSeasonOnShow&) = delete;

private:
    CKestraneDoc& m_doc;
    decltype(CKestraneDoc::m_posCurrent) m_saved;
};

const CSeasonHdr& SeasonAt(const CKestraneDoc& doc, size_t index)
{
    return **std::next(doc.m_seasons.begin(), std::ptrdiff_t(index));
}

CRgbImage ToRgb(const QImage& image)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    CRgbImage out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uint32_t* row = out.Row(y);
        for (int x = 0; x < rgb.width(); ++x)
            row[x] = line[x] & 0x00FFFFFFu;
    }
    return out;
}

} // namespace

QString FrameCaption(const CKestraneDoc& doc, size_t seasonIndex)
{
    const CSeasonHdr& season = SeasonAt(doc, seasonIndex);
    bool start = false;
    if (seasonIndex == 0 && season.m_strSeason.size() == 6) {
        start = doc.m_seasons.size() == 1 ||
                CSeasonHdr::SeasonYear(SeasonAt(doc, 1).m_strSeason) > CSeasonHdr::SeasonYear(season.m_strSeason);
    }
    QString caption = QString::fromStdString(start ? StartingPositionInWords(season.m_strSeason)
                                                   : SeasonInWords(season.m_strSeason));
    QString deadline = QString::fromLatin1(season.m_strDeadline.c_str()).trimmed();
    if (!deadline.isEmpty())
        caption += QStringLiteral(" \u2013 deadline ") + deadline;
    return caption;
}

int CaptionHeight(int frameWidth)
{
    return std::clamp(frameWidth / 28, 18, 64);
}

QImage RenderAnimationFrame(CKestraneDoc& doc, size_t seasonIndex, const CAnimationRequest& request)
{
    QImage map;
    {
        CSeasonOnShow show(doc, seasonIndex);
        map = RenderMapPicture(doc, request.settings, request.mapSize, request.draw);
    }
    if (map.isNull())
        return {};
    const int band = CaptionHeight(map.width());
    QImage frame(map.width(), map.height() + band, QImage::Format_RGB32);
    if (frame.isNull())
        return {};
    frame.fill(QColor(0x1E, 0x23, 0x2A));
    QPainter painter(&frame);
    painter.drawImage(0, 0, map);
    QFont font = painter.font();
    font.setPixelSize(std::max(10, band * 11 / 20));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect text(band / 3, map.height(), map.width() - 2 * (band / 3), band);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(FrameCaption(doc, seasonIndex), Qt::ElideRight, text.width()));
    painter.end();
    return frame;
}

AnimationOutcome WriteGameAnimation(CKestraneDoc& doc, const CAnimationRequest& request, const std::string& path,
                                    const std::function<bool(int, int)>& progress, std::string& error)
{
    const int total = int(doc.m_seasons.size());
    if (total == 0) {
        error = "the game has no season to animate";
        return AnimationOutcome::Failed;
    }
    CGifAnimationWriter writer;
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total)) {
            writer.Abort();
            return AnimationOutcome::Cancelled;
        }
        const QImage frame = RenderAnimationFrame(doc, size_t(i), request);
        if (frame.isNull()) {
            error = "the map picture could not be drawn";
            return AnimationOutcome::Failed;
        }
        if (i == 0 && !writer.Open(path, frame.width(), frame.height(), error))
            return AnimationOutcome::Failed;
        if (!writer.AddFrame(ToRgb(frame), request.delay, error))
            return AnimationOutcome::Failed;
    }
    if (progress && !progress(total, total)) {
        writer.Abort();
        return AnimationOutcome::Cancelled;
    }
    return writer.Finish(error) ? AnimationOutcome::Written : AnimationOutcome::Failed;
}
