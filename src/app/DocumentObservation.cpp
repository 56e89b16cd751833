#include "app/DocumentObservation.h"

#include "model/KestraneDoc.h"

CDocumentObservation::CDocumentObservation(CKestraneDoc& doc, IDocumentObserver& observer)
    : m_pDoc(&doc), m_observer(observer)
{
    doc.AddObserver(&observer);
}

CDocumentObservation::~CDocumentObservation()
{
    Detach();
}

void CDocumentObservation::Detach()
{
    if (m_pDoc)
        m_pDoc->RemoveObserver(&m_observer);
    m_pDoc = nullptr;
}
