#pragma once

// The card store at scale, shared by the store and review benchmarks: 100,000 cards in twelve decks
// and 1,000,000 review logs over three years, from a fixed seed.
#include "store/CardDatabase.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>

namespace StoreBenchData {

constexpr int kCards = 100'000;
constexpr int kLogs = 1'000'000;
const QStringList kDecks { "EN → RU", "ES → RU", "DE → RU", "FR → EN", "JA → EN", "ZH → EN", "IT → ES", "PT → EN",
    "KO → EN", "TR → DE", "AR → FR", "RU → EN" };

inline void fill(CardDatabase& database, const QDateTime& now)
{
    QRandomGenerator random(42);
    QSqlDatabase& db = database.db();
    db.transaction();
    QSqlQuery card(db);
    card.prepare(QStringLiteral("INSERT INTO vocab_card (word, sentence, translated_word, deck_name, stability,"
                                " difficulty, due_date, last_review_date, reps, lapses, created_at)"
                                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const qint64 nowMs = now.toMSecsSinceEpoch();
    constexpr qint64 day = 86'400'000;
    for (int i = 0; i < kCards; ++i) {
        const int reps = int(random.bounded(0, 25));
        const double stability = reps == 0 ? 0 : 0.2 + random.generateDouble() * 300;
        const qint64 created = nowMs - qint64(random.bounded(0, 1100)) * day;
        const qint64 due = reps == 0 ? created : nowMs + qint64((random.generateDouble() * 400 - 30) * day);
        card.addBindValue(QStringLiteral("word%1").arg(i));
        card.addBindValue(QStringLiteral("A sentence that contains word%1 in the middle of it.").arg(i));
        card.addBindValue(QStringLiteral("перевод %1").arg(i));
        card.addBindValue(kDecks[i % kDecks.size()]);
        card.addBindValue(stability);
        card.addBindValue(reps == 0 ? 0.0 : 1 + random.generateDouble() * 9);
        card.addBindValue(due);
        card.addBindValue(reps == 0 ? QVariant(QMetaType::fromType<qint64>()) : QVariant(nowMs - day));
        card.addBindValue(reps);
        card.addBindValue(reps / 5);
        card.addBindValue(created);
        card.exec();
    }
    // Three years of reviews, about 900 a day, each day reviewed (a long streak to walk back).
    QSqlQuery log(db);
    log.prepare(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, ?, ?)"));
    for (int i = 0; i < kLogs; ++i) {
        log.addBindValue(nowMs - qint64(random.generateDouble() * 1100 * day));
        log.addBindValue(2 + random.generateDouble() * 20);
        log.addBindValue(int(random.bounded(1, 5)));
        log.exec();
    }
    db.commit();
}

} // namespace StoreBenchData
