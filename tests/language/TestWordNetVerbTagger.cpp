#include "language/TranslationTextRules.h"
#include "language/WordNetVerbTagger.h"

#include <QTemporaryDir>
#include <QTest>

// The verb test over the real WordNet lexicon of the machine.
class TestWordNetVerbTagger : public QObject
{
    Q_OBJECT

private:
    WordNetVerbTagger m_tagger;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_tagger.isAvailable(), "wordnet-base is not installed"); }

    void inSentences_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("verb");
        // clang-format off
        QTest::newRow("irregular past") << "gave" << "He gave up smoking." << true;
        QTest::newRow("regular past") << "looked" << "She looked after the kids." << true;
        QTest::newRow("doubled consonant") << "running" << "We are running out of milk." << true;
        QTest::newRow("third person") << "carries" << "He carries on regardless." << true;
        QTest::newRow("after to") << "set" << "We want to set up a shop." << true;
        QTest::newRow("after an article") << "set" << "The set up was wrong." << false;
        QTest::newRow("possessive") << "run" << "My run up the hill." << false;
        QTest::newRow("article and adjective") << "rock" << "He sat on a big rock." << false;
        QTest::newRow("after a preposition") << "spring" << "Flowers bloom in spring." << false;
        QTest::newRow("after a modal") << "park" << "You can park your car here." << true;
        QTest::newRow("not a verb") << "quickly" << "He quickly up and left." << false;
        QTest::newRow("article") << "the" << "Look up the word." << false;
        QTest::newRow("not in the sentence") << "gave" << "He took it." << false;
        QTest::newRow("russian") << QStringLiteral("дал") << QStringLiteral("Он дал мне книгу.") << false;
        QTest::newRow("case-insensitive") << "Give" << "Give up now." << true;
        // clang-format on
    }

    void inSentences()
    {
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        QFETCH(bool, verb);
        QCOMPARE(m_tagger.isVerb(word, sentence), verb);
    }

    void phrasalVerbUnits()
    {
        const auto isVerb = [this](const QString& w, const QString& s) { return m_tagger.isVerb(w, s); };
        QCOMPARE(TranslationTextRules::translationUnit(
                     QStringLiteral("gave"), QStringLiteral("He gave up smoking."), isVerb),
            QStringLiteral("gave up"));
        QCOMPARE(
            TranslationTextRules::translationUnit(QStringLiteral("up"), QStringLiteral("He gave up smoking."), isVerb),
            QStringLiteral("up"));
    }

    void withoutTheLexiconNothingIsAVerb()
    {
        QTemporaryDir empty;
        const WordNetVerbTagger tagger(empty.path());
        QVERIFY(!tagger.isAvailable());
        QVERIFY(!tagger.isVerb(QStringLiteral("gave"), QStringLiteral("He gave up.")));
    }
};

QTEST_GUILESS_MAIN(TestWordNetVerbTagger)
#include "TestWordNetVerbTagger.moc"
