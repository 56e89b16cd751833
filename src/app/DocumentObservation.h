#pragma once

class CKestraneDoc;
class IDocumentObserver;

/// One observer's registration with a document: made on construction,
/// undone by Detach (the document is going) or on destruction, whichever
/// comes first. Every window that shows a game holds one.
class CDocumentObservation {
public:
    CDocumentObservation(CKestraneDoc& doc, IDocumentObserver& observer);
    ~CDocumentObservation();
    CDocumentObservation(const CDocumentObservation&) = delete;
    CDocumentObservation& operator=(const CDocumentObservation&) = delete;

    /// The document observed; nullptr once detached.
    CKestraneDoc* Document() const { return m_pDoc; }
    /// Stops observing; safe to call again.
    void Detach();

private:
    CKestraneDoc* m_pDoc;
    IDocumentObserver& m_observer;
};
