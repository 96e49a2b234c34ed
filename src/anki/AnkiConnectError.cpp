#include "anki/AnkiConnectError.h"

QString AnkiConnectError::description() const
{
    switch (m_kind) {
    case Kind::AnkiError:
        return tr("Anki вернул ошибку: %1").arg(m_message);
    case Kind::ConnectionFailed:
        return tr("Не удалось подключиться к Anki. Убедись, что Anki запущен и установлен аддон AnkiConnect.");
    case Kind::InvalidResponse:
        return tr("Anki прислал неожиданный ответ.");
    }
    return {};
}
