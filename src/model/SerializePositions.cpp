#include "model/PositionMap.h"
#include "model/SerializeModel.h"

#include <string_view>
#include <unordered_map>

void SerializePositionList(CArchive& ar, CPositionList& list)
{
    if (ar.IsStoring()) {
        ar.WriteCount(list.size());
        for (const MapPos& pos : list)
            ar.WritePos(pos);
        return;
    }
    const size_t count = ar.ReadCount(kPosBytes);
    // A list node holds the value and two links.
    if (!ar.Charge(count * (sizeof(MapPos) + 2 * sizeof(void*))))
        return;
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        const MapPos pos = ar.ReadPos();
        if (!ar.Failed())
            list.push_back(pos);
    }
}

void CPositionMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(m_nCount);
        ForEach([&ar](const Entry& entry) {
            ar.WriteString(entry.key);
            ar.WritePos(entry.value);
        });
        return;
    }
    const size_t count = ar.ReadCount(kMinEntryBytes);
    if (count == 0)
        return;
    // Entry, chain link and look-up node for every entry read.
    if (!ar.Charge(count * (sizeof(Entry) + sizeof(void*) + 4 * sizeof(void*))))
        return;
    // The same outcome as SetAt for each entry in turn, without walking a
    // chain per entry: a damaged file with many keys must not take
    // quadratic time. Chain nodes never move, so views of their keys stay valid.
    std::unordered_map<std::string_view, Entry*> byKey;
    for (auto& chain : m_buckets)
        for (Entry& entry : chain)
            byKey.emplace(entry.key, &entry);
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        std::string key = ar.ReadString();
        const MapPos pos = ar.ReadPos();
        if (ar.Failed())
            return;
        if (auto found = byKey.find(key); found != byKey.end()) {
            found->second->value = pos;
            continue;
        }
        if (m_buckets.empty())
            m_buckets.resize(kBucketCount);
        const uint32_t hash = HashName(key);
        auto& chain = m_buckets[hash % kBucketCount];
        chain.push_front(Entry{std::move(key), hash, pos});
        byKey.emplace(chain.front().key, &chain.front());
        ++m_nCount;
    }
}
