#pragma once

#include <QImage>
#include <QString>

/// The file kinds a map picture is exported as.
enum class MapFileKind { Png, Pdf };

/// PDF when path ends in ".pdf" (any letter case), else PNG.
MapFileKind MapFileKindOf(const QString& path);

/// Writes picture to path as a PNG file, or as a one-page PDF whose page is
/// the picture at 96 dots per inch. The file appears whole or not at all:
/// it is written under a temporary name and renamed when complete, and a
/// file already at path stays as it was on failure. False with the reason.
bool ExportMapPicture(const QImage& picture, const QString& path, QString& error);
