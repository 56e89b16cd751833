#include "model/KestraneDoc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Messages are dropped: only crashes, leaks and sanitizer reports count.
class CQuietServices : public IAppServices {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    std::string GetInstallDir() const override { return "."; }
    void CloseMainWindow() override {}
};

} // namespace

// Reads a saved game from arbitrary bytes; a document that reads must save
// and read back again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CQuietServices services;
    CKestraneDoc doc(services);
    if (!doc.ReadDocument(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    const std::string saved = doc.WriteDocument();
    CKestraneDoc again(services);
    if (!again.ReadDocument(saved) || again.m_seasons.size() != doc.m_seasons.size())
        __builtin_trap();
    return 0;
}
