#pragma once

#include <QHash>

#include <list>
#include <utility>

// A map that keeps at most `capacity` entries, dropping the least recently used first. The
// services' answer caches are kept for the whole run; the bound lies far above what a day of
// lookups fills, so that only a run of weeks or a flood of distinct input ever reaches it.
template <typename Key, typename Value> class LruCache
{
public:
    static constexpr qsizetype kDefaultCapacity = 20000;

    explicit LruCache(qsizetype capacity = kDefaultCapacity)
        : m_capacity(std::max<qsizetype>(1, capacity))
    {
    }

    // The value, now the most recently used; nullptr when absent.
    const Value* find(const Key& key)
    {
        const auto found = m_index.constFind(key);
        if (found == m_index.constEnd())
            return nullptr;
        m_order.splice(m_order.begin(), m_order, found.value());
        return &found.value()->second;
    }

    void insert(const Key& key, Value value)
    {
        if (const auto found = m_index.constFind(key); found != m_index.constEnd()) {
            found.value()->second = std::move(value);
            m_order.splice(m_order.begin(), m_order, found.value());
            return;
        }
        m_order.emplace_front(key, std::move(value));
        m_index.insert(key, m_order.begin());
        if (m_index.size() > m_capacity) {
            m_index.remove(m_order.back().first);
            m_order.pop_back();
        }
    }

    bool contains(const Key& key) const { return m_index.contains(key); }
    qsizetype size() const { return m_index.size(); }
    qsizetype capacity() const { return m_capacity; }
    void clear()
    {
        m_index.clear();
        m_order.clear();
    }

private:
    using Entries = std::list<std::pair<Key, Value>>;
    qsizetype m_capacity;
    Entries m_order; // most recently used first
    QHash<Key, typename Entries::iterator> m_index;
};
