#pragma once

#include "model/KestraneDoc.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

/// The real Judge games beside the source tree (../shared/judge-games).
namespace realgames {

/// The folder of game name, e.g. "kestrel"; empty when it is not there, so
/// that a test can skip.
std::filesystem::path Folder(const std::string& name);

/// The result mails of a game folder in the order the Judge sent them (the
/// NN-*.txt files below 99).
std::vector<std::filesystem::path> Mails(const std::filesystem::path& folder);

/// Imports every mail of folder into doc, which must hold a new game on the
/// standard board; each mail is copied into temp first, as importing
/// rewrites the file it reads.
void ImportAll(CKestraneDoc& doc, const std::filesystem::path& folder, const CTempDir& temp);

} // namespace realgames
