#include "app/GameWatchers.h"

#include "app/AppContext.h"
#include "app/MailboxFetcher.h"
#include "app/PendingFetchMark.h"
#include "app/TextConv.h"
#include "app/WatchStatusItem.h"
#include "judge/PhaseDueRecord.h"
#include "mailaccess/FetchedMail.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "notify/DesktopNotifier.h"
#include "notify/ReminderTimer.h"
#include "watch/PhaseWords.h"
#include "watch/ReminderRequest.h"
#include "watch/ResultsNotice.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>

using namespace std::chrono;

namespace {

// While a dialog is up or a fetch runs, the game may be mid-import: new
// mail waits this long and tries again.
constexpr int kRetryImportMs = 1000;

QString FileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName();
}

} // namespace

/// One watched game: what it is watched with, and how the watch stands.
struct CGameWatchers::CWatched {
    unsigned serial = 0;
    CKestraneDoc* doc = nullptr;
    std::string path;
    CMailAccount account;
    CWatchSettings settings;
    std::unique_ptr<CMailboxWatch> watch;
    /// The phase due as the orders state keeps it.
    std::optional<CPhaseDue> due;
    QString state = QStringLiteral("connecting");
};

CGameWatchers::CGameWatchers(CAppContext& context, QMainWindow& window, CMailboxFetcher& fetcher)
    : CCommandGroup(context, window), m_fetcher(fetcher), m_clock(CReminderTimer::SystemNow)
{
    m_status = new CWatchStatusItem(&window);
    window.statusBar()->addPermanentWidget(m_status);
    connect(m_status, &CWatchStatusItem::gameChosen, this, [this](const QString& path) {
        if (CWatched* watched = FindPath(path))
            emit showGame(watched->doc, {});
    });
    connect(m_status->GamesMenu(), &QMenu::aboutToShow, this, [this] {
        if (m_titleWords.isEmpty())
            return;
        m_titleWords.clear();
        emit changed();
    });
    // The time left moves on by the minute.
    m_minute.setInterval(60 * 1000);
    connect(&m_minute, &QTimer::timeout, this, &CGameWatchers::CheckReminders);
}

CGameWatchers::~CGameWatchers()
{
    // Each watch is stopped and its thread joined before what it reports to goes.
    m_watched.clear();
}

void CGameWatchers::SetClock(Clock clock)
{
    m_clock = std::move(clock);
}

CGameWatchers::CWatched* CGameWatchers::Find(unsigned serial) const
{
    for (const auto& watched : m_watched)
        if (watched->serial == serial)
            return watched.get();
    return nullptr;
}

CGameWatchers::CWatched* CGameWatchers::FindPath(const QString& path) const
{
    for (const auto& watched : m_watched)
        if (QString::fromStdString(watched->path) == path)
            return watched.get();
    return nullptr;
}

void CGameWatchers::Follow(const std::vector<CKestraneDoc*>& docs)
{
    // A watch started afresh keeps the reminders given for its deadline; a
    // game no longer watched loses them.
    const auto stop = [this](const std::function<bool(const CWatched&)>& which, bool forget) {
        for (const auto& watched : m_watched)
            if (forget && which(*watched) && m_reminders)
                m_reminders->Schedule().Remove(watched->path);
        std::erase_if(m_watched, [&](const auto& watched) { return which(*watched); });
    };
    stop([&](const CWatched& w) { return std::find(docs.begin(), docs.end(), w.doc) == docs.end(); }, true);
    for (CKestraneDoc* doc : docs) {
        const std::string path = doc->GetPathName();
        CWatchSettings settings;
        CMailAccount account;
        if (!path.empty()) {
            settings = CWatchSettings::Load(m_context.Store(), path);
            account = CMailAccount::Load(m_context.Store(), path);
            if (account.m_strFilter.empty())
                account.m_strFilter = DefaultMailFilter(doc->m_strJudge, doc->m_strGame);
        }
        const bool wanted = !path.empty() && settings.m_bWatch && !account.m_strServer.empty() &&
                            account.Problem().empty();
        const auto same = [&](const CWatched& w) {
            return w.doc == doc && w.path == path && w.account == account && w.settings == settings;
        };
        stop([&](const CWatched& w) { return w.doc == doc && (!wanted || w.path != path); }, true);
        stop([&](const CWatched& w) { return w.doc == doc && !same(w); }, false);
        if (!wanted)
            continue;
        if (const auto it = std::find_if(m_watched.begin(), m_watched.end(), [&](const auto& w) { return same(*w); });
            it != m_watched.end()) {
            UpdateReminders(**it);
            continue;
        }
        Start(*doc, account, settings);
    }
    CheckReminders();
}

void CGameWatchers::Start(CKestraneDoc& doc, const CMailAccount& account, const CWatchSettings& settings)
{
    const std::string path = doc.GetPathName();
    const std::string declined = path + '\n' + account.KeyringKey();
    if (std::find(m_declined.begin(), m_declined.end(), declined) != m_declined.end())
        return;
    const auto password = m_fetcher.MailboxPassword(account);
    if (!password) {
        // Asked once; the next change of the settings asks again.
        m_declined.push_back(declined);
        emit notice(FileName(path) + QStringLiteral(" is not watched: no password was given."));
        return;
    }
    CFetchMarks marks;
    std::string error;
    if (!marks.Load(m_context.MarksFile(), error)) {
        emit notice(QString::fromStdString(error));
        return;
    }
    if (!m_notifier) {
        // Made with the first watch, so a program that watches nothing never
        // looks for the session bus.
        m_notifier = std::make_unique<CDesktopNotifier>();
        m_reminders = std::make_unique<CReminderTimer>(*m_notifier, [this] { return m_clock(); });
        connect(m_notifier.get(), &CDesktopNotifier::fallback, this, &CGameWatchers::OnFallback);
        connect(m_notifier.get(), &CDesktopNotifier::activated, this,
                [this](const QString& game, const QString& season) {
                    if (CWatched* watched = FindPath(game))
                        emit showGame(watched->doc, season.toUtf8());
                });
        m_minute.start();
    }
    auto watched = std::make_unique<CWatched>();
    watched->serial = m_nextSerial++;
    watched->doc = &doc;
    watched->path = path;
    watched->account = account;
    watched->settings = settings;
    CWatchOptions options;
    options.useIdle = settings.m_bUseIdle;
    options.pollPeriod = minutes(settings.m_nPollMinutes);
    watched->watch = std::make_unique<CMailboxWatch>(account, *password, marks.Get(CFetchMarks::Key(path, account)),
                                                     options, Events(watched->serial));
    watched->watch->Start();
    UpdateReminders(*watched);
    m_watched.push_back(std::move(watched));
}

CWatchEvents CGameWatchers::Events(unsigned serial)
{
    // Each is called on the watch's thread and hands its news to this one.
    const auto post = [this](std::function<void()> task) {
        QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
    };
    CWatchEvents events;
    events.watching = [this, post, serial](bool idle) {
        post([this, serial, idle] {
            if (CWatched* watched = Find(serial)) {
                watched->state = idle ? QStringLiteral("new mail is fetched as it arrives")
                                      : QStringLiteral("the server offers no IDLE: asked every %1 minutes")
                                            .arg(watched->settings.m_nPollMinutes);
                UpdateStatus();
            }
        });
    };
    events.newMail = [this, post, serial](const CMailboxFetch& fetch, const CFetchMark& next) {
        post([this, serial, fetch, next] { OnNewMail(serial, fetch, next); });
    };
    events.reconnecting = [this, post, serial](int seconds, const std::string& reason) {
        post([this, serial, seconds, reason] {
            if (CWatched* watched = Find(serial)) {
                watched->state = QString::fromStdString(reason) + QStringLiteral(" Trying again in %1 seconds.").arg(seconds);
                UpdateStatus();
            }
        });
    };
    events.stopped = [this, post, serial](const std::string& reason) {
        post([this, serial, reason] { OnStopped(serial, reason); });
    };
    return events;
}

void CGameWatchers::OnNewMail(unsigned serial, const CMailboxFetch& fetch, const CFetchMark& next)
{
    CWatched* watched = Find(serial);
    if (!watched)
        return;
    if (m_fetcher.IsBusy() || QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryImportMs, this, [this, serial, fetch, next] { OnNewMail(serial, fetch, next); });
        return;
    }
    // The import may start this watch afresh (a new game takes its name, and
    // with it its mail filter, from its first results), so nothing of the
    // watch is held across it.
    CKestraneDoc& doc = *watched->doc;
    const std::string path = watched->path;
    const CMailAccount account = watched->account;
    // The same import as Fetch from Mailbox, without its dialogs: nobody
    // asked for this one, so its headline goes to the status bar and the
    // notice says what changed.
    const CMailboxImport import = ImportFetchedMail(doc, fetch, account);
    std::vector<std::string> unread;
    const CPhaseDueRecord record =
        RecordPhaseDue(m_context.OrdersStateFile(path), doc, FetchedReportTexts(fetch, account, unread));
    if (MarkMayAdvance(import))
        KeepMark(doc, CFetchMarks::Key(path, account), next);
    emit notice(FileName(path) + QStringLiteral(": ") + FromDocText(import.Headline()) +
                (record.message.empty() ? QString() : QStringLiteral(" ") + QString::fromStdString(record.message)));
    if (const auto filed = ResultsNotice(doc, FiledSeasons(import)))
        Notifier().Show(QString::fromStdString(path), *filed);
    if (CWatched* now = FindPath(QString::fromStdString(path)))
        UpdateReminders(*now);
    CheckReminders();
    emit changed();
}

void CGameWatchers::KeepMark(CKestraneDoc& doc, const std::string& key, const CFetchMark& next)
{
    // As Fetch from Mailbox keeps it: at once for a game with nothing
    // unsaved, else once the game is saved.
    m_pendingMarks.erase(&doc);
    if (!doc.IsModified()) {
        std::string error;
        if (!CPendingFetchMark::Write(m_context.MarksFile(), key, next, error))
            emit notice(QString::fromStdString(error));
        return;
    }
    m_pendingMarks[&doc] = std::make_unique<CPendingFetchMark>(doc, m_context.MarksFile(), key, next);
}

void CGameWatchers::OnStopped(unsigned serial, const std::string& reason)
{
    CWatched* watched = Find(serial);
    if (!watched || reason.empty())
        return;
    // Stays listed as stopped: the next change of its settings starts it again.
    watched->state = QStringLiteral("stopped: ") + QString::fromStdString(reason);
    Notifier().Show(QString::fromStdString(watched->path),
                    CNotice{GameInWords(watched->doc->m_strGame) + ": the watch has stopped", reason, ""});
    UpdateStatus();
}

void CGameWatchers::OnSettingsAccepted(CKestraneDoc* doc)
{
    const std::string path = doc->GetPathName() + '\n';
    std::erase_if(m_declined, [&](const std::string& key) { return key.starts_with(path); });
    StopWatch(doc);
}

void CGameWatchers::OnDocumentClosing(CKestraneDoc* doc)
{
    for (const auto& watched : m_watched)
        if (watched->doc == doc && m_reminders)
            m_reminders->Schedule().Remove(watched->path);
    StopWatch(doc);
    m_pendingMarks.erase(doc);
    UpdateStatus();
}

void CGameWatchers::StopWatch(CKestraneDoc* doc)
{
    std::erase_if(m_watched, [doc](const auto& watched) { return watched->doc == doc; });
}

void CGameWatchers::UpdateReminders(CWatched& watched)
{
    std::string message;
    const CGameOrdersState state =
        LoadCurrentOrdersState(m_context.OrdersStateFile(watched.path), *watched.doc, watched.path, message);
    if (!message.empty())
        emit notice(QString::fromStdString(message));
    watched.due = state.due;
    if (!m_reminders)
        return;
    if (const auto request = ReminderRequestFor(watched.doc->m_strGame, state, watched.settings.m_leads))
        m_reminders->Schedule().Set(watched.path, *request);
    else
        m_reminders->Schedule().Remove(watched.path);
}

void CGameWatchers::CheckReminders()
{
    if (m_reminders)
        m_reminders->Check();
    UpdateStatus();
}

void CGameWatchers::UpdateStatus()
{
    const sys_seconds now = m_clock();
    std::vector<CWatchLine> lines;
    for (const auto& watched : m_watched)
        lines.push_back(WatchLine(watched->path, watched->doc->m_strGame, watched->due, watched->state, now));
    m_status->SetGames(lines);
}

void CGameWatchers::OnFallback(const QString&, const QString& title, const QString& body)
{
    // No desktop service took the notice: the status bar says it now, and
    // the window title and the status-bar item keep it until looked at.
    emit notice(body.isEmpty() ? title : title + QStringLiteral(" ") + body);
    m_titleWords = title;
    m_status->SetAttention(title);
    emit changed();
}
