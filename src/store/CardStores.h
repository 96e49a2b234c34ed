#pragma once

#include <QString>

#include <memory>

class CardDatabase;
class GrammarCardStore;
class VocabCardStore;

// The card database and the two stores that work on it. The application opens them before it
// builds anything else and passes the stores to what uses them.
class CardStores
{
public:
    // Opens or creates the file; nullptr and `error` set when that fails.
    static std::unique_ptr<CardStores> open(const QString& path, QString* error);
    ~CardStores();

    CardDatabase& database() const { return *m_database; }
    VocabCardStore& vocabulary() const { return *m_vocabulary; }
    GrammarCardStore& grammar() const { return *m_grammar; }

private:
    explicit CardStores(std::unique_ptr<CardDatabase> database);

    std::unique_ptr<CardDatabase> m_database;
    std::unique_ptr<VocabCardStore> m_vocabulary;
    std::unique_ptr<GrammarCardStore> m_grammar;
};
