#include "preferences/AppearancePreferences.h"

#include "preferences/DefaultsStore.h"

AppearancePreferences::AppearancePreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_cardSize(CardSizes::fromRawValue(store.string(kCardSizeKey).value_or(QString())))
{
}

void AppearancePreferences::setCardSize(CardSize size)
{
    m_store.setValue(kCardSizeKey, CardSizes::rawValue(size));
    if (size == m_cardSize)
        return;
    m_cardSize = size;
    Q_EMIT cardSizeChanged(size);
}
