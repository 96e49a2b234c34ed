#include "language/EtymologyDisplay.h"
#include "language/TranslationBackendSet.h"
#include "preferences/DefaultsStore.h"
#include "preferences/TranslationPreferences.h"
#include "support/CapturedLog.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QTest>

namespace {

const QString kEnglishText = QStringLiteral("From Old English hūs, from Proto-Germanic *hūsą.");

// English → Spanish only; answers from a table, everything else fails.
class TableTranslator : public TranslationBackend
{
public:
    QHash<QString, QString> answers;
    int calls = 0;

    QString name() const override { return QStringLiteral("table"); }
    bool accepts(const QString&) const override { return true; }
    QCoro::Task<bool> supports(QString source, QString target) override
    {
        co_return source == QLatin1String("en") && target == QLatin1String("es");
    }
    QCoro::Task<Result> translate(QString text, QString, QString) override
    {
        ++calls;
        if (!answers.contains(text))
            co_return Result::failure(QStringLiteral("no answer"));
        co_return Result::success(answers.value(text));
    }
};

EtymologyResult wiktionary(const QString& text)
{
    return { EtymologyResult::Wiktionary { text } };
}

EtymologyResult generated()
{
    return { EtymologyResult::Generated { QStringLiteral("Old English hūs, house."),
        QStringLiteral("From Proto-Germanic *hūsą; cognate with German Haus.") } };
}

} // namespace

class TestEtymologyDisplay : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<TranslationPreferences> m_preferences;
    std::unique_ptr<TranslationBackendSet> m_backends;
    TableTranslator* m_table = nullptr;

    void setTarget(const QString& code)
    {
        m_preferences->setTargetLanguageCode(code.isEmpty() ? std::nullopt : std::optional<QString>(code));
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_preferences = std::make_unique<TranslationPreferences>(*m_settings);
        m_backends = std::make_unique<TranslationBackendSet>();
        auto table = std::make_unique<TableTranslator>();
        m_table = table.get();
        m_table->answers.insert(kEnglishText, QStringLiteral("Del inglés antiguo hūs."));
        m_backends->add(std::move(table));
    }
    void cleanup()
    {
        m_backends.reset();
        m_preferences.reset();
        m_settings.reset();
        m_home.reset();
    }

    void loadingWithoutProducer()
    {
        setTarget(QStringLiteral("es"));
        EtymologyDisplay display(*m_backends, *m_preferences);
        QVERIFY(display.isEtymologyLoading());
        display.finishLoading();
        QVERIFY(!display.isEtymologyLoading());
        QCOMPARE(display.displayedEtymology(), std::nullopt);
        QCOMPARE(display.translationConfiguration(), std::nullopt);
        QCOMPARE(display.savedEtymology(), QString());
        QVERIFY(Waits::waitFor(display.checkPack()));
        QVERIFY(!display.packReady());
        QCOMPARE(m_table->calls, 0);
    }

    void generatedShowsShortOrFull()
    {
        setTarget(QStringLiteral("es"));
        EtymologyDisplay display(*m_backends, *m_preferences);
        display.finishLoading(generated());
        QCOMPARE(display.displayedEtymology(), std::optional<QString>("Old English hūs, house."));
        display.setExpanded(true);
        QCOMPARE(display.displayedEtymology(),
            std::optional<QString>("From Proto-Germanic *hūsą; cognate with German Haus."));
        display.setExpanded(false);
        QCOMPARE(display.savedEtymology(), QStringLiteral("From Proto-Germanic *hūsą; cognate with German Haus."));
        QVERIFY(!display.isEtymologyLoading());
        QCOMPARE(display.translationConfiguration(), std::nullopt);
        QVERIFY(Waits::waitFor(display.checkPack()));
        QVERIFY(Waits::waitFor(display.translate()));
        QCOMPARE(m_table->calls, 0);
    }

    void englishTargetShowsTheTextUntranslated()
    {
        setTarget(QStringLiteral("en"));
        EtymologyDisplay display(*m_backends, *m_preferences);
        display.finishLoading(wiktionary(kEnglishText));
        QCOMPARE(display.displayedEtymology(), std::optional<QString>(kEnglishText));
        QVERIFY(!display.isEtymologyLoading());
        QVERIFY(Waits::waitFor(display.checkPack()));
        QCOMPARE(display.translationConfiguration(), std::nullopt);
        QVERIFY(Waits::waitFor(display.translate()));
        QCOMPARE(m_table->calls, 0);
        QCOMPARE(display.savedEtymology(), kEnglishText);
    }

    void englishTextIsTranslated()
    {
        setTarget(QStringLiteral("es"));
        EtymologyDisplay display(*m_backends, *m_preferences);
        display.finishLoading(wiktionary(kEnglishText));
        // Pending translation: nothing shown, still loading.
        QCOMPARE(display.displayedEtymology(), std::nullopt);
        QVERIFY(display.isEtymologyLoading());
        QCOMPARE(display.translationConfiguration(), std::nullopt); // pack not checked yet
        CapturedLog log;
        QVERIFY(Waits::waitFor(display.checkPack()));
        QVERIFY(display.packReady());
        QVERIFY(log.contains(QStringLiteral("quillmoor.translation: LanguageAvailability(en→es): installed")));
        QCOMPARE(display.translationConfiguration(), std::make_optional(std::make_pair(QString("en"), QString("es"))));
        QVERIFY(Waits::waitFor(display.translate()));
        QCOMPARE(display.displayedEtymology(), std::optional<QString>("Del inglés antiguo hūs."));
        QVERIFY(!display.isEtymologyLoading());
        QCOMPARE(display.savedEtymology(), QStringLiteral("Del inglés antiguo hūs."));
        QVERIFY(log.contains(QStringLiteral("quillmoor.etymology: Translated etymology: Del inglés antiguo hūs.")));
    }

    void missingPackShowsEnglish()
    {
        setTarget(QStringLiteral("ja"));
        EtymologyDisplay display(*m_backends, *m_preferences);
        display.finishLoading(wiktionary(kEnglishText));
        QVERIFY(Waits::waitFor(display.checkPack()));
        QVERIFY(!display.packReady());
        QVERIFY(display.translationFailed());
        QCOMPARE(display.translationConfiguration(), std::nullopt);
        QCOMPARE(display.displayedEtymology(), std::optional<QString>(kEnglishText));
        QVERIFY(!display.isEtymologyLoading());
    }

    void failedTranslationShowsEnglish()
    {
        setTarget(QStringLiteral("es"));
        m_table->answers.clear();
        EtymologyDisplay display(*m_backends, *m_preferences);
        display.finishLoading(wiktionary(kEnglishText));
        QVERIFY(Waits::waitFor(display.checkPack()));
        CapturedLog log;
        QVERIFY(Waits::waitFor(display.translate()));
        QVERIFY(display.translationFailed());
        QCOMPARE(display.displayedEtymology(), std::optional<QString>(kEnglishText));
        QVERIFY2(log.contains(QStringLiteral("quillmoor.etymology: Translation failed: table: no answer")),
            qPrintable(log.lines().join('\n')));
    }

    void emptyEnglishTextAsksNothing()
    {
        setTarget(QStringLiteral("es"));
        EtymologyDisplay display(*m_backends, *m_preferences);
        display.finishLoading(wiktionary(QString()));
        QVERIFY(Waits::waitFor(display.checkPack()));
        QVERIFY(!display.packReady());
        QCOMPARE(display.translationConfiguration(), std::nullopt);
        QVERIFY(display.isEtymologyLoading()); // nothing will ever be shown for it
    }
};

QTEST_GUILESS_MAIN(TestEtymologyDisplay)
#include "TestEtymologyDisplay.moc"
