#pragma once

#include "model/DocumentObserver.h"

#include <algorithm>
#include <string>
#include <vector>

/// What a document/view framework gives every document: a title, a path,
/// a modified flag and the views to tell about changes.
class CDocumentBase {
public:
    virtual ~CDocumentBase() = default;

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title)
    {
        m_strTitle = title;
        for (IDocumentObserver* view : Observers())
            view->OnDocumentTitleChanged();
    }

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true)
    {
        const bool changed = m_bModified != modified;
        m_bModified = modified;
        if (changed)
            for (IDocumentObserver* view : Observers())
                view->OnDocumentModifiedChanged();
    }

    /// Tells every view to repaint.
    void UpdateAllViews()
    {
        for (IDocumentObserver* view : Observers())
            view->OnDocumentUpdate();
    }

    void AddObserver(IDocumentObserver* view) { m_observers.push_back(view); }
    void RemoveObserver(IDocumentObserver* view)
    {
        m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), view), m_observers.end());
    }

private:
    // A copy, so a view may detach itself while it is being told.
    std::vector<IDocumentObserver*> Observers() const { return m_observers; }

    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
    std::vector<IDocumentObserver*> m_observers; // not owned
};
