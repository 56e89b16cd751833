#include "app/ActionTable.h"

#include <algorithm>
#include <array>

namespace {

// The standard commands carry the framework's standard prompts.
constexpr std::array kActions{
    CActionSpec{Cmd::FileNew, "&New\tCtrl+N", "Ctrl+N", "Create a new document\nNew"},
    CActionSpec{Cmd::FileOpen, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing document\nOpen"},
    CActionSpec{Cmd::FileClose, "&Close", "", "Close the active document\nClose"},
    CActionSpec{Cmd::FileSave, "&Save\tCtrl+S", "Ctrl+S", "Save the active document\nSave"},
    CActionSpec{Cmd::FileSaveAs, "Save &As...", "", "Save the active document with a new name\nSave As"},
    CActionSpec{Cmd::Print, "&Print...\tCtrl+P", "Ctrl+P", "Print the active document\nPrint"},
    CActionSpec{Cmd::PrintPreview, "Print Pre&view", "", "Display full pages\nPrint Preview"},
    CActionSpec{Cmd::PrintSetup, "P&rint Setup...", "", "Change the printer and printing options\nPrint Setup"},
    CActionSpec{Cmd::SendMail, "Sen&d...", "", "Send the active document through electronic mail\nSend Mail"},
    CActionSpec{Cmd::CopyOrdersMail, "Cop&y Orders Mail", "",
                "Copy the orders mail to the clipboard, for pasting into web mail\nCopy Orders Mail"},
    CActionSpec{Cmd::SendToJudge, "Send Orders to &Judge", "",
                "Send the orders drafted for the phase due to the game's Judge\nSend Orders to Judge"},
    CActionSpec{Cmd::ExportMap, "&Export Map...", "",
                "Save the map on show as a PNG picture or a PDF page\nExport Map"},
    CActionSpec{Cmd::ExportAnimation, "Export Ani&mation...", "",
                "Save the whole game as an animated GIF, one frame per season\nExport Animation"},
    CActionSpec{Cmd::AppExit, "E&xit", "Ctrl+Q", "Quit the application; prompts to save documents\nExit"},
    CActionSpec{Cmd::Import, "&Import...\tCtrl+I", "Ctrl+I", "Import a Judge response\nImport"},
    CActionSpec{Cmd::ImportClipboard, "Import from &Clipboard\tCtrl+C", "Ctrl+C", "Import data from the clipboard\nClipBoard"},
    CActionSpec{Cmd::ImportMailbox, "Import &Mailbox...", "",
                "Import every Judge mail of saved mails, an mbox file or a Maildir folder\nImport Mailbox"},
    CActionSpec{Cmd::FetchMailbox, "Fe&tch from Mailbox\tCtrl+F5", "Ctrl+F5",
                "Fetch this game's new Judge mail from the mailbox and import it\nFetch from Mailbox"},
    CActionSpec{Cmd::MailboxSettings, "Mailbox &Settings...", "",
                "Set the mailbox this game's Judge mail is fetched from\nMailbox Settings"},
    CActionSpec{Cmd::RemoveSeason, "Remove\tCtrl+R", "Ctrl+R", "Remove this season's data\nRemove"},
    CActionSpec{Cmd::FirstSeason, "&First", "Alt+Home", "Display the First season\nFirst"},
    CActionSpec{Cmd::PreviousSeason, "&Previous", "Alt+Left", "Display the previous season\nPrevious"},
    CActionSpec{Cmd::NextSeason, "&Next", "Alt+Right", "Display the next season\nNext"},
    CActionSpec{Cmd::LatestSeason, "&Latest", "Alt+End", "Display the Latest season\nLatest"},
    CActionSpec{Cmd::OrdersMode, "&Orders Mode\tCtrl+E", "Ctrl+E",
                "Write this phase's orders by clicking on the map, checked as the Judge will check them\nOrders Mode",
                true},
    CActionSpec{Cmd::GameDetails, "&Game Details", "", "Edit the details for this Game\nDetails"},
    CActionSpec{Cmd::ViewToolbar, "&Toolbar", "", "Show or hide the toolbar\nToggle ToolBar", true},
    CActionSpec{Cmd::ViewStatusBar, "&Status Bar", "", "Show or hide the status bar\nToggle StatusBar", true},
    CActionSpec{Cmd::ToggleZoom, "&Zoom to Fit", "", "Select this option to display the whole map\nToggle Zoom", true},
    CActionSpec{Cmd::ZoomIn, "Zoom I&n\tCtrl++", "Ctrl++", "Show the map a step larger\nZoom In"},
    CActionSpec{Cmd::ZoomOut, "Zoom O&ut\tCtrl+-", "Ctrl+-", "Show the map a step smaller\nZoom Out"},
    CActionSpec{Cmd::ActualSize, "&Actual Size\tCtrl+0", "Ctrl+0", "Show the map at its own size\nActual Size"},
    CActionSpec{Cmd::ToggleInitials, "&Initials", "",
                "Select this option to display country initial letters\nToggle Initials", true},
    CActionSpec{Cmd::ToggleSCDisplay, "Supply &Centres", "", "View supply centre ownership\nToggle Supply Centres", true},
    CActionSpec{Cmd::ToggleSeasons, "S&easons", "", "Show or hide the list of the game's seasons\nToggle Seasons", true},
    CActionSpec{Cmd::CentreChart, "Supply Centre C&hart", "",
                "Chart every power's supply centres season by season\nSupply Centre Chart"},
    CActionSpec{Cmd::ToggleOrders, "&Orders on Map", "",
                "Draw the season's moves, supports, retreats and builds on the map\nToggle Orders on Map", true},
    CActionSpec{Cmd::ToggleSmoothZoom, "S&mooth Zoom", "",
                "Scale the map smoothly when it is zoomed to fit or printed\nToggle Smooth Zoom", true},
    CActionSpec{Cmd::TogglePhaseSummary, "&Phase Summary", "",
                "Show each power's centres and units under the orders, on screen and in print\nToggle Phase Summary",
                true},
    CActionSpec{Cmd::WindowNew, "&New Window", "", "Open another window for the active document\nNew Window"},
    CActionSpec{Cmd::WindowCascade, "&Cascade", "", "Arrange windows so they overlap\nCascade Windows"},
    CActionSpec{Cmd::WindowTile, "&Tile", "", "Arrange windows as non-overlapping tiles\nTile Windows"},
    CActionSpec{Cmd::WindowArrange, "&Arrange Icons", "", "Arrange icons at the bottom of the window\nArrange Icons"},
    CActionSpec{Cmd::HelpTopics, "&Help Topics", "", "List Help topics\nHelp Topics"},
    CActionSpec{Cmd::AppAbout, "&About Kestrane...", "",
                "Display program information, version number and copyright\nAbout"},
    CActionSpec{Cmd::Help, "", "F1", "Display help for current task or command\nHelp"},
    CActionSpec{Cmd::ContextHelp, "", "Shift+F1", "Display help for clicked on buttons, menus and windows\nHelp"},
    CActionSpec{Cmd::NextPane, "", "F6", "Switch to the next window pane\nNext Pane"},
    CActionSpec{Cmd::PreviousPane, "", "Shift+F6", "Switch back to the previous window pane\nPrevious Pane"},
};

} // namespace

std::span<const CActionSpec> ActionTable()
{
    return kActions;
}

const CActionSpec& ActionSpec(Cmd id)
{
    return *std::find_if(kActions.begin(), kActions.end(), [id](const CActionSpec& a) { return a.id == id; });
}
