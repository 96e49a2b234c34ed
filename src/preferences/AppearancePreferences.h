#pragma once

#include "preferences/CardSize.h"

#include <QObject>

class DefaultsStore;

class AppearancePreferences : public QObject
{
    Q_OBJECT
public:
    static inline const QString kCardSizeKey = QStringLiteral("appearance.cardSize");

    explicit AppearancePreferences(DefaultsStore& store, QObject* parent = nullptr);

    CardSize cardSize() const { return m_cardSize; }
    void setCardSize(CardSize size);

Q_SIGNALS:
    void cardSizeChanged(CardSize size);

private:
    DefaultsStore& m_store;
    CardSize m_cardSize;
};
