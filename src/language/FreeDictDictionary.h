#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// One FreeDict dictionary in dictd format: a sorted .index of headwords and a dictzip'd
// .dict.dz of articles, both read in place. The index is memory-mapped and searched by
// bisection; articles are inflated chunk by chunk.
class FreeDictDictionary
{
public:
    struct Entry
    {
        QString headword;
        QString pronunciation; // the IPA between slashes, without them; may be empty
        // The grammatical marks after the headword ("n, masc", "v"); empty when the dictionary has none.
        QString grammar;
        QStringList senses; // in the article's order
    };

    // Opens <basePath>.index and <basePath>.dict.dz; nullptr when either is missing or unreadable.
    static std::unique_ptr<FreeDictDictionary> open(const QString& basePath);
    ~FreeDictDictionary();

    // The article of `word`, matched as dictd matches headwords: case and punctuation aside.
    std::optional<Entry> lookup(const QString& word) const;
    // Every article filed under `word`'s key, in the index's order.
    QList<Entry> lookupAll(const QString& word) const;

    // The key the index is sorted by: lower case, letters, digits and single inner spaces only.
    static QString normalizedKey(const QString& word);
    static Entry parseArticle(const QString& article);

private:
    FreeDictDictionary() = default;
    bool load(const QString& basePath);
    std::optional<QByteArray> article(qint64 offset, qint64 length) const;
    QList<QByteArrayView> matchingLines(const QString& key) const;
    std::optional<Entry> entryOf(QByteArrayView line) const;
    static QString headOf(QByteArrayView line);
    std::optional<QByteArray> inflateChunk(int chunk) const;

    QFile m_index;
    const char* m_indexData = nullptr;
    qint64 m_indexSize = 0;
    mutable QFile m_dict;
    // Dictzip random access: chunk length and the file offset of each compressed chunk.
    qint64 m_chunkLength = 0;
    QList<qint64> m_chunkOffsets;
    QList<qint64> m_chunkSizes;
    // Without random-access data the whole text is inflated once.
    mutable std::optional<QByteArray> m_wholeText;
};
