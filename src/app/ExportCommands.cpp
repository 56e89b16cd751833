#include "app/ExportCommands.h"

#include "app/AppContext.h"
#include "app/ExportAnimationDlg.h"
#include "app/ExportMapDlg.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "app/WindowPlacement.h"
#include "model/KestraneDoc.h"
#include "qtdraw/GameAnimation.h"
#include "qtdraw/MapDrawing.h"
#include "qtdraw/MapExport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QWidget>

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

std::optional<QString> CExportCommands::ChooseTarget(QDialog& options, const QString& suggested, const QString& filter,
                                                     const QString& suffix)
{
    if (!m_context.Prompts().RunDialog(options))
        return std::nullopt;
    return m_context.Prompts().ChooseSaveFile(&m_window, options.windowTitle(), suggested, filter, suffix);
}

void CExportCommands::OnExportMap(CKestraneDoc& doc)
{
    CUiPrompts& prompts = m_context.Prompts();
    CExportMapDlg dialog(BoardSize(doc), &m_window);
    const std::optional<QString> path =
        ChooseTarget(dialog, SuggestedName(doc, QStringLiteral("png"), true),
                     tr("PNG Pictures (*.png);;PDF Documents (*.pdf)"), QStringLiteral("png"));
    if (!path)
        return;
    // The view's settings, zoom to fit aside: the size chosen is the size.
    const QImage picture = RenderMapPicture(doc, m_context.Display(), dialog.ChosenSize(), m_context.MapDraw(), {},
                                            m_window.logicalDpiY());
    QString error;
    if (!ExportMapPicture(picture, *path, error))
        prompts.ShowMessage(&m_window,
                            tr("Could not export the map to %1:\n%2").arg(QDir::toNativeSeparators(*path), error),
                            MessageIcon::Exclamation);
}

void CExportCommands::OnExportAnimation(CKestraneDoc& doc)
{
    CUiPrompts& prompts = m_context.Prompts();
    if (doc.m_seasons.empty()) {
        prompts.ShowMessage(&m_window, tr("The game has no season to animate yet."), MessageIcon::Information);
        return;
    }
    CExportAnimationDlg dialog(BoardSize(doc), m_context.MapDraw().orders, &m_window);
    const std::optional<QString> path = ChooseTarget(dialog, SuggestedName(doc, QStringLiteral("gif"), false),
                                                     tr("GIF Animations (*.gif)"), QStringLiteral("gif"));
    if (!path)
        return;

    CAnimationRequest request;
    request.settings = m_context.Display();
    request.draw = m_context.MapDraw();
    request.draw.orders = dialog.Orders();
    request.mapSize = dialog.MapSize();
    request.delay = dialog.Delay();

    // Written here, season by season, behind a window-modal progress dialog
    // that can cancel between seasons: the game's windows draw the same game.
    const int seasons = int(doc.m_seasons.size());
    QProgressDialog progress(tr("Writing the animation..."), tr("Cancel"), 0, seasons, &m_window);
    progress.setWindowTitle(tr("Export Animation"));
    KeepTitleWhole(progress);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::string error;
    const auto report = [&progress](int done, int total) {
        progress.setLabelText(tr("Season %1 of %2...").arg(std::min(done + 1, total)).arg(total));
        progress.setValue(done);
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    const AnimationOutcome outcome =
        WriteGameAnimation(doc, request, QFile::encodeName(*path).toStdString(), report, error);
    progress.reset();
    if (outcome == AnimationOutcome::Failed)
        prompts.ShowMessage(&m_window,
                            tr("Could not export the animation to %1:\n%2")
                                .arg(QDir::toNativeSeparators(*path), QString::fromStdString(error)),
                            MessageIcon::Exclamation);
}
