#pragma once

#include <QString>

namespace Punctuation {
// The text without the punctuation (Unicode P* categories) at either end: "«hola!»" → "hola".
QString trimmed(const QString& text);
} // namespace Punctuation
