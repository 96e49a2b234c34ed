#include "app/CardStoreStartup.h"
#include "store/CardDatabase.h"
#include "store/CardStores.h"
#include "store/VocabCardStore.h"
#include "support/CapturedLog.h"
#include "support/TempXdgHome.h"

#include <QDir>
#include <QTest>

class TestCardStoreStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensTheStores()
    {
        TempXdgHome home;
        QStringList reported;
        const auto stores = CardStoreStartup::open(home.cardsFile(), [&](const QString& m) { reported << m; });
        QVERIFY(stores);
        VocabCardContent card;
        card.word = QStringLiteral("hola");
        QVERIFY(stores->vocabulary().addCard(card));
        QVERIFY(reported.isEmpty());
        QVERIFY(QFile::exists(home.cardsFile()));
    }

    // Why a file cannot be opened is the card database's test; here the reason reaches the learner.
    void failureIsReportedAndLogged()
    {
        TempXdgHome home;
        QVERIFY(QDir().mkpath(home.cardsFile())); // a folder where the file belongs
        CapturedLog log;
        QStringList reported;
        const auto stores = CardStoreStartup::open(home.cardsFile(), [&](const QString& m) { reported << m; });
        QVERIFY(!stores);
        QCOMPARE(reported.size(), 1);
        QVERIFY(reported.first().startsWith(CardDatabase::fatalMessage(QString())));
        QVERIFY(reported.first().size() > CardDatabase::fatalMessage(QString()).size()); // the reason follows
        QVERIFY(log.messages(QStringLiteral("quillmoor.app")).contains(reported.first()));
    }
};

QTEST_GUILESS_MAIN(TestCardStoreStartup)
#include "TestCardStoreStartup.moc"
