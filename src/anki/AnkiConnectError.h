#pragma once

#include <QCoreApplication>
#include <QString>

// Why a request to Anki failed; the description is shown under the add button.
class AnkiConnectError
{
    Q_DECLARE_TR_FUNCTIONS(AnkiConnectError)
public:
    enum class Kind { AnkiError, ConnectionFailed, InvalidResponse };

    static AnkiConnectError ankiError(QString message) { return { Kind::AnkiError, std::move(message) }; }
    static AnkiConnectError connectionFailed() { return { Kind::ConnectionFailed, {} }; }
    static AnkiConnectError invalidResponse() { return { Kind::InvalidResponse, {} }; }

    Kind kind() const { return m_kind; }
    // Anki's own message, for AnkiError.
    QString message() const { return m_message; }
    // In the interface language.
    QString description() const;

    bool operator==(const AnkiConnectError& other) const = default;

private:
    AnkiConnectError(Kind kind, QString message)
        : m_kind(kind)
        , m_message(std::move(message))
    {
    }

    Kind m_kind;
    QString m_message;
};
