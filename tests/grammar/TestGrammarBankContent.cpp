// Checks every course the application ships: it loads through the catalogue, its ids and titles can
// be told apart across all courses, each level can be completed, every exercise can be answered,
// and every word a learner is asked to produce is known to the language's Hunspell dictionary.
#include "grammar/GrammarBankCatalog.h"
#include "grammar/GrammarTopicIcon.h"
#include "support/CapturedLog.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Hunspell dictionary of each course language (Debian's hunspell-* packages).
const QHash<QString, QString> kDictionaries { { "en", "en_US" }, { "es", "es_ES" }, { "fr", "fr_FR" },
    { "de", "de_DE" }, { "it", "it_IT" }, { "pt", "pt_PT" }, { "ru", "ru_RU" } };

qsizetype wordCount(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\w+"), QRegularExpression::UseUnicodePropertiesOption);
    qsizetype count = 0;
    for (QRegularExpressionMatchIterator it = word.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

// The texts a learner has to produce or choose from.
QStringList answerTexts(const GrammarBankExercise& exercise)
{
    return exercise.type == GrammarExerciseType::MultipleChoice ? exercise.choices
                                                                : QStringList { exercise.correctAnswer };
}

QStringList exerciseProblems(const GrammarBankExercise& e)
{
    QStringList problems;
    const QString answer = e.correctAnswer;
    if (answer.isEmpty() || answer.trimmed() != answer)
        problems << QStringLiteral("answer is empty or has surrounding white space");
    switch (e.type) {
    case GrammarExerciseType::MultipleChoice:
        if (e.choices.size() < 2 || e.choices.count(answer) != 1)
            problems << QStringLiteral("needs two or more choices with the answer among them once");
        break;
    case GrammarExerciseType::Cloze:
        if (e.prompt.count(QStringLiteral("___")) != 1)
            problems << QStringLiteral("cloze prompt must hold one ___");
        break;
    case GrammarExerciseType::WordOrder: {
        const QStringList tiles = answer.split(QLatin1Char(' '));
        if (tiles.size() < 2 || tiles.contains(QString()) || QSet<QString>(tiles.begin(), tiles.end()).size() < 2)
            problems << QStringLiteral("word order needs two different words separated by single spaces");
        break;
    }
    }
    return problems;
}

} // namespace

class TestGrammarBankContent : public QObject
{
    Q_OBJECT

    GrammarBankCatalog m_catalog;

    static void addLanguageRows()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : GrammarBankCatalog().languagesWithCourse())
            QTest::newRow(qPrintable(code)) << code;
    }

private Q_SLOTS:
    void shipsTheSevenCourses()
    {
        const QStringList codes = m_catalog.languagesWithCourse();
        for (const char* code : { "en", "es", "fr", "de", "it", "pt", "ru" })
            QVERIFY2(codes.contains(QLatin1String(code)), code);
    }

    void idsAndTitlesAreUniqueAcrossCourses()
    {
        QSet<QString> exerciseIds, topicIds, titles;
        QStringList problems;
        for (const QString& code : m_catalog.languagesWithCourse()) {
            for (const GrammarBankTopic& topic : m_catalog.topics(code)) {
                if (!topic.id.startsWith(code + QLatin1Char('.')) || topicIds.contains(topic.id))
                    problems << topic.id;
                if (titles.contains(topic.title))
                    problems << topic.title;
                topicIds << topic.id;
                titles << topic.title;
                for (const GrammarBankExercise& exercise : topic.exercises) {
                    if (!exercise.id.startsWith(code + QLatin1Char('.')) || exerciseIds.contains(exercise.id))
                        problems << exercise.id;
                    exerciseIds << exercise.id;
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
    }

    // Each level can be completed and every exercise answered; every topic and exercise has the
    // same localized languages and keys; each theory text is long enough to teach and short enough
    // to read.
    void courseIsComplete_data() { addLanguageRows(); }
    void courseIsComplete()
    {
        QFETCH(QString, code);
        CapturedLog log;
        const QList<GrammarBankTopic> topics = GrammarBankCatalog().load(code);
        QStringList problems = log.messages(QStringLiteral("quillmoor.grammar"));
        QHash<GrammarLevel, int> perLevel;
        std::optional<QStringList> languages;
        const auto checkLocalized
            = [&](const QString& id, const GrammarLocalizedTexts& texts, const QStringList& keys) {
                  QStringList these = texts.languages();
                  these.sort();
                  if (!languages)
                      languages = these;
                  if (these != *languages || !these.contains(QStringLiteral("en")))
                      problems << id + QLatin1String(": localized languages ") + these.join(',');
                  for (const QString& language : texts.languages()) {
                      QStringList present = texts.textsOf(language).keys();
                      present.sort();
                      if (present != keys)
                          problems << id + QLatin1String(": localized keys ") + present.join(',');
                  }
              };
        for (const GrammarBankTopic& topic : topics) {
            ++perLevel[topic.level];
            QSet<GrammarExerciseType> kinds;
            for (const GrammarBankExercise& exercise : topic.exercises) {
                kinds << exercise.type;
                for (const QString& problem : exerciseProblems(exercise))
                    problems << exercise.id + QLatin1String(": ") + problem;
                checkLocalized(exercise.id, exercise.localized, { "explanation", "prompt" });
            }
            if (topic.exercises.size() < 6 || kinds.size() < 3)
                problems << topic.id + QLatin1String(": six exercises, each kind at least once");
            if (topic.searchKeywords.isEmpty())
                problems << topic.id + QLatin1String(": no search keywords");
            if (GrammarTopicIcon::resourcePath(topic.systemImage).isEmpty()
                || GrammarTopicIcon::icon(topic.systemImage).pixmap(32).isNull())
                problems << topic.id + QLatin1String(": no bundled icon for ") + topic.systemImage;
            checkLocalized(topic.id, topic.localized, { "subtitle", "theory", "title" });
            for (const QString& theory : { topic.theory, topic.displayTheory(InterfaceLanguage::En) }) {
                if (wordCount(theory) < 120 || wordCount(theory) > 300)
                    problems << topic.id + QStringLiteral(": theory of %1 words").arg(wordCount(theory));
            }
        }
        for (GrammarLevel level : GrammarLevels::all()) {
            if (perLevel.value(level) < 5)
                problems << GrammarLevels::rawValue(level) + QLatin1String(": fewer than five topics");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void answersAreKnownWords_data() { addLanguageRows(); }
    void answersAreKnownWords()
    {
        QFETCH(QString, code);
        QVERIFY2(kDictionaries.contains(code), qPrintable(QStringLiteral("no Hunspell dictionary named for ") + code));
        QStringList lines;
        for (const GrammarBankTopic& topic : m_catalog.topics(code)) {
            for (const GrammarBankExercise& exercise : topic.exercises)
                lines += answerTexts(exercise);
        }
        QProcess hunspell;
        hunspell.start(QStringLiteral("hunspell"), { "-l", "-d", kDictionaries.value(code) });
        QVERIFY2(hunspell.waitForStarted(), "hunspell is not installed");
        hunspell.write(lines.join('\n').toUtf8());
        hunspell.closeWriteChannel();
        QVERIFY(hunspell.waitForFinished(60000));
        QCOMPARE(hunspell.exitCode(), 0);

        QFile allowFile(qEnvironmentVariable("QM_SOURCE_DIR")
            + QStringLiteral("/resources/grammar/%1_grammar_bank.allow").arg(code));
        QSet<QString> allowed;
        if (allowFile.open(QIODevice::ReadOnly)) {
            for (const QString& word : QString::fromUtf8(allowFile.readAll()).split('\n', Qt::SkipEmptyParts))
                allowed << word.trimmed();
        }
        QStringList unknown;
        for (const QString& word :
            QString::fromUtf8(hunspell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
            if (!allowed.contains(word) && !unknown.contains(word))
                unknown << word;
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(QStringLiteral("unknown words: ") + unknown.join(QLatin1String(", "))));
    }
};

QTEST_MAIN(TestGrammarBankContent)
#include "TestGrammarBankContent.moc"
