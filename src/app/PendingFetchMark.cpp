#include "app/PendingFetchMark.h"

#include "model/KestraneDoc.h"

CPendingFetchMark::CPendingFetchMark(CKestraneDoc& doc, std::string marksFile, std::string key, CFetchMark mark)
    : m_pDoc(&doc), m_strMarksFile(std::move(marksFile)), m_strKey(std::move(key)), m_mark(mark)
{
    doc.AddObserver(this);
}

CPendingFetchMark::~CPendingFetchMark()
{
    if (m_pDoc)
        m_pDoc->RemoveObserver(this);
}

bool CPendingFetchMark::Write(const std::string& marksFile, const std::string& key, const CFetchMark& mark,
                              std::string& error)
{
    // Read afresh: the command line may have moved another game's mark.
    CFetchMarks marks;
    if (!marks.Load(marksFile, error))
        return false;
    marks.Set(key, mark);
    return marks.Save(marksFile, error);
}

void CPendingFetchMark::OnDocumentModifiedChanged()
{
    // Saved (the flag went off) under the same file name the mark belongs to.
    if (m_bWritten || !m_pDoc || m_pDoc->IsModified() || m_strKey.rfind(m_pDoc->GetPathName() + "\t", 0) != 0)
        return;
    std::string error;
    m_bWritten = Write(m_strMarksFile, m_strKey, m_mark, error);
}
