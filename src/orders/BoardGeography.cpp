#include "orders/BoardGeography.h"

#include "model/FileBytes.h"
#include "model/InstallPath.h"
#include "orders/GeographyFile.h"

#include <filesystem>

namespace orders {

BoardGeography LoadBoardGeography(const std::string& installDir, const std::string& mapName)
{
    BoardGeography board;
    const std::string path = "Maps\\" + mapName + ".geo";
    const std::string shown = "Maps/" + mapName + ".geo";
    const auto resolved = ResolveInstallPath(installDir, path);
    std::error_code ec;
    if (!resolved || std::filesystem::is_directory(*resolved, ec)) {
        board.unavailable = "The board \"" + mapName + "\" has no geography (" + shown +
                            "), so its orders cannot be read or checked.";
        return board;
    }
    const FileReadResult file = ReadFileBytes(*resolved);
    if (!file.bytes) {
        board.unavailable = "Cannot read " + shown + ", the board's geography.";
        return board;
    }
    GeographyReading reading = ReadGeography(*file.bytes);
    if (!reading.geography) {
        board.unavailable = shown + " cannot be used: " + reading.problems.front() +
                            (reading.problems.size() > 1 ? " (and " + std::to_string(reading.problems.size() - 1) +
                                                               " more problems)"
                                                         : "");
        return board;
    }
    board.geography = std::move(reading.geography);
    return board;
}

} // namespace orders
