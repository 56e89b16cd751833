#include "views/BareBoard.h"

#include "model/KestraneDoc.h"
#include "views/Raster.h"

#include <algorithm>
#include <cstdlib>

CRgbImage ComposeBareBoard(const CKestraneDoc& doc)
{
    return doc.m_dib.Picture();
}
