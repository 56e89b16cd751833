#pragma once

#include "model/MapPos.h"

#include <cstdint>
#include <forward_list>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CArchive;

/// Sum of the key's bytes, each taken as a signed 8-bit value, read as an
/// unsigned 32-bit number. Decides the bucket of a key in a CPositionMap.
uint32_t HashName(const std::string& key);

/// Exact-match table from a province key to a board position.
///
/// Keeps 17 buckets of chains with front insertion, because the order in
/// which a saved game lists its entries is the bucket order followed by the
/// chain order. Storing a key that is present replaces its value.
class CPositionMap {
public:
    static constexpr uint32_t kBucketCount = 17;

    struct Entry {
        std::string key;
        uint32_t hash = 0;
        MapPos value;
    };

    /// Stores key -> value; replaces the value when the key is present.
    void SetAt(const std::string& key, MapPos value);
    /// The value stored for key, compared byte for byte.
    std::optional<MapPos> Lookup(const std::string& key) const;
    /// Destroys all entries and frees the buckets.
    void RemoveAll();
    size_t GetCount() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    /// Visits every entry in bucket order, each chain from its front.
    void ForEach(const std::function<void(const Entry&)>& visit) const;

    /// Writes the entries in bucket and chain order, or reads entries and
    /// stores each as SetAt would.
    void Serialize(CArchive& ar);

private:
    // Allocated on the first insertion, freed by RemoveAll.
    std::vector<std::forward_list<Entry>> m_buckets;
    size_t m_nCount = 0;
};
