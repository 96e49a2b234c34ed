#include "preferences/Preferences.h"
#include "preferences/SupportedLanguages.h"
#include "support/TempXdgHome.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;

    void writeFile(const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(m_home->defaultsFile()).absolutePath());
        QFile file(m_home->defaultsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void verifyDefaults(Preferences& prefs)
    {
        QCOMPARE(prefs.anki().deckName(), QStringLiteral("Quillmoor"));
        QCOMPARE(prefs.appearance().cardSize(), CardSize::Medium);
        QCOMPARE(prefs.translation().targetLanguageCode(), std::nullopt);
        QCOMPARE(prefs.translation().mode(), TranslationMode::Bilingual);
        QCOMPARE(prefs.notifications().isEnabled(), true);
        QCOMPARE(prefs.onboarding().hasCompletedOnboarding(), false);
    }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TempXdgHome>(); }
    void cleanup() { m_home.reset(); }

    void defaultsWithEmptyStore()
    {
        Preferences prefs(DefaultsStore::defaultFilePath());
        QCOMPARE(prefs.store().filePath(), m_home->defaultsFile());
        verifyDefaults(prefs);
        QCOMPARE(prefs.notifications().reminderHour(), 19);
        QCOMPARE(prefs.interfaceLanguage().languageCode(), std::nullopt);
        QCOMPARE(prefs.interfaceLanguage().effectiveLanguageCode(), QStringLiteral("ru"));
        QCOMPARE(prefs.translation().studyLanguageCode(), std::nullopt);
        QVERIFY(!QFile::exists(m_home->defaultsFile())); // reading the defaults writes nothing
    }

    void roundTripThroughFile()
    {
        {
            Preferences prefs(m_home->defaultsFile());
            prefs.anki().setDeckName(QStringLiteral("Español::Palabras"));
            prefs.appearance().setCardSize(CardSize::Spacious);
            prefs.interfaceLanguage().setLanguageCode(QStringLiteral("ja"));
            prefs.translation().setTargetLanguageCode(QStringLiteral("ru"));
            prefs.translation().setStudyLanguageCode(QStringLiteral("es"));
            prefs.translation().setMode(TranslationMode::Monolingual);
            prefs.notifications().setEnabled(false);
            prefs.notifications().setReminderHour(7);
            prefs.notifications().setReminderHour(25); // refused: not an hour of a day
            prefs.onboarding().setHasCompletedOnboarding(true);
        }
        const QJsonObject stored = m_home->defaultsFileObject();
        QCOMPARE(stored.value(QStringLiteral("anki.deckName")).toString(), QStringLiteral("Español::Palabras"));
        QCOMPARE(stored.value(QStringLiteral("appearance.cardSize")).toString(), QStringLiteral("spacious"));
        QCOMPARE(stored.value(QStringLiteral("translation.mode")).toString(), QStringLiteral("monolingual"));
        QVERIFY(stored.value(QStringLiteral("notifications.reviewReminder.enabled")).isBool());
        QVERIFY(stored.value(QStringLiteral("notifications.reviewReminder.hour")).isDouble());
        QCOMPARE(stored.value(QStringLiteral("onboarding.hasCompleted")).toBool(), true);

        Preferences reloaded(m_home->defaultsFile());
        QCOMPARE(reloaded.anki().deckName(), QStringLiteral("Español::Palabras"));
        QCOMPARE(reloaded.appearance().cardSize(), CardSize::Spacious);
        QCOMPARE(reloaded.interfaceLanguage().languageCode(), QStringLiteral("ja"));
        QCOMPARE(reloaded.translation().targetLanguageCode(), QStringLiteral("ru"));
        QCOMPARE(reloaded.translation().studyLanguageCode(), QStringLiteral("es"));
        QCOMPARE(reloaded.translation().mode(), TranslationMode::Monolingual);
        QCOMPARE(reloaded.notifications().isEnabled(), false);
        QCOMPARE(reloaded.notifications().reminderHour(), 7);
        QCOMPARE(reloaded.onboarding().hasCompletedOnboarding(), true);
    }

    void storedValuesAreValidated_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("hour");
        QTest::newRow("card size unknown") << QByteArray(R"({"appearance.cardSize":"huge"})") << 19;
        QTest::newRow("card size wrong case") << QByteArray(R"({"appearance.cardSize":"Compact"})") << 19;
        QTest::newRow("card size number") << QByteArray(R"({"appearance.cardSize":2})") << 19;
        QTest::newRow("mode wrong case") << QByteArray(R"({"translation.mode":"Monolingual"})") << 19;
        QTest::newRow("enabled as text") << QByteArray(R"({"notifications.reviewReminder.enabled":"false"})") << 19;
        QTest::newRow("deck as number") << QByteArray(R"({"anki.deckName":12})") << 19;
        QTest::newRow("onboarding as text") << QByteArray(R"({"onboarding.hasCompleted":"true"})") << 19;
        QTest::newRow("target as array") << QByteArray(R"({"translation.targetLanguageCode":["ru"]})") << 19;
        QTest::newRow("hour as text") << QByteArray(R"({"notifications.reviewReminder.hour":"7"})") << 19;
        QTest::newRow("hour fractional") << QByteArray(R"({"notifications.reviewReminder.hour":7.5})") << 19;
        QTest::newRow("hour 24 clamped") << QByteArray(R"({"notifications.reviewReminder.hour":24})") << 23;
        QTest::newRow("hour negative clamped") << QByteArray(R"({"notifications.reviewReminder.hour":-1})") << 0;
        QTest::newRow("hour 0") << QByteArray(R"({"notifications.reviewReminder.hour":0})") << 0;
        QTest::newRow("hour 23") << QByteArray(R"({"notifications.reviewReminder.hour":23})") << 23;
        QTest::newRow("hour written as float") << QByteArray(R"({"notifications.reviewReminder.hour":8.0})") << 8;
    }

    void storedValuesAreValidated()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, hour);
        writeFile(json);
        Preferences prefs(m_home->defaultsFile());
        verifyDefaults(prefs);
        QCOMPARE(prefs.notifications().reminderHour(), hour);
    }

    void clearingOptionalRemovesKey()
    {
        Preferences prefs(m_home->defaultsFile());
        prefs.interfaceLanguage().setLanguageCode(QStringLiteral("fr"));
        QVERIFY(m_home->defaultsFileObject().contains(QStringLiteral("interface.languageCode")));
        QSignalSpy changed(&prefs.interfaceLanguage(), &InterfaceLanguagePreferences::languageCodeChanged);
        prefs.interfaceLanguage().setLanguageCode(std::nullopt);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!m_home->defaultsFileObject().contains(QStringLiteral("interface.languageCode")));
        QVERIFY(!prefs.store().contains(QStringLiteral("interface.languageCode")));
    }

    void loadedLanguageIsRewritten()
    {
        // The interface language and study language go once through their setters at load: a value
        // of another type is dropped from the file rather than kept beside a different reading.
        writeFile("{\"interface.languageCode\":5,\"translation.studyLanguageCode\":\"de\",\"anki.deckName\":\"X\"}");
        Preferences prefs(m_home->defaultsFile());
        QCOMPARE(prefs.interfaceLanguage().languageCode(), std::nullopt);
        const QJsonObject stored = m_home->defaultsFileObject();
        QVERIFY(!stored.contains(QStringLiteral("interface.languageCode")));
        QCOMPARE(stored.value(QStringLiteral("translation.studyLanguageCode")).toString(), QStringLiteral("de"));
        QCOMPARE(stored.value(QStringLiteral("anki.deckName")).toString(), QStringLiteral("X"));
    }

    void corruptFileIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated") << QByteArray("{\"anki.deckName\":\"Qu");
        QTest::newRow("array") << QByteArray("[\"anki.deckName\"]");
    }

    void corruptFileIsSetAside()
    {
        QFETCH(QByteArray, bytes);
        writeFile(bytes);
        Preferences prefs(m_home->defaultsFile());
        QCOMPARE(prefs.anki().deckName(), QStringLiteral("Quillmoor"));
        const QDir dir(QFileInfo(m_home->defaultsFile()).absolutePath());
        const QStringList aside = dir.entryList({ QStringLiteral("defaults.json.corrupt-*") }, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QFile kept(dir.filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);

        prefs.anki().setDeckName(QStringLiteral("Next"));
        QCOMPARE(
            m_home->defaultsFileObject().value(QStringLiteral("anki.deckName")).toString(), QStringLiteral("Next"));
        Preferences reloaded(m_home->defaultsFile());
        QCOMPARE(reloaded.anki().deckName(), QStringLiteral("Next"));
    }

    void writesFromTwoGroupsLoseNothing()
    {
        Preferences prefs(m_home->defaultsFile());
        for (int i = 0; i < 24; ++i) {
            prefs.notifications().setReminderHour(i);
            prefs.anki().setDeckName(QStringLiteral("Deck %1").arg(i));
        }
        Preferences reloaded(m_home->defaultsFile());
        QCOMPARE(reloaded.notifications().reminderHour(), 23);
        QCOMPARE(reloaded.anki().deckName(), QStringLiteral("Deck 23"));
    }

    void unwritableFileIsReported()
    {
        const QString folder = m_home->configHome() + QStringLiteral("/quillmoor");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(folder).isWritable())
            QSKIP("running with permissions that ignore the folder's mode");
        Preferences prefs(m_home->defaultsFile());
        QSignalSpy failed(&prefs.store(), &DefaultsStore::writeFailed);
        prefs.anki().setDeckName(QStringLiteral("Lost?"));
        QCOMPARE(failed.count(), 1);
        QVERIFY(!prefs.store().lastWriteSucceeded());
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void everySupportedLanguageIsNamed()
    {
        for (const LanguageOption& option : SupportedLanguages::all()) {
            QVERIFY(SupportedLanguages::contains(option.id));
            QCOMPARE(SupportedLanguages::displayName(option.id), option.displayName);
            // Prompts name the language in English.
            QVERIFY2(SupportedLanguages::englishName(option.id) != option.id, qPrintable(option.id));
        }
        QVERIFY(!SupportedLanguages::contains(QStringLiteral("xx")));
        QCOMPARE(SupportedLanguages::displayName(QStringLiteral("xx")), QStringLiteral("xx"));
        QCOMPARE(SupportedLanguages::englishName(QStringLiteral("xx")), QStringLiteral("xx"));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "TestPreferences.moc"
