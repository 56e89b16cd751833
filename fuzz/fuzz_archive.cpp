#include "QuietServices.h"
#include "model/KestraneDoc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads a saved game from arbitrary bytes. A document that reads must save
// and read back with the same seasons in the same order. Reading refills the
// name tables' chains front first, so each read reverses them: a second
// read-back saves exactly as the first save.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CQuietServices services;
    CKestraneDoc doc(services);
    if (!doc.ReadDocument(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    // A layout this program does not know reads only the collections and
    // leaves the country count unread; such a game never opens (its picture
    // path is empty too), so only known layouts must read back.
    const uint16_t schema = uint16_t(data[2] | data[3] << 8);
    if (schema < 1 || schema > 4)
        return 0;
    const std::string saved = doc.WriteDocument();
    CKestraneDoc again(services);
    if (!again.ReadDocument(saved) || again.m_seasons.size() != doc.m_seasons.size())
        __builtin_trap();
    for (auto a = doc.m_seasons.begin(), b = again.m_seasons.begin(); a != doc.m_seasons.end(); ++a, ++b)
        if ((*a)->m_strSeason != (*b)->m_strSeason || (*a)->m_orders != (*b)->m_orders)
            __builtin_trap();
    CKestraneDoc third(services);
    if (!third.ReadDocument(again.WriteDocument()) || third.WriteDocument() != saved)
        __builtin_trap();
    return 0;
}
