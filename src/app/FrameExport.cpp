#include "app/MainFrame.h"

#include "app/ExportAnimationDlg.h"
#include "app/ExportMapDlg.h"
#include "app/AppContext.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "model/KestraneDoc.h"
#include "qtdraw/GameAnimation.h"
#include "qtdraw/MapDrawing.h"
#include "qtdraw/MapExport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

#include <cstdlib>

namespace {

// "<game file name>-<season>.<suffix>" beside the game, or in the home folder.
QString SuggestedName(const CKestraneDoc& doc, const QString& suffix, bool withSeason)
{
    const QFileInfo game(FromDocText(doc.GetPathName()));
    QString stem = game.completeBaseName();
    if (stem.isEmpty())
        stem = QStringLiteral("map");
    const CSeasonHdr* season = doc.GetCurrentSeason();
    if (withSeason && season && !season->m_strSeason.empty())
        stem += QLatin1Char('-') + QString::fromLatin1(season->m_strSeason.c_str());
    const QString folder = game.path().isEmpty() || doc.GetPathName().empty() ? QDir::homePath() : game.path();
    return QDir(folder).filePath(stem + QLatin1Char('.') + suffix);
}

QSize BoardSize(const CKestraneDoc& doc)
{
    return QSize(doc.m_dib.Width(), std::abs(doc.m_dib.Height()));
}

} // namespace

void CMainFrame::OnExportMap()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    CExportMapDlg dialog(BoardSize(*doc), this);
    if (!m_context.Prompts().RunDialog(dialog))
        return;
    const std::optional<QString> path =
        m_context.Prompts().ChooseSaveFile(this, tr("Export Map"), SuggestedName(*doc, QStringLiteral("png"), true),
                                       tr("PNG Pictures (*.png);;PDF Documents (*.pdf)"), QStringLiteral("png"));
    if (!path)
        return;
    // The view's settings, zoom to fit aside: the size chosen is the size.
    const QImage picture = RenderMapPicture(*doc, m_context.Display(), dialog.ChosenSize(), m_context.MapDraw(), {},
                                            logicalDpiY());
    QString error;
    if (!ExportMapPicture(picture, *path, error))
        m_context.Prompts().ShowMessage(this, tr("Could not export the map to %1:\n%2").arg(QDir::toNativeSeparators(*path), error),
                                    MessageIcon::Exclamation);
}

void CMainFrame::OnExportAnimation()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    if (doc->m_seasons.empty()) {
        m_context.Prompts().ShowMessage(this, tr("The game has no season to animate yet."), MessageIcon::Information);
        return;
    }
    CExportAnimationDlg dialog(BoardSize(*doc), m_context.MapDraw().orders, this);
    if (!m_context.Prompts().RunDialog(dialog))
        return;
    const std::optional<QString> path =
        m_context.Prompts().ChooseSaveFile(this, tr("Export Animation"), SuggestedName(*doc, QStringLiteral("gif"), false),
                                       tr("GIF Animations (*.gif)"), QStringLiteral("gif"));
    if (!path)
        return;

    CAnimationRequest request;
    request.settings = m_context.Display();
    request.draw = m_context.MapDraw();
    request.draw.orders = dialog.Orders();
    request.mapSize = dialog.MapSize();
    request.delay = dialog.Delay();

    const int seasons = int(doc->m_seasons.size());
    QProgressDialog progress(tr("Writing the animation..."), tr("Cancel"), 0, seasons, this);
    progress.setWindowTitle(tr("Export Animation"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::string error;
    const AnimationOutcome outcome =
        WriteGameAnimation(*doc, request, QFile::encodeName(*path).toStdString(),
                           [&progress](int done, int total) {
                               progress.setLabelText(tr("Season %1 of %2...").arg(std::min(done + 1, total)).arg(total));
                               progress.setValue(done);
                               QApplication::processEvents();
                               return !progress.wasCanceled();
                           },
                           error);
    progress.reset();
    if (outcome == AnimationOutcome::Failed)
        m_context.Prompts().ShowMessage(this,
                                    tr("Could not export the animation to %1:\n%2")
                                        .arg(QDir::toNativeSeparators(*path), QString::fromStdString(error)),
                                    MessageIcon::Exclamation);
}
