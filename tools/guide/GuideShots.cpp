// guide-shots: pictures of the desktop program's menus and dialogs for the
// user guide, taken from the real widgets on the offscreen platform.
//
//   guide-shots GAME.kes OUTPUT-FOLDER
//
// Opens the game as the program does, then saves file-menu.png, edit-menu.png,
// view-menu.png and game-details.png.
#include "app/DocManager.h"
#include "app/GameDetailsDlg.h"
#include "app/KestraneApp.h"
#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: guide-shots GAME.kes OUTPUT-FOLDER\n";
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

    frame.close();
    app.ExitInstance();
    return ok ? 0 : 1;
}
