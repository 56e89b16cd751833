#pragma once

/// The program's command identifiers: the framework's standard numbers for
/// the standard commands, the program's own for the rest. Menus, toolbar,
/// accelerators and the enabling logic all key their actions by these.
enum class Cmd : int {
    PreviousSeason = 32773,
    NextSeason = 32774,
    LatestSeason = 32776,
    FirstSeason = 32778,
    GameDetails = 32779,
    Import = 32780,
    ToggleZoom = 32781,
    ToggleInitials = 32782,
    ImportClipboard = 32783,
    RemoveSeason = 32786,
    ToggleSCDisplay = 32787,
    /// Puts the orders mail on the clipboard (for web mail users).
    CopyOrdersMail = 32788,
    /// Shows or hides the seasons list beside the game windows.
    ToggleSeasons = 32800,
    /// Opens the game's supply-centre chart.
    CentreChart = 32801,
    /// Imports every Judge mail of mail files or a Maildir folder at once.
    ImportMailbox = 32802,
    /// Draws the season's orders over the map.
    ToggleOrders = 32803,
    /// Scales the map with filtering when zoomed to fit and when printing.
    ToggleSmoothZoom = 32804,
    /// Writes the map on show as a PNG or PDF file.
    ExportMap = 32805,
    /// Writes the whole game as an animated GIF.
    ExportAnimation = 32806,
    /// The IMAP mailbox of the game, and fetching its new Judge mail.
    MailboxSettings = 32807,
    FetchMailbox = 32808,
    /// Sends the drafted orders to the Judge over SMTP.
    SendToJudge = 32809,
    /// The map a step larger or smaller, or at its own size, instead of
    /// zoomed to fit.
    ZoomIn = 32820,
    ZoomOut = 32821,
    ActualSize = 32822,
    /// Shows or hides the centres and units of each power under the orders.
    TogglePhaseSummary = 32823,
    /// Orders for the phase due written by clicks on the map, checked as typed.
    OrdersMode = 32824,
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    SendMail = 57612,
    WindowNew = 57648,
    WindowArrange = 57649,
    WindowCascade = 57650,
    WindowTile = 57651,
    AppAbout = 57664,
    AppExit = 57665,
    HelpTopics = 57667,
    ContextHelp = 57669,
    Help = 57670,
    NextPane = 57680,
    PreviousPane = 57681,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};
