#pragma once

#include "model/Archive.h"
#include "model/PositionList.h"

#include <cstddef>

/// The classes a game document stores, with the schemas this program writes.
inline constexpr CArchiveClass kDocumentClass{"CKestraneDoc", 4};
inline constexpr CArchiveClass kSeasonHdrClass{"CSeasonHdr", 2};
inline constexpr CArchiveClass kSeasonDataClass{"CSeasonData", 1};
inline constexpr CArchiveClass kCountryClass{"CCountry", 1};

/// The fewest bytes one stored item can take, so that a reader can refuse a
/// count the rest of the stream cannot hold.
inline constexpr size_t kMinSeasonBytes = 2 + 2 + 2 + 1 + 1 + 4; // tag, two counts, two strings, count
inline constexpr size_t kMinUnitBytes = 2 + 4 + 8 + 1;           // tag, kind, position, string
inline constexpr size_t kMinCountryBytes = 2 + 1 + 12;           // tag, name, three components
inline constexpr size_t kMinEntryBytes = 1 + 8;                  // key, position
inline constexpr size_t kPosBytes = 8;

/// Writes a position list as a count and its positions, head first, or reads
/// one and appends the positions.
void SerializePositionList(CArchive& ar, CPositionList& list);
