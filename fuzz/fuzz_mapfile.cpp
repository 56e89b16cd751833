#include "QuietServices.h"
#include "model/KestraneDoc.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A private installation folder per process, made once: each input is
// written as its Maps\FUZZ.map and read the way a new game reads it.
const std::filesystem::path& InstallDir()
{
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / ("kestrane-fuzz-map-" + std::to_string(getpid()));
        std::filesystem::create_directories(path / "Maps");
        return path;
    }();
    return dir;
}

} // namespace

// Reads a map definition from arbitrary bytes. A definition that reads has
// as many countries as it declares, within the limit, and the game made
// from it saves and reads back; the read reverses the name tables' chains,
// so a second read-back saves exactly as the first save.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        std::ofstream out(InstallDir() / "Maps" / "FUZZ.map", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
        if (!out)
            __builtin_trap();
    }
    CQuietServices services(InstallDir().string());
    CKestraneDoc doc(services);
    doc.m_strMapName = "FUZZ";
    if (!doc.ReadMapFile())
        return 0;
    if (doc.m_nCountries != int32_t(doc.m_countries.size()) || doc.m_nCountries > kMaxCountries)
        __builtin_trap();
    const std::string saved = doc.WriteDocument();
    CKestraneDoc again(services);
    CKestraneDoc third(services);
    if (!again.ReadDocument(saved) || !third.ReadDocument(again.WriteDocument()) || third.WriteDocument() != saved)
        __builtin_trap();
    return 0;
}
