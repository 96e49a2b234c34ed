#pragma once

#include "panels/AnkiAddState.h"
#include "store/VocabCardContent.h"

#include <QCoroTask>
#include <QObject>
#include <QString>

#include <optional>

class AnkiConnectService;
class GeneratedImageService;
class ImageService;
class VocabCardStore;

// The add button of a lookup card: one card in the own deck (never a second on a retry), then the
// note in Anki, then a picture for both. Texts captured from the screen go into the note's HTML
// escaped, so a word like "<script>" or "a & b" shows literally.
class AnkiAddAction : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        VocabCardStore& store;
        AnkiConnectService& anki;
        ImageService& encyclopedia;
        GeneratedImageService& generator;
    };

    AnkiAddAction(Services services, QString ankiDeckPreference, QObject* parent = nullptr);

    AnkiAddState state() const { return m_state; }
    std::optional<qint64> savedCardId() const { return m_savedCardId; }

    // Runs the sequence for the content; does nothing while loading or after success.
    QCoro::Task<void> run(VocabCardContent content);

    static QString frontHtml(const QString& word, const QString& sentence);
    static QString backHtml(const VocabCardContent& content);
    static QString deckLabel(const std::optional<QString>& baseCode, const std::optional<QString>& targetCode);
    static QString ankiDeckName(const QString& preference);

Q_SIGNALS:
    void stateChanged(const AnkiAddState& state);
    // The picture was stored with the card (and sent to Anki when the note exists).
    void illustrationAttached();

private:
    void setState(AnkiAddState state);
    bool saveLocally(const VocabCardContent& content);
    QCoro::Task<void> illustrate(VocabCardContent content, std::optional<qint64> noteId, QString frontHTML);

    Services m_services;
    QString m_ankiDeckPreference;
    AnkiAddState m_state;
    std::optional<qint64> m_savedCardId;
};
