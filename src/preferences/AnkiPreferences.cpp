#include "preferences/AnkiPreferences.h"

#include "preferences/DefaultsStore.h"

AnkiPreferences::AnkiPreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_deckName(store.string(kDeckNameKey).value_or(kDefaultDeckName))
{
}

void AnkiPreferences::setDeckName(const QString& name)
{
    m_store.setValue(kDeckNameKey, name);
    if (name == m_deckName)
        return;
    m_deckName = name;
    Q_EMIT deckNameChanged(name);
}
