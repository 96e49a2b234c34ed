#include "language/ContextualTranslationService.h"
#include "language/EnglishLemmatizer.h"
#include "language/LanguageModelClient.h"
#include "language/OnDeviceModelQueue.h"
#include "language/RunTogetherSplitter.h"
#include "language/TranslationBackendSet.h"
#include "language/WordNetVerbTagger.h"
#include "language/WordSenseChooser.h"
#include "preferences/DefaultsStore.h"
#include "preferences/TranslationPreferences.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QFile>
#include <QTest>

namespace {

struct Row
{
    QString source, target, word, sentence;
    QStringList accepted;
};

QList<Row> rows()
{
    QFile file(QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/data/word_senses.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Row> list;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || fields.size() != 5)
            continue;
        list.append({ fields[0], fields[1], fields[2], fields[3], fields[4].split(QLatin1Char('|')) });
    }
    return list;
}

bool isAccepted(const QString& shown, const QStringList& accepted)
{
    const QString normal = shown.trimmed().normalized(QString::NormalizationForm_C);
    return std::ranges::any_of(
        accepted, [&normal](const QString& a) { return normal.compare(a, Qt::CaseInsensitive) == 0; });
}

} // namespace

// The word line of the card on ordinary sentences, with the dictionaries and Apertium pairs the
// project installs and no language model: the share of translations a learner can trust.
class TestWordSenses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // senses "|"-separated; sentence, marked and isolated (the translator's reading of the word
    // alone) empty when absent; verb: "" unknown, "v" or "n".
    void choice_data()
    {
        QTest::addColumn<QString>("senses");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("isolated");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("others");
        // clang-format off
        QTest::newRow("sense in the sentence translation") << "banco|escaño" << "Me senté en un escaño." << "" << "" << "" << "escaño" << "banco";
        QTest::newRow("inflected form in the sentence") << "libro|pedir|reservar" << "Reservaré una mesa." << "" << "" << "" << "reservar" << "libro|pedir";
        QTest::newRow("marked word wins over the sentence") << "luz|ligero" << "La luz es ligera." << "ligera" << "" << "" << "ligero" << "luz";
        QTest::newRow("marked word chosen for this sentence") << "banco|escaño" << "Nos sentamos en la orilla." << "orilla" << "banco" << "" << "orilla" << "banco|escaño";
        QTest::newRow("marked word the translator always gives") << "llave" << "Perdí la clave." << "clave" << "clave" << "" << "llave" << "";
        QTest::newRow("verb the dictionary lacks") << "parque" << "Puedes aparcar aquí." << "aparcar" << "" << "v" << "aparcar" << "parque";
        QTest::newRow("a marked echo is no translation") << "banco" << "Xyz." << "bank" << "" << "" << "banco" << "";
        QTest::newRow("verb picks the infinitive") << "libro|pedir" << "" << "" << "" << "v" << "pedir" << "libro";
        QTest::newRow("noun skips the infinitive") << "encender|luz" << "" << "" << "" << "n" << "luz" << "encender";
        QTest::newRow("unknown part of speech: first") << "encender|luz" << "" << "" << "" << "" << "encender" << "luz";
        QTest::newRow("short word needs the whole word") << "luz|sol" << "La luna brilla." << "" << "" << "" << "luz" << "sol";
        QTest::newRow("at most three others") << "a1|b2|c3|d4|e5" << "" << "" << "" << "" << "a1" << "b2|c3|d4";
        QTest::newRow("only the sentence translator") << "" << "Nos sentamos en la orilla." << "orilla" << "" << "" << "orilla" << "";
        // clang-format on
    }

    void choice()
    {
        QFETCH(QString, senses);
        QFETCH(QString, sentence);
        QFETCH(QString, marked);
        QFETCH(QString, isolated);
        QFETCH(QString, verb);
        QFETCH(QString, chosen);
        QFETCH(QString, others);
        WordSenseChooser::Context context;
        context.targetLanguage = QStringLiteral("es");
        context.word = QStringLiteral("bank");
        if (!sentence.isEmpty())
            context.sentenceTranslation = sentence;
        if (!marked.isEmpty())
            context.markedTranslation = marked;
        if (!isolated.isEmpty())
            context.isolatedReading = isolated;
        if (!verb.isEmpty())
            context.isVerb = verb == QLatin1String("v");
        const auto choice = WordSenseChooser::choose(senses.split(QLatin1Char('|'), Qt::SkipEmptyParts), context);
        QVERIFY(choice);
        QCOMPARE(choice->translation, chosen);
        QCOMPARE(choice->otherSenses, others.split(QLatin1Char('|'), Qt::SkipEmptyParts));
    }

    void runTogetherTranslations_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("restored");
        // clang-format off
        QTest::newRow("three words") << "es" << "relojdepulsera" << "reloj de pulsera";
        QTest::newRow("plural piece") << "es" << "tenedordelibros" << "tenedor de libros";
        QTest::newRow("capital starts a word") << "es" << "LaHaya" << "La Haya";
        QTest::newRow("a word of the list") << "es" << "pulsera" << "pulsera";
        QTest::newRow("short") << "es" << "casa" << "casa";
        QTest::newRow("no word list") << "xx" << "relojdepulsera" << "relojdepulsera";
        QTest::newRow("not all pieces known") << "es" << "qwzrtyplk" << "qwzrtyplk";
        // clang-format on
    }

    void runTogetherTranslations()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, restored);
        if (!QFile::exists(RunTogetherSplitter::kDefaultDirectory + QStringLiteral("/es_ES.dic")))
            QSKIP("needs hunspell-es");
        RunTogetherSplitter splitter;
        QCOMPARE(splitter.restore(text, language), restored);
    }

    void baseForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("base");
        // clang-format off
        QTest::newRow("irregular verb in a phrasal verb") << "gave up" << "give up";
        QTest::newRow("irregular plural") << "children" << "child";
        QTest::newRow("regular plural") << "parks" << "park";
        QTest::newRow("y ending") << "studied" << "study";
        QTest::newRow("doubled consonant") << "stopped" << "stop";
        // clang-format on
    }

    void baseForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, base);
        EnglishLemmatizer lemmas;
        const QStringList forms = lemmas.baseForms(text);
        QVERIFY2(forms.contains(base), qPrintable(forms.join(QLatin1Char(','))));
        QVERIFY(!forms.contains(text));
    }

    void shareRight()
    {
        const QList<Row> table = rows();
        QVERIFY(table.size() >= 40);
        TempXdgHome home;
        DefaultsStore settings(home.defaultsFile());
        settings.setValue(LanguageModelClient::kBaseUrlKey, QStringLiteral("http://127.0.0.1:1/v1"));
        TranslationPreferences preferences(settings);
        LanguageModelClient model(settings);
        OnDeviceModelQueue queue;
        auto backends = TranslationBackendSet::createDefault(settings, model);
        WordNetVerbTagger verbs;
        ContextualTranslationService service(model, queue, *backends, preferences,
            [&verbs](const QString& word, const QString& sentence) { return verbs.isVerb(word, sentence); });

        // Pairs with a sentence translation, and pairs with only a dictionary.
        int right[2] = { 0, 0 }, total[2] = { 0, 0 };
        for (const Row& row : table) {
            if (!*Waits::waitFor(backends->isPackInstalled(row.source, row.target)))
                QSKIP(qPrintable(QStringLiteral("no dictionary for %1-%2").arg(row.source, row.target)));
            preferences.setTargetLanguageCode(row.target);
            const auto state = Waits::waitFor(
                service.translateWord(row.word, row.sentence, row.source, row.target, nullptr, {}), 30000);
            QVERIFY(state);
            const int group = state->translatedSentence ? 0 : 1;
            ++total[group];
            if (isAccepted(state->translatedWord, row.accepted) && !state->translationFailed) {
                ++right[group];
                continue;
            }
            qInfo().noquote() << QStringLiteral("wrong %1-%2 \"%3\" in \"%4\": %5 (accepted: %6)")
                                     .arg(row.source, row.target, row.word, row.sentence, state->translatedWord,
                                         row.accepted.join(QStringLiteral(", ")));
        }
        qInfo("with a sentence translation: %d of %d right; dictionary only: %d of %d right", right[0], total[0],
            right[1], total[1]);
        QVERIFY(total[0] > 0 && total[1] > 0);
        // The aim is 80 %; the rows still wrong are the sentence translator's own wrong choices and
        // senses the dictionary lacks. Falling below today's share is a regression.
        QVERIFY2(right[0] * 100 >= 79 * total[0], "below 79 % where a sentence translation exists");
        QVERIFY2(right[1] * 100 >= 60 * total[1], "below 60 % with only a dictionary");
    }
};

QTEST_GUILESS_MAIN(TestWordSenses)
#include "TestWordSenses.moc"
