#pragma once

#include <filesystem>

/// Where a clipboard import keeps the clipboard text: "Kestrane.tmp" in the
/// user's cache folder, $XDG_CACHE_HOME/kestrane/ when that variable holds an
/// absolute path, else ~/.cache/kestrane/. Without a usable home folder the
/// file lies in the current folder. The folder is not created here.
std::filesystem::path ClipboardImportPath();
