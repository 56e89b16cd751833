// guide-shots: pictures of the desktop program's menus and dialogs for the
// user guide, taken from the real widgets on the offscreen platform.
//
//   guide-shots GAME.kes OUTPUT-FOLDER [CHART-GAME.kes]
//
// Opens the game as the program does, then saves file-menu.png, edit-menu.png,
// view-menu.png, game-details.png, print-preview.png (the map with initials
// and supply centres), help-window.png and orders-selection.png, and prints
// the map and the orders to map.pdf and orders.pdf as File, Print does;
// given a second game, opens it too and saves its supply-centre chart as
// centre-chart.png.
#include "app/AppContext.h"
#include "app/CentreChartWindow.h"
#include "app/ChildFrame.h"
#include "app/DocManager.h"
#include "app/GameDetailsDlg.h"
#include "app/HelpWindow.h"
#include "app/KesTextView.h"
#include "app/KestraneApp.h"
#include "app/KestraneView.h"
#include "app/MainFrame.h"
#include "model/KestraneDoc.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QSplitter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <iostream>

namespace {

QMenu* FindMenu(CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->menu() && action->text().remove('&') == title)
            return action->menu();
    return nullptr;
}

bool SaveMenu(CMainFrame& frame, const QString& title, const QString& path)
{
    QMenu* menu = FindMenu(frame, title);
    if (!menu)
        return false;
    // The check marks and enabled states are set when a menu is about to show.
    emit menu->aboutToShow();
    frame.UpdateActions();
    menu->adjustSize();
    return menu->grab().save(path);
}

// Print Preview of the map as File, Print Preview shows it, at a size where
// the units and their letters can be made out.
bool SavePrintPreview(CMainFrame& frame, QPrinter& printer, const QString& path)
{
    CChildFrame* game = frame.ActiveFrame();
    if (!game)
        return false;
    QPrintPreviewDialog dialog(&printer, &frame);
    CKestraneView* map = game->MapView();
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, map, [map](QPrinter* target) { map->Print(*target); });
    dialog.resize(1100, 820);
    dialog.show();
    QApplication::processEvents();
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
        preview->updatePreview();
        preview->fitInView();
    }
    QApplication::processEvents();
    const bool ok = dialog.grab().save(path);
    dialog.close();
    return ok;
}

bool SaveHelpWindow(CMainFrame& frame, const QString& path)
{
    frame.Execute(Cmd::HelpTopics);
    CHelpWindow* help = frame.HelpWindow();
    if (!help)
        return false;
    help->resize(900, 700);
    QApplication::processEvents();
    const bool ok = help->grab().save(path);
    help->close();
    return ok;
}

// The game window with lines of the orders pane selected by a drag.
bool SaveOrdersSelection(CMainFrame& frame, const QString& path)
{
    CChildFrame* game = frame.ActiveFrame();
    if (!game)
        return false;
    frame.Execute(Cmd::FirstSeason);
    frame.Execute(Cmd::NextSeason);
    CKesTextView* pane = game->TextView();
    QApplication::processEvents();
    const int line = pane->ScreenLineHeight() * pane->logicalDpiY() / 100;
    const QPoint from(30, 3 * line + line / 2);
    const QPoint to(30, 7 * line + line / 2);
    QWidget* viewport = pane->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, from, viewport->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, viewport->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    QApplication::processEvents();
    return frame.grab().save(path);
}

// The orders pane of the chart's game on the fall 1902 retreats, widened so
// that the phase summary under the orders reads in full.
bool SavePhaseSummary(CMainFrame& frame, CKestraneDoc& doc, const QString& path)
{
    CChildFrame* game = frame.ActiveFrame();
    if (!game || game->Document() != &doc || !doc.ShowSeason("F1902R"))
        return false;
    // The summary is off until the player turns it on, and off it stays.
    frame.Execute(Cmd::TogglePhaseSummary);
    frame.UpdateActions();
    game->Splitter()->setSizes({200, 420});
    QApplication::processEvents();
    QWidget* viewport = game->TextView()->viewport();
    const bool saved = viewport->grab(QRect(0, 0, viewport->width(), std::min(viewport->height(), 300))).save(path);
    frame.Execute(Cmd::TogglePhaseSummary);
    return saved;
}

// The map and the orders printed to PDF files, as the print dialog's
// "Print to File (PDF)" does.
bool PrintToPdf(CMainFrame& frame, const QString& folder)
{
    CChildFrame* game = frame.ActiveFrame();
    if (!game)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder + "/map.pdf");
    game->MapView()->Print(printer);
    printer.setOutputFileName(folder + "/orders.pdf");
    game->TextView()->Print(printer);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: guide-shots GAME.kes OUTPUT-FOLDER [CHART-GAME.kes]\n";
        return 2;
    }
    QApplication qt(argc, argv);
    const QString game = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);

    CKestraneApp app;
    CKestraneApp::StartOptions options;
    options.showSplash = false;
    options.files = {game};
    if (!app.InitInstance(options) || !app.MainFrame())
        return 1;
    CMainFrame& frame = *app.MainFrame();
    QApplication::processEvents();
    const auto docs = frame.Docs().Documents();
    if (docs.empty()) {
        std::cerr << "guide-shots: the game did not open\n";
        return 1;
    }

    bool ok = SaveMenu(frame, "File", out + "/file-menu.png");
    ok = SaveMenu(frame, "Edit", out + "/edit-menu.png") && ok;
    ok = SaveMenu(frame, "View", out + "/view-menu.png") && ok;

    CGameDetailsDlg details(*docs.back(), &frame);
    for (int i = 0; i < details.Countries()->count(); ++i)
        if (details.Countries()->item(i)->text().startsWith("ENGLAND"))
            details.Countries()->setCurrentRow(i);
    details.PasswordEdit()->setText("secret");
    details.show();
    QApplication::processEvents();
    ok = details.grab().save(out + "/game-details.png") && ok;
    details.close();

    // With initials and supply centres on (the settings the caller chose).
    frame.Execute(Cmd::LatestSeason);
    ok = SavePrintPreview(frame, app.Context().Printer(), out + "/print-preview.png") && ok;
    ok = SaveHelpWindow(frame, out + "/help-window.png") && ok;
    ok = SaveOrdersSelection(frame, out + "/orders-selection.png") && ok;
    if (qEnvironmentVariableIsSet("GUIDE_SHOTS_PDF"))
        ok = PrintToPdf(frame, qEnvironmentVariable("GUIDE_SHOTS_PDF")) && ok;

    if (argc == 4) {
        CKestraneDoc* chartGame = frame.Docs().OpenDocumentFile(QString::fromLocal8Bit(argv[3]));
        if (!chartGame) {
            std::cerr << "guide-shots: the chart's game did not open\n";
            return 1;
        }
        frame.Execute(Cmd::CentreChart);
        CCentreChartWindow* chart = frame.ChartWindow(*chartGame);
        if (!chart)
            return 1;
        chart->resize(820, 520);
        QApplication::processEvents();
        ok = chart->grab().save(out + "/centre-chart.png") && ok;
        chart->close();
        ok = SavePhaseSummary(frame, *chartGame, out + "/phase-summary.png") && ok;
    }

    frame.close();
    app.ExitInstance();
    return ok ? 0 : 1;
}
