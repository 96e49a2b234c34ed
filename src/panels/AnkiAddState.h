#pragma once

#include <QString>

// Where the add button of a lookup card stands.
struct AnkiAddState
{
    enum class Kind { Idle, Loading, Success, Failure };

    Kind kind = Kind::Idle;
    QString message; // for Failure: shown under the button

    static AnkiAddState idle() { return {}; }
    static AnkiAddState loading() { return { Kind::Loading, {} }; }
    static AnkiAddState success() { return { Kind::Success, {} }; }
    static AnkiAddState failure(QString message) { return { Kind::Failure, std::move(message) }; }

    // The button is pressable when idle or after a failure (a retry).
    bool canStart() const { return kind == Kind::Idle || kind == Kind::Failure; }
    bool operator==(const AnkiAddState&) const = default;
};
