#pragma once

#include <filesystem>
#include <optional>
#include <string>

/// Resolves a path as saved games and map definitions write it ("Maps\BOARD.BMP",
/// backslashes, often upper-cased) below the installation folder.
///
/// The path is split on both "\" and "/". A component that does not exist
/// with exactly that name is matched against the folder's entries without
/// regard to case, so a Maps folder copied from another system still works.
/// A relative path not found below the installation folder is looked for
/// below the user's own data folder (UserDataDir()), so maps a player adds
/// there work with any installation.
/// Returns the existing file or folder, or nullopt when nothing matches.
std::optional<std::filesystem::path> ResolveInstallPath(const std::string& installDir,
                                                        const std::string& relativePath);

/// The user's own data folder: $XDG_DATA_HOME/kestrane, or
/// ~/.local/share/kestrane when XDG_DATA_HOME is unset or not absolute;
/// empty when neither variable gives a folder.
std::filesystem::path UserDataDir();

/// The path as it would be opened: resolved when it exists, else the plain
/// join with "\" turned into "/" (for messages and for files to be created).
std::filesystem::path InstallPathOrJoin(const std::string& installDir, const std::string& relativePath);
