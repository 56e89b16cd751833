#pragma once

/// A view of a document: told when the document's contents or title change.
class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;
    /// The season on show or its contents changed; repaint.
    virtual void OnDocumentUpdate() = 0;
    /// The document title changed; re-caption.
    virtual void OnDocumentTitleChanged() {}
    /// The modified flag changed.
    virtual void OnDocumentModifiedChanged() {}
};
