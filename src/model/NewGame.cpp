#include "model/InstallPath.h"
#include "model/KestraneDoc.h"

#include <filesystem>
#include <fstream>

namespace {

// The file title: the name without its folder (either separator), cut
// before the last full stop; a name without a full stop is taken whole.
std::string FileTitle(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace

bool CKestraneDoc::OnNewDocument(const std::string& chosenMapPath)
{
    DeleteContents();
    SetModifiedFlag(false);
    // An empty choice is a cancelled dialog: no game, no message.
    if (chosenMapPath.empty())
        return false;

    // Only the file title counts: the definition is always read from the
    // Maps folder below the installation folder, not from where the user browsed.
    m_strMapName = FileTitle(chosenMapPath);
    if (!ReadMapFile())
        return false;

    std::ifstream image;
    if (const auto resolved = ResolveInstallPath(Services().GetInstallDir(), m_strImagePath);
        resolved && !std::filesystem::is_directory(*resolved))
        image.open(*resolved, std::ios::binary);
    if (!image.is_open()) {
        Services().ShowMessage("Cannot open image file", MessageIcon::None);
        return false;
    }
    if (!m_dib.Load(image, &Services())) {
        Services().ShowMessage("Failed to load image", MessageIcon::None);
        return false;
    }
    BuildPalette();
    m_savedBytes = WriteDocument();
    return true;
}

bool CKestraneDoc::BuildPalette()
{
    m_palette.clear();
    const int count = m_dib.ColourCount();
    if (count <= 0)
        return false;
    m_palette.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        // The table stores blue, green, red; the palette wants red, green, blue.
        const uint8_t* entry = m_dib.ColourEntry(i);
        m_palette.push_back(CPaletteEntry{entry[2], entry[1], entry[0], 0});
    }
    return true;
}
