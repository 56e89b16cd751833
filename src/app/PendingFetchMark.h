#pragma once

#include "app/DocumentObservation.h"
#include "mailaccess/FetchMarks.h"
#include "model/DocumentObserver.h"

#include <string>

class CKestraneDoc;

/// How far a fetch read the mailbox, remembered only once the game that
/// took the mails is saved: a game closed without saving fetches the same
/// mails again next time instead of losing them.
class CPendingFetchMark : public IDocumentObserver {
public:
    /// Waits for doc to be saved, then writes mark under key to marksFile.
    CPendingFetchMark(CKestraneDoc& doc, std::string marksFile, std::string key, CFetchMark mark);
    ~CPendingFetchMark() override;
    CPendingFetchMark(const CPendingFetchMark&) = delete;
    CPendingFetchMark& operator=(const CPendingFetchMark&) = delete;

    bool Written() const { return m_bWritten; }

    /// Writes one mark into the marks file, keeping the others.
    static bool Write(const std::string& marksFile, const std::string& key, const CFetchMark& mark, std::string& error);

    void OnDocumentUpdate() override {}
    void OnDocumentModifiedChanged() override;

private:
    CDocumentObservation m_observation;
    std::string m_strMarksFile;
    std::string m_strKey;
    CFetchMark m_mark;
    bool m_bWritten = false;
};
