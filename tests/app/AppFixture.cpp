#include "AppFixture.h"

#include "app/DocManager.h"
#include "app/MailboxFetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QtTest>

CAppFixture::CAppFixture(const Presets& presets, const testgame::TestGameSpec& game, bool showSplash)
    : m_mapName(QString::fromStdString(game.mapName))
{
    testgame::WriteTestInstall(m_dir, game);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Path("settings"));
    qputenv("XDG_CACHE_HOME", Path("cache").toLocal8Bit());
    m_oldPath = qgetenv("PATH");
    RemoveMailTool();
    {
        QSettings settings(CQtSettingsStore::kOrganisation, CQtSettingsStore::kApplication);
        settings.clear();
        settings.setValue("Settings/InstallDir", m_dir.Path().c_str());
        for (const auto& [key, value] : presets)
            settings.setValue(key, value);
        settings.sync();
    }
    auto prompts = std::make_unique<CScriptedPrompts>();
    m_prompts = prompts.get();
    m_app = std::make_unique<CKestraneApp>(std::move(prompts));
    CKestraneApp::StartOptions options;
    options.showSplash = showSplash;
    m_app->InitInstance(options);
}

CAppFixture::~CAppFixture()
{
    // Nothing may ask questions while the test tears the windows down.
    if (m_app && m_app->MainFrame()) {
        m_prompts->saveChangesAnswers.assign(100, QMessageBox::No);
        m_app->MainFrame()->close();
    }
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qputenv("PATH", m_oldPath);
}

QString CAppFixture::Path(const QString& relative) const
{
    return QString::fromStdString((m_dir.Path() / relative.toStdString()).string());
}

CKestraneDoc* CAppFixture::NewGame()
{
    const size_t before = Frame().Docs().Documents().size();
    m_prompts->openAnswers.push_back(MapPath());
    Run(Cmd::FileNew);
    const auto docs = Frame().Docs().Documents();
    return docs.size() > before ? docs.back() : nullptr;
}

CKestraneDoc* CAppFixture::NewStandardGame()
{
    const QString maps = QStringLiteral(KESTRANE_SOURCE_DIR "/data/Maps/");
    for (const char* file : {"Standard.map", "STANDARD.BMP", "Standard.geo"}) {
        QFile::remove(Path(QStringLiteral("Maps/") + file));
        if (!QFile::copy(maps + file, Path(QStringLiteral("Maps/") + file)))
            return nullptr;
    }
    const size_t before = Frame().Docs().Documents().size();
    m_prompts->openAnswers.push_back(Path("Maps/Standard.map"));
    Run(Cmd::FileNew);
    const auto docs = Frame().Docs().Documents();
    return docs.size() > before ? docs.back() : nullptr;
}

void CAppFixture::ImportReport(const QString& report)
{
    // Importing rewrites the file it reads: the test imports a copy.
    const QString copy = Path("reports/" + QFileInfo(report).fileName());
    QDir().mkpath(Path("reports"));
    QFile::remove(copy);
    QFile::copy(report, copy);
    QFile(copy).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_prompts->openAnswers.push_back(copy);
    Run(Cmd::Import);
}

void CAppFixture::Run(Cmd id)
{
    Frame().Execute(id);
    // Longer than any fetch a test makes, a timeout included.
    constexpr int kFetchMs = 60000;
    QVERIFY2(QTest::qWaitFor([this] { return !Frame().Fetcher().IsBusy(); }, kFetchMs), "the fetch did not end");
}

void CAppFixture::Exit()
{
    Frame().close();
    m_app->ExitInstance();
}

QVariant CAppFixture::Stored(const QString& key) const
{
    QSettings settings(CQtSettingsStore::kOrganisation, CQtSettingsStore::kApplication);
    return settings.value(key);
}

void CAppFixture::InstallMailTool(int exitStatus)
{
    const QString bin = Path("bin");
    const QString script = QStringLiteral("#!/bin/sh\n"
                                          "[ \"$1\" = \"--body\" ] || exit 64\n"
                                          "[ $# -eq 2 ] || exit 65\n"
                                          "printf '%s' \"$2\" > '%1'\n"
                                          "exit %2\n")
                               .arg(MailOutputPath())
                               .arg(exitStatus);
    m_dir.Write("bin/xdg-email", script.toStdString());
    QFile::setPermissions(bin + "/xdg-email", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PATH", bin.toLocal8Bit());
}

void CAppFixture::RemoveMailTool()
{
    // A search path with no mail tool on it.
    m_dir.Write("nobin/.keep", "");
    qputenv("PATH", Path("nobin").toLocal8Bit());
}

QStringList MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << action->text();
    return titles;
}

QMenu* FindMenu(const CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

QStringList MenuItems(const QMenu& menu)
{
    QStringList items;
    for (QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

std::string StartingReport()
{
    return ":: Judge: USTV  Game: demo  Variant: Standard\n"
           ":: Deadline: S1901M Mon Mar 02 2026 23:30:00 +0000\n"
           "\n"
           "You have been selected as England in game 'demo' of Diplomacy.\n"
           "\n"
           "Starting position for Spring of 1901.\n"
           "\n"
           "England: Fleet LON.\n"
           "England: Army PAR.\n"
           "\n"
           "France:  Fleet STP (south coast).\n"
           "\n"
           "The deadline for the first orders is Mon Mar 02 2026 23:30:00 +0000.\n";
}

std::string SpringMovementReport()
{
    return ":: Judge: USTV  Game: demo  Variant: Standard\n"
           ":: Deadline: S1901M Mon Mar 09 2026 23:30:00 +0000\n"
           "\n"
           "Movement results for Spring of 1901.  (demo.001)\n"
           "\n"
           "England: Fleet LON HOLD.\n"
           "England: Army PAR -> STP.  (*bounce*)\n"
           "\n"
           "France: Fleet STP (south coast) HOLD.\n"
           "\n"
           "The next phase of 'demo' will be Movement for Fall of 1901.\n";
}
