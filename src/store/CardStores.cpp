#include "store/CardStores.h"

#include "store/CardDatabase.h"
#include "store/GrammarCardStore.h"
#include "store/VocabCardStore.h"

std::unique_ptr<CardStores> CardStores::open(const QString& path, QString* error)
{
    std::unique_ptr<CardDatabase> database = CardDatabase::open(path, error);
    if (!database)
        return nullptr;
    return std::unique_ptr<CardStores>(new CardStores(std::move(database)));
}

CardStores::CardStores(std::unique_ptr<CardDatabase> database)
    : m_database(std::move(database))
    , m_vocabulary(std::make_unique<VocabCardStore>(*m_database))
    , m_grammar(std::make_unique<GrammarCardStore>(*m_database))
{
}

CardStores::~CardStores() = default;
