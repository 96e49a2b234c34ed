#include "language/FreeDictDictionary.h"

#include "diagnostics/QMLog.h"

#include <QRegularExpression>

#include <zlib.h>

#include <cstring>

namespace {

// dictd writes offsets and lengths in its own base-64 digits.
std::optional<qint64> decodeNumber(QByteArrayView digits)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    qint64 value = 0;
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    for (char c : digits) {
        const char* at = std::strchr(kAlphabet, c);
        if (!at || c == '\0')
            return std::nullopt;
        value = value * 64 + (at - kAlphabet);
    }
    return value;
}

quint16 le16(const uchar* p)
{
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

} // namespace

FreeDictDictionary::~FreeDictDictionary()
{
    if (m_indexData)
        m_index.unmap(reinterpret_cast<uchar*>(const_cast<char*>(m_indexData)));
}

std::unique_ptr<FreeDictDictionary> FreeDictDictionary::open(const QString& basePath)
{
    std::unique_ptr<FreeDictDictionary> dictionary(new FreeDictDictionary);
    if (!dictionary->load(basePath))
        return nullptr;
    return dictionary;
}

bool FreeDictDictionary::load(const QString& basePath)
{
    m_index.setFileName(basePath + QStringLiteral(".index"));
    m_dict.setFileName(basePath + QStringLiteral(".dict.dz"));
    if (!m_index.open(QIODevice::ReadOnly) || !m_dict.open(QIODevice::ReadOnly))
        return false;
    m_indexSize = m_index.size();
    if (m_indexSize <= 0)
        return false;
    m_indexData = reinterpret_cast<const char*>(m_index.map(0, m_indexSize));
    if (!m_indexData)
        return false;

    // gzip header, then the dictzip "RA" extra field with the chunk table.
    const QByteArray header = m_dict.read(12);
    if (header.size() < 10 || uchar(header[0]) != 0x1f || uchar(header[1]) != 0x8b || header[2] != 8)
        return false;
    const uchar flags = uchar(header[3]);
    if (!(flags & 0x04))
        return true; // plain gzip: inflated whole on first use
    const int extraLength = le16(reinterpret_cast<const uchar*>(header.constData()) + 10);
    const QByteArray extra = m_dict.read(extraLength);
    if (extra.size() != extraLength)
        return false;
    qint64 position = 12 + extraLength;
    // Skip the optional file name and comment, zero-terminated.
    for (uchar bit : { uchar(0x08), uchar(0x10) }) {
        if (!(flags & bit))
            continue;
        char c = 1;
        while (m_dict.getChar(&c) && c != '\0')
            ++position;
        ++position;
    }
    if (flags & 0x02)
        position += 2;
    const auto* e = reinterpret_cast<const uchar*>(extra.constData());
    for (int i = 0; i + 4 <= extra.size();) {
        const int length = le16(e + i + 2);
        if (e[i] == 'R' && e[i + 1] == 'A' && i + 4 + length <= extra.size() && length >= 6) {
            const uchar* ra = e + i + 4;
            m_chunkLength = le16(ra + 2);
            const int count = le16(ra + 4);
            if (6 + 2 * count > length)
                return false;
            qint64 offset = position;
            for (int c = 0; c < count; ++c) {
                const qint64 size = le16(ra + 6 + 2 * c);
                m_chunkOffsets.append(offset);
                m_chunkSizes.append(size);
                offset += size;
            }
            break;
        }
        i += 4 + length;
    }
    return true;
}

QString FreeDictDictionary::normalizedKey(const QString& word)
{
    QString key;
    key.reserve(word.size());
    for (const QChar c : word.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char(' '))
            key.append(c);
    }
    return key.simplified();
}

std::optional<QByteArray> FreeDictDictionary::inflateChunk(int chunk) const
{
    if (!m_dict.seek(m_chunkOffsets[chunk]))
        return std::nullopt;
    const QByteArray compressed = m_dict.read(m_chunkSizes[chunk]);
    QByteArray out(static_cast<qsizetype>(m_chunkLength), Qt::Uninitialized);
    z_stream stream {};
    if (inflateInit2(&stream, -15) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream, Z_SYNC_FLUSH);
    const qsizetype produced = out.size() - static_cast<qsizetype>(stream.avail_out);
    inflateEnd(&stream);
    if (status != Z_OK && status != Z_STREAM_END)
        return std::nullopt;
    out.truncate(produced);
    return out;
}

std::optional<QByteArray> FreeDictDictionary::article(qint64 offset, qint64 length) const
{
    if (offset < 0 || length <= 0 || length > 1 << 20)
        return std::nullopt;
    if (m_chunkLength > 0) {
        QByteArray text;
        const qint64 first = offset / m_chunkLength;
        const qint64 last = (offset + length - 1) / m_chunkLength;
        if (last >= m_chunkOffsets.size())
            return std::nullopt;
        for (qint64 chunk = first; chunk <= last; ++chunk) {
            const auto data = inflateChunk(static_cast<int>(chunk));
            if (!data)
                return std::nullopt;
            text += *data;
        }
        const qint64 start = offset - first * m_chunkLength;
        if (start + length > text.size())
            return std::nullopt;
        return text.mid(start, length);
    }
    if (!m_wholeText) {
        m_dict.seek(0);
        const QByteArray compressed = m_dict.readAll();
        z_stream stream {};
        if (inflateInit2(&stream, 16 + 15) != Z_OK)
            return std::nullopt;
        QByteArray text;
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
        stream.avail_in = static_cast<uInt>(compressed.size());
        int status = Z_OK;
        char buffer[65536];
        while (status == Z_OK) {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            status = inflate(&stream, Z_NO_FLUSH);
            text.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
        }
        inflateEnd(&stream);
        if (status != Z_STREAM_END)
            return std::nullopt;
        m_wholeText = text;
    }
    if (offset + length > m_wholeText->size())
        return std::nullopt;
    return m_wholeText->mid(offset, length);
}

FreeDictDictionary::Entry FreeDictDictionary::parseArticle(const QString& article)
{
    Entry entry;
    QStringList lines = article.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return entry;
    // "livre /livʀ/ <n, masc>": the headword, its transcription and its grammatical marks.
    static const QRegularExpression headLine(QStringLiteral("^(.*?)\\s*(?:/([^/]*)/)?\\s*(?:<([^>]*)>)?\\s*$"));
    const auto head = headLine.match(lines.takeFirst());
    entry.headword = head.captured(1).trimmed();
    entry.pronunciation = head.captured(2).trimmed();
    entry.grammar = head.captured(3).trimmed();
    static const QRegularExpression numbered(QStringLiteral("^\\s*\\d+\\.\\s*(.*)$"));
    // Usage examples ("…" - …) and labelled lines (Synonym:, see:, Note:) are no translations.
    static const QRegularExpression notSense(QStringLiteral("^(\"|\\p{L}+:\\s)"));
    for (const QString& line : lines) {
        const auto m = numbered.match(line);
        const QString sense = (m.hasMatch() ? m.captured(1) : line).trimmed();
        if (!sense.isEmpty() && !notSense.match(sense).hasMatch())
            entry.senses << sense;
    }
    return entry;
}

QList<QByteArrayView> FreeDictDictionary::matchingLines(const QString& key) const
{
    auto lineAt = [this](qint64 position, qint64* start) {
        while (position > 0 && m_indexData[position - 1] != '\n')
            --position;
        *start = position;
        qint64 end = position;
        while (end < m_indexSize && m_indexData[end] != '\n')
            ++end;
        return QByteArrayView(m_indexData + position, end - position);
    };

    // Bisection to the first line whose key is not below ours.
    qint64 low = 0, high = m_indexSize;
    while (low < high) {
        const qint64 middle = (low + high) / 2;
        qint64 start = 0;
        const QByteArrayView line = lineAt(middle, &start);
        if (normalizedKey(headOf(line)) < key)
            low = start + line.size() + 1;
        else
            high = start;
    }
    QList<QByteArrayView> lines;
    for (qint64 position = low; position < m_indexSize;) {
        qint64 start = 0;
        const QByteArrayView line = lineAt(position, &start);
        if (normalizedKey(headOf(line)) != key)
            break;
        lines << line;
        position = start + line.size() + 1;
    }
    return lines;
}

QString FreeDictDictionary::headOf(QByteArrayView line)
{
    const auto* tab = static_cast<const char*>(std::memchr(line.data(), '\t', static_cast<size_t>(line.size())));
    return QString::fromUtf8(line.data(), tab ? tab - line.data() : line.size());
}

std::optional<FreeDictDictionary::Entry> FreeDictDictionary::entryOf(QByteArrayView line) const
{
    QByteArrayList parts = line.toByteArray().split('\t');
    if (parts.size() < 3)
        return std::nullopt;
    const auto offset = decodeNumber(parts[1]);
    const auto length = decodeNumber(parts[2].trimmed());
    if (!offset || !length)
        return std::nullopt;
    const auto text = article(*offset, *length);
    if (!text) {
        qCCritical(lcTranslation) << "Could not read a dictionary article of" << m_dict.fileName();
        return std::nullopt;
    }
    return parseArticle(QString::fromUtf8(*text));
}

std::optional<FreeDictDictionary::Entry> FreeDictDictionary::lookup(const QString& word) const
{
    const QString key = normalizedKey(word.trimmed());
    if (key.isEmpty())
        return std::nullopt;
    const QList<QByteArrayView> lines = matchingLines(key);
    if (lines.isEmpty())
        return std::nullopt;
    // Among the lines with the same key, an exact spelling wins over a case-insensitive match.
    for (const QByteArrayView line : lines) {
        if (headOf(line) == word.trimmed())
            return entryOf(line);
    }
    return entryOf(lines.first());
}

QList<FreeDictDictionary::Entry> FreeDictDictionary::lookupAll(const QString& word) const
{
    QList<Entry> entries;
    const QString key = normalizedKey(word.trimmed());
    if (key.isEmpty())
        return entries;
    for (const QByteArrayView line : matchingLines(key)) {
        if (auto entry = entryOf(line))
            entries << *entry;
    }
    return entries;
}
