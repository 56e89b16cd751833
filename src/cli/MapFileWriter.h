#pragma once

#include "cli/MapFileRequest.h"

#include <string>

class CKestraneDoc;

/// render's picture with the orders, smooth scaling or as a PDF page: the
/// season on show drawn as the desktop program draws it, written whole or
/// not at all.
bool WriteMapFile(CKestraneDoc& doc, const CMapFileRequest& request, const std::string& path, std::string& error);

/// animate's GIF: every season in game order with its caption.
bool WriteAnimationFile(CKestraneDoc& doc, const CMapFileRequest& request, const std::string& path,
                        std::string& error);
