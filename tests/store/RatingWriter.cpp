// Child process of the durability test: rates cards of an existing store as fast as it can and
// prints the number of ratings committed so far after each commit, until it is killed.
#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: rating_writer <cards.sqlite>\n");
        return 2;
    }
    QString error;
    const auto database = CardDatabase::open(QString::fromLocal8Bit(argv[1]), &error);
    if (!database) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    VocabCardStore store(*database);
    const QList<VocabCard> cards = store.allCards();
    if (cards.isEmpty())
        return 1;
    for (long committed = 1;; ++committed) {
        const VocabCard& card = cards[QRandomGenerator::global()->bounded(cards.size())];
        const auto rating = static_cast<FSRSRating>(QRandomGenerator::global()->bounded(1, 5));
        if (!store.recordReview(card.id, rating, 1.5))
            return 1;
        std::printf("%ld\n", committed);
        std::fflush(stdout);
    }
}
