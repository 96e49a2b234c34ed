#pragma once

#include <QObject>

class DefaultsStore;

class AnkiPreferences : public QObject
{
    Q_OBJECT
public:
    static inline const QString kDeckNameKey = QStringLiteral("anki.deckName");
    static inline const QString kDefaultDeckName = QStringLiteral("Quillmoor");

    explicit AnkiPreferences(DefaultsStore& store, QObject* parent = nullptr);

    QString deckName() const { return m_deckName; }
    void setDeckName(const QString& name);

Q_SIGNALS:
    void deckNameChanged(const QString& name);

private:
    DefaultsStore& m_store;
    QString m_deckName;
};
