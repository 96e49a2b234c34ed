#include "capture/Punctuation.h"

#include <QList>

namespace Punctuation {

QString trimmed(const QString& text)
{
    const QList<uint> scalars = QStringView(text).toUcs4();
    qsizetype first = 0;
    qsizetype last = scalars.size();
    while (first < last && QChar::isPunct(char32_t(scalars[first])))
        ++first;
    while (last > first && QChar::isPunct(char32_t(scalars[last - 1])))
        --last;
    if (first == 0 && last == scalars.size())
        return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(scalars.constData()) + first, last - first);
}

} // namespace Punctuation
