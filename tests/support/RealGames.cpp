#include "support/RealGames.h"

#include <algorithm>

namespace realgames {

namespace fs = std::filesystem;

fs::path Folder(const std::string& name)
{
    const fs::path folder = fs::path(KESTRANE_SHARED_DIR) / "judge-games" / name;
    return fs::is_directory(folder) ? folder : fs::path();
}

std::vector<fs::path> Mails(const fs::path& folder)
{
    std::vector<fs::path> mails;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".txt" && name.size() > 2 && name.compare(0, 2, "99") != 0)
            mails.push_back(entry.path());
    }
    std::sort(mails.begin(), mails.end());
    return mails;
}

void ImportAll(CKestraneDoc& doc, const fs::path& folder, const CTempDir& temp)
{
    for (const fs::path& mail : Mails(folder)) {
        const fs::path copy = temp.Write(folder.filename().string() + "-" + mail.filename().string(),
                                         CTempDir::Read(mail));
        doc.OnImport(copy.string());
    }
}

} // namespace realgames
