#pragma once

#include <QString>

#include <string>

/// Document text (titles, order lines, file names) as the user sees it:
/// UTF-8 when the bytes are valid UTF-8, else each byte as its Latin-1
/// character, so a stray byte in a report never turns into garbage.
QString FromDocText(const std::string& text);

/// A file path for the core, in the file system's own encoding.
std::string ToPath(const QString& path);
