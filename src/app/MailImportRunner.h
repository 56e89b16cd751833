#pragma once

#include "app/CommandGroup.h"
#include "mailbox/MailboxImport.h"

#include <QString>
#include <QStringList>

#include <functional>

class CKestraneDoc;

/// A mail import into one game (mail files, mbox files, Maildir folders or
/// fetched mail) behind a progress dialog that can cancel between mails,
/// then its one summary. The mails are read and filed by the mail reader
/// and the core's batch import; this only asks, shows progress and shows
/// the summary, and says when the game may have changed.
class CMailImportRunner : public CCommandGroup {
    Q_OBJECT
public:
    using CCommandGroup::CCommandGroup;

    /// Edit, Import Mailbox: the mail sources chosen in the reports' folder.
    void OnImportMailbox(CKestraneDoc& doc);
    /// Imports every mail of paths into doc.
    void ImportMailSources(CKestraneDoc& doc, const QStringList& paths);

    /// How an import reports progress: mails done and the number in all;
    /// false cancels between mails.
    using Progress = std::function<bool(size_t done, size_t total)>;
    /// Runs import under title, then shows its summary and emits finished().
    CMailboxImport Run(const QString& title, const std::function<CMailboxImport(const Progress&)>& import);

signals:
    /// An import ran and its summary was shown; the game may have changed.
    void finished();
};
