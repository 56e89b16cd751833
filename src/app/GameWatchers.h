#pragma once

#include "app/CommandGroup.h"
#include "mailaccess/MailboxWatch.h"
#include "mailaccess/WatchSettings.h"

#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDesktopNotifier;
class CKestraneDoc;
class CMailboxFetcher;
class CPendingFetchMark;
class CReminderTimer;
class CWatchStatusItem;
class QMainWindow;

/// Keeps watch over the open games whose Mailbox Settings say so: one
/// mailbox watch each on a thread of its own, whose new mail is imported
/// here on the user-interface thread through the same import as Fetch from
/// Mailbox (its mark waiting, as a fetch's does, for the game to be saved),
/// followed by the results notice. The deadline reminders follow each game's
/// orders state. The notices go to the desktop's notification service, or,
/// without one, to the status bar and the window title; a status-bar item
/// lists the watched games with the phase due and the time left.
class CGameWatchers : public CCommandGroup {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::sys_seconds()>;

    CGameWatchers(CAppContext& context, QMainWindow& window, CMailboxFetcher& fetcher);
    ~CGameWatchers() override;

    /// Watches exactly those of docs (the open games) that are saved and
    /// set to be watched, with their stored account and settings, and takes
    /// their orders states afresh for the reminders. Cheap when nothing
    /// changed: the program calls it after every command.
    void Follow(const std::vector<CKestraneDoc*>& docs);
    /// The mailbox settings of doc were accepted: its watch starts afresh at
    /// the next Follow (a new password, a login to try again), and a
    /// password declined before is asked for again.
    void OnSettingsAccepted(CKestraneDoc* doc);
    /// doc is closing: its watch stops, its mark waiting for a save is dropped.
    void OnDocumentClosing(CKestraneDoc* doc);

    /// The clock of the reminders and the time left (tests drive their own).
    void SetClock(Clock clock);
    /// Gives the reminders due now and brings the status-bar item up to date.
    void CheckReminders();
    /// The words of the last notice that no desktop service took, for the
    /// window title; empty once seen.
    const QString& TitleWords() const { return m_titleWords; }
    /// The notifier the notices go through; made with the first watch.
    CDesktopNotifier& Notifier() { return *m_notifier; }
    CWatchStatusItem& StatusItem() { return *m_status; }

signals:
    /// The player asked to see doc (a click on its notice or its line in the
    /// status-bar list): on season, or as it is when season is empty.
    void showGame(CKestraneDoc* doc, const QByteArray& season);
    /// A game changed under a watch, or the title's words did.
    void changed();

private:
    struct CWatched;

    void Start(CKestraneDoc& doc, const CMailAccount& account, const CWatchSettings& settings);
    void StopWatch(CKestraneDoc* doc);
    CWatched* Find(unsigned serial) const;
    CWatched* FindPath(const QString& path) const;
    void OnNewMail(unsigned serial, const CMailboxFetch& fetch, const CFetchMark& next);
    void OnStopped(unsigned serial, const std::string& reason);
    void KeepMark(CKestraneDoc& doc, const std::string& key, const CFetchMark& next);
    void UpdateReminders(CWatched& watched);
    void UpdateStatus();
    void OnFallback(const QString& game, const QString& title, const QString& body);
    CWatchEvents Events(unsigned serial);

    CMailboxFetcher& m_fetcher;
    std::unique_ptr<CDesktopNotifier> m_notifier;
    std::unique_ptr<CReminderTimer> m_reminders;
    CWatchStatusItem* m_status = nullptr;
    Clock m_clock;
    QTimer m_minute;
    QString m_titleWords;
    unsigned m_nextSerial = 1;
    std::vector<std::unique_ptr<CWatched>> m_watched;
    /// Watches the player declined to give the password for, by game file and
    /// account, not asked again until the settings change.
    std::vector<std::string> m_declined;
    std::map<const CKestraneDoc*, std::unique_ptr<CPendingFetchMark>> m_pendingMarks;
};
