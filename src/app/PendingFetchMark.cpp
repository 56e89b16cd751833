#include "app/PendingFetchMark.h"

#include "model/KestraneDoc.h"

CPendingFetchMark::CPendingFetchMark(CKestraneDoc& doc, std::string marksFile, std::string key, CFetchMark mark)
    : m_observation(doc, *this), m_strMarksFile(std::move(marksFile)), m_strKey(std::move(key)), m_mark(mark)
{
}

CPendingFetchMark::~CPendingFetchMark() = default;

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
    const CKestraneDoc* doc = m_observation.Document();
    if (m_bWritten || !doc || doc->IsModified() || m_strKey.rfind(doc->GetPathName() + "\t", 0) != 0)
        return;
    std::string error;
    m_bWritten = Write(m_strMarksFile, m_strKey, m_mark, error);
}
