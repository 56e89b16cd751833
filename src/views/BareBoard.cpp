#include "views/BareBoard.h"

#include "model/KestraneDoc.h"
#include "views/Raster.h"

#include <algorithm>
#include <cstdlib>

CRgbImage ComposeBareBoard(const CKestraneDoc& doc)
{
    const int width = std::max(0, doc.m_dib.Width());
    const int height = std::abs(doc.m_dib.Height());
    CRgbImage board(width, height, raster::kWhite);
    doc.m_dib.Draw(board, 0, 0, width, height);
    return board;
}
