#include "model/PositionMap.h"

uint32_t HashName(const std::string& key)
{
    int32_t sum = 0;
    for (char c : key)
        sum = static_cast<int32_t>(static_cast<uint32_t>(sum) + static_cast<uint32_t>(static_cast<int8_t>(c)));
    return static_cast<uint32_t>(sum);
}

void CPositionMap::SetAt(const std::string& key, MapPos value)
{
    if (m_buckets.empty())
        m_buckets.resize(kBucketCount);
    const uint32_t hash = HashName(key);
    auto& chain = m_buckets[hash % kBucketCount];
    for (Entry& entry : chain) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
    chain.push_front(Entry{key, hash, value});
    ++m_nCount;
}

std::optional<MapPos> CPositionMap::Lookup(const std::string& key) const
{
    if (m_buckets.empty())
        return std::nullopt;
    for (const Entry& entry : m_buckets[HashName(key) % kBucketCount]) {
        if (entry.key == key)
            return entry.value;
    }
    return std::nullopt;
}

void CPositionMap::RemoveAll()
{
    m_buckets.clear();
    m_buckets.shrink_to_fit();
    m_nCount = 0;
}

void CPositionMap::ForEach(const std::function<void(const Entry&)>& visit) const
{
    for (const auto& chain : m_buckets)
        for (const Entry& entry : chain)
            visit(entry);
}
