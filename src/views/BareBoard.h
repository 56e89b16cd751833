#pragma once

#include "picture/RgbImage.h"

class CKestraneDoc;

/// The board picture alone at its own size, as a season is composed on it
/// before any unit is drawn.
CRgbImage ComposeBareBoard(const CKestraneDoc& doc);
