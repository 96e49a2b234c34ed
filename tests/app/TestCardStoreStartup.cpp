#include "app/CardStoreStartup.h"
#include "store/CardDatabase.h"
#include "store/CardStores.h"
#include "store/VocabCardStore.h"
#include "support/TempXdgHome.h"

#include <QDir>
#include <QSqlQuery>
#include <QTest>

namespace {
QStringList g_messages;
void collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_messages << message;
}
} // namespace

class TestCardStoreStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensTheStores()
    {
        TempXdgHome home;
        QStringList reported;
        {
            const auto stores
                = CardStoreStartup::open(CardDatabase::defaultFilePath(), [&](const QString& m) { reported << m; });
            QVERIFY(stores);
            VocabCardContent card;
            card.word = QStringLiteral("hola");
            QVERIFY(stores->vocabulary().addCard(card));
        }
        QVERIFY(reported.isEmpty());
        QVERIFY(QFile::exists(home.cardsFile()));
    }

    void failureIsReportedAndLogged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("path is a folder") << "folder";
        QTest::newRow("written by a newer version") << "newer";
    }

    void failureIsReportedAndLogged()
    {
        QFETCH(QString, kind);
        TempXdgHome home;
        const QString path = CardDatabase::defaultFilePath();
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            auto raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QVERIFY(QSqlQuery(raw).exec(QStringLiteral("PRAGMA user_version=7")));
            raw.close();
            raw = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        }
        QStringList reported;
        g_messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        const auto stores = CardStoreStartup::open(path, [&](const QString& m) { reported << m; });
        qInstallMessageHandler(previous);
        QVERIFY(!stores);
        QCOMPARE(reported.size(), 1);
        QVERIFY(reported.first().startsWith(QStringLiteral("Не удалось создать локальное хранилище карточек: ")));
        QVERIFY(reported.first().size() > 50); // the reason follows
        QVERIFY(g_messages.contains(reported.first()));
    }
};

QTEST_GUILESS_MAIN(TestCardStoreStartup)
#include "TestCardStoreStartup.moc"
