#include "language/ApertiumPairProcess.h"
#include "language/ApertiumTranslator.h"
#include "support/CapturedLog.h"
#include "support/Waits.h"

#include <QCoroTask>
#include <QRegularExpression>
#include <QTest>

#include <signal.h>

#include <vector>

namespace {

QCoro::Task<QStringList> translateAll(ApertiumTranslator& translator, QStringList texts)
{
    // All requests are written before the first answer is read.
    std::vector<QCoro::Task<TranslationBackend::Result>> running;
    for (const QString& text : texts)
        running.push_back(translator.translate(text, QStringLiteral("en"), QStringLiteral("es")));
    QStringList answers;
    for (auto& task : running) {
        const TranslationBackend::Result result = co_await std::move(task);
        answers << result.text.value_or(QStringLiteral("<failed: %1>").arg(result.error));
    }
    co_return answers;
}

std::optional<QString> translate(
    ApertiumTranslator& translator, const QString& text, const QString& source, const QString& target)
{
    const auto result = Waits::waitFor(translator.translate(text, source, target));
    if (!result || !result->ok())
        return std::nullopt;
    return result->text;
}

// The process ids of the pipelines started while the log was captured, as their start is logged.
QList<qint64> startedPipelines(const CapturedLog& log)
{
    QList<qint64> pids;
    static const QRegularExpression started(QStringLiteral("^Apertium \\S+ started, pid (\\d+)$"));
    for (const QString& message : log.messages(QStringLiteral("quillmoor.translation"))) {
        const QRegularExpressionMatch match = started.match(message);
        if (match.hasMatch())
            pids << match.captured(1).toLongLong();
    }
    return pids;
}

} // namespace

class TestApertiumTranslator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("mode");
        // clang-format off
        QTest::newRow("english to spanish") << "en" << "es" << "eng-spa";
        QTest::newRow("spanish to english") << "es" << "en" << "spa-eng";
        QTest::newRow("regional codes") << "en-US" << "es_ES" << "eng-spa";
        QTest::newRow("pair not installed") << "en" << "ja" << QString();
        QTest::newRow("same language") << "en" << "en" << QString();
        QTest::newRow("no source") << "" << "es" << QString();
        // clang-format on
    }

    void modes()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, mode);
        ApertiumTranslator translator;
        QCOMPARE(translator.modeFor(source, target), mode);
        QCOMPARE(Waits::waitFor(translator.supports(source, target)), std::optional<bool>(!mode.isEmpty()));
    }

    void noModesSupportNothing()
    {
        ApertiumTranslator translator(QStringLiteral("/nonexistent/modes"));
        QCOMPARE(Waits::waitFor(translator.supports(QStringLiteral("en"), QStringLiteral("es"))),
            std::optional<bool>(false));
        const auto result
            = Waits::waitFor(translator.translate(QStringLiteral("Hello"), QStringLiteral("en"), QStringLiteral("es")));
        QVERIFY(result);
        QVERIFY(!result->ok());
        QVERIFY(!result->error.isEmpty());
    }

    void sentences_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("translation");
        // clang-format off
        QTest::newRow("en-es sentence") << "en" << "es" << "I went to the house yesterday." << "Fui a la casa ayer.";
        QTest::newRow("en-es phrasal verb") << "en" << "es" << "He gave up smoking." << "Dejó de fumar.";
        QTest::newRow("en-es lower-case fragment") << "en" << "es" << "the children" << "los niños";
        QTest::newRow("en-es without final stop") << "en" << "es" << "Hello world" << "Hola Mundo";
        QTest::newRow("en-es line breaks") << "en" << "es" << "I went to the house\nyesterday." << "Fui a la casa ayer.";
        QTest::newRow("stream characters survive") << "en" << "es" << "Price: $5 [approx] <b> a/b {x} C:\\path" << "Precio: $5 [approx] <b> un/b {x} C:\\ruta";
        QTest::newRow("es-en question") << "es" << "en" << "Hola, ¿cómo estás?" << "Hello, how you are?";
        QTest::newRow("es-en sentence") << "es" << "en" << "El perro come carne." << "The dog eats flesh.";
        QTest::newRow("unknown words lose their marks") << "es" << "en" << "Xyzzyq plorb." << "Xyzzyq plorb.";
        // clang-format on
    }

    void sentences()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, text);
        QFETCH(QString, translation);
        ApertiumTranslator translator;
        QCOMPARE(translate(translator, text, source, target), std::optional<QString>(translation));
    }

    void noMarksAreLeft()
    {
        ApertiumTranslator translator;
        const auto translation = translate(translator, QStringLiteral("The glorbix flanged the wuzzle quickly."),
            QStringLiteral("en"), QStringLiteral("es"));
        QVERIFY(translation);
        QVERIFY2(!translation->contains(QLatin1Char('*')) && !translation->contains(QLatin1Char('#'))
                && !translation->contains(QLatin1Char('@')),
            qPrintable(*translation));
        QVERIFY2(translation->contains(QStringLiteral("glorbix")), qPrintable(*translation));
    }

    // One pipeline per pair serves every request, also those that arrive before it is up, and
    // each request keeps its own answer.
    void concurrentRequestsShareOnePipeline()
    {
        CapturedLog log;
        ApertiumTranslator translator;
        const auto answers = Waits::waitFor(translateAll(translator,
            { QStringLiteral("The dog eats meat."), QStringLiteral("Hello world"),
                QStringLiteral("I went to the house yesterday.") }));
        QVERIFY(answers);
        QCOMPARE(*answers,
            QStringList({ QStringLiteral("El perro come carne."), QStringLiteral("Hola Mundo"),
                QStringLiteral("Fui a la casa ayer.") }));
        QVERIFY(translate(translator, QStringLiteral("The cat sleeps."), QStringLiteral("en"), QStringLiteral("es")));
        QCOMPARE(startedPipelines(log).size(), 1);
    }

    // A word carries a mark through the translation: what it became in its sentence.
    void markedWordFollowsTheTranslation_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("marked");
        // clang-format off
        QTest::newRow("bank of a river") << "We sat on the bank of the river." << "bank" << "orilla";
        QTest::newRow("bank for money") << "I put my money in the [bank]." << "bank" << "banco";
        QTest::newRow("two words") << "He gave up smoking." << "gave up" << "dio arriba";
        // clang-format on
    }

    void markedWordFollowsTheTranslation()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, word);
        QFETCH(QString, marked);
        ApertiumTranslator translator;
        const auto result = Waits::waitFor(translator.translateMarked(
            sentence, sentence.indexOf(word), word.size(), QStringLiteral("en"), QStringLiteral("es")));
        QVERIFY(result && result->ok());
        QCOMPARE(result->marked, std::optional<QString>(marked));
        QVERIFY2(!result->text->contains(QStringLiteral("[[")), qPrintable(*result->text));
    }

    void deadPipelineIsRestarted()
    {
        CapturedLog log;
        ApertiumTranslator translator;
        QVERIFY(translate(translator, QStringLiteral("The dog sleeps."), QStringLiteral("en"), QStringLiteral("es")));
        const qint64 pid = startedPipelines(log).value(0);
        QVERIFY(pid > 0);
        QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
        // The stages of the dead pipeline go with it.
        QVERIFY(Waits::waitUntil([&] { return ::kill(-static_cast<pid_t>(pid), 0) != 0; }));

        QCOMPARE(
            translate(translator, QStringLiteral("The dog eats meat."), QStringLiteral("en"), QStringLiteral("es")),
            std::optional<QString>(QStringLiteral("El perro come carne.")));
        const QList<qint64> started = startedPipelines(log);
        QCOMPARE(started.size(), 2);
        QVERIFY(started[1] != pid);
    }

    void stuckPipelineTimesOut()
    {
        // A pipeline that reads its requests and never answers.
        CapturedLog log;
        ApertiumPairProcess pipeline(ApertiumTranslator::kDefaultModesDirectory + QStringLiteral("/eng-spa.mode"),
            { .command = QStringLiteral("exec sleep 60"), .timeout = std::chrono::milliseconds(300) });
        const auto result = Waits::waitFor(pipeline.translate(QStringLiteral("Hello")));
        QVERIFY(result);
        QVERIFY(!result->ok());
        QVERIFY2(result->error.contains(QStringLiteral("timed out")), qPrintable(result->error));
        const QList<qint64> started = startedPipelines(log);
        QCOMPARE(started.size(), 1);
        QVERIFY(Waits::waitUntil([&] { return ::kill(-static_cast<pid_t>(started[0]), 0) != 0; }));
    }

    void pipelineThatExitsFails()
    {
        ApertiumPairProcess pipeline(
            QStringLiteral("/nonexistent/eng-spa.mode"), { .command = QStringLiteral("exit 3") });
        const auto result = Waits::waitFor(pipeline.translate(QStringLiteral("Hello")));
        QVERIFY(result);
        QVERIFY(!result->ok());
        QVERIFY2(result->error.contains(QStringLiteral("stopped")), qPrintable(result->error));
    }

    void unreadableModeFails()
    {
        CapturedLog log;
        ApertiumPairProcess pipeline(QStringLiteral("/nonexistent/eng-spa.mode"));
        const auto result = Waits::waitFor(pipeline.translate(QStringLiteral("Hello")));
        QVERIFY(result);
        QVERIFY(!result->ok());
        QVERIFY2(result->error.contains(QStringLiteral("could not start")), qPrintable(result->error));
        QVERIFY(startedPipelines(log).isEmpty());
    }

    void streamFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stream");
        // clang-format off
        QTest::newRow("plain") << "Hello world." << "Hello world..[]";
        QTest::newRow("special characters") << "a[b]^$/\\<>{}@c" << "a\\[b\\]\\^\\$\\/\\\\\\<\\>\\{\\}\\@c.[]";
        QTest::newRow("line breaks become spaces") << " one\n two \t" << "one two.[]";
        // clang-format on
    }

    void streamFormat()
    {
        QFETCH(QString, text);
        QFETCH(QString, stream);
        QCOMPARE(ApertiumPairProcess::toStream(text), stream);
    }

    void fromStream_data()
    {
        QTest::addColumn<QString>("stream");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("inserted period dropped") << "Hola Mundo..[]" << "Hola Mundo.";
        QTest::newRow("no own period") << "Hola Mundo.[]" << "Hola Mundo";
        QTest::newRow("escapes undone") << "\\[x\\] \\$5 \\\\ \\@y.[]" << "[x] $5 \\ @y";
        QTest::newRow("no blank") << "plain" << "plain";
        // clang-format on
    }

    void fromStream()
    {
        QFETCH(QString, stream);
        QFETCH(QString, text);
        QCOMPARE(ApertiumPairProcess::fromStream(stream), text);
        QCOMPARE(ApertiumPairProcess::readStream(stream).marked, std::nullopt);
    }

    void marksInTheStream()
    {
        QCOMPARE(ApertiumPairProcess::toStream(QStringLiteral("the  bank [x]"), 5, 4),
            QStringLiteral("the [[t:b:qm]]bank[[/]] \\[x\\].[]"));
        const ApertiumPairProcess::Output output = ApertiumPairProcess::readStream(
            QStringLiteral("la [[t:b:qm]]orilla[[/]] [[t:b:other]]del[[/]] \\[río\\]..[]"));
        QCOMPARE(output.text, QStringLiteral("la orilla del [río]."));
        QCOMPARE(output.marked, std::optional<QString>(QStringLiteral("orilla")));
    }

    void matchInitialCase_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("lower-case word") << "Despacio" << "slowly" << "despacio";
        QTest::newRow("capitalised source") << "Hola Mundo" << "Hello world" << "Hola Mundo";
        QTest::newRow("inverted question mark") << "¿Cómo estás?" << "how are you?" << "¿cómo estás?";
        QTest::newRow("no letters") << "123" << "123" << "123";
        QTest::newRow("already lower") << "casa" << "house" << "casa";
        // clang-format on
    }

    void matchInitialCase()
    {
        QFETCH(QString, translation);
        QFETCH(QString, source);
        QFETCH(QString, result);
        QCOMPARE(ApertiumPairProcess::matchInitialCase(translation, source), result);
    }

    void stripMarks_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("stripped");
        // clang-format off
        QTest::newRow("unknown") << "Hola *Xyzzyq." << "Hello Xyzzyq." << "Hola Xyzzyq.";
        QTest::newRow("not generated") << "#Vine ayer" << "I came yesterday" << "Vine ayer";
        QTest::newRow("not in the bilingual dictionary") << "el @perro, (*gato)" << "the dog, (cat)" << "el perro, (gato)";
        QTest::newRow("hashtag of the source kept") << "#python es bueno" << "#python is good" << "#python es bueno";
        QTest::newRow("arithmetic kept") << "3 * 4 = 12" << "3 * 4 = 12" << "3 * 4 = 12";
        QTest::newRow("mark inside a word kept") << "a*b" << "a*b" << "a*b";
        // clang-format on
    }

    void stripMarks()
    {
        QFETCH(QString, translation);
        QFETCH(QString, source);
        QFETCH(QString, stripped);
        QCOMPARE(ApertiumPairProcess::stripMarks(translation, source), stripped);
    }
};

QTEST_GUILESS_MAIN(TestApertiumTranslator)
#include "TestApertiumTranslator.moc"
