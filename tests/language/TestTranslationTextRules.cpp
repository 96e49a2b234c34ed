#include "language/TranslationTextRules.h"

#include <QTest>

class TestTranslationTextRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void translationUnit_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("verb");
        QTest::addColumn<QString>("unit");
        // clang-format off
        QTest::newRow("empty sentence") << "gave" << "" << true << "gave";
        QTest::newRow("phrasal verb") << "gave" << "He gave up smoking." << true << "gave up";
        QTest::newRow("particle but not a verb") << "gave" << "He gave up smoking." << false << "gave";
        QTest::newRow("particle and preposition") << "looked" << "She looked up to her sister" << true << "looked up to";
        QTest::newRow("case-insensitive word") << "GAVE" << "He gave up smoking." << true << "gave up";
        QTest::newRow("no particle") << "gave" << "He gave a book." << true << "gave";
        QTest::newRow("particle at the end") << "came" << "Then she came back" << true << "came back";
        QTest::newRow("preposition not in list") << "ran" << "We ran out of milk" << true << "ran out";
        QTest::newRow("name, word last") << "York" << "I love New York." << false << "New York";
        QTest::newRow("name, word first") << "New" << "I love New York." << false << "New York";
        QTest::newRow("lower-case word") << "love" << "I love New York." << false << "love";
        QTest::newRow("capitalised alone") << "Paris" << "we went to Paris today" << false << "Paris";
        QTest::newRow("three capitalised") << "Reading" << "Add To Reading List" << false << "To Reading List";
        QTest::newRow("clause after colon") << "Open" << "Settings: Open Recent" << false << "Open Recent";
        QTest::newRow("word not in sentence") << "cat" << "The dog barked." << true << "cat";
        QTest::newRow("apostrophe splits") << "don" << "I don't know" << true << "don";
        QTest::newRow("punctuation only") << "x" << "!!! ???" << true << "x";
        // clang-format on
    }
    void translationUnit()
    {
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        QFETCH(bool, verb);
        QFETCH(QString, unit);
        QString seenWord;
        QString seenSentence;
        const auto isVerb = [&](const QString& w, const QString& s) -> bool {
            seenWord = w;
            seenSentence = s;
            return verb;
        };
        QCOMPARE(TranslationTextRules::translationUnit(word, sentence, isVerb), unit);
        if (!seenSentence.isEmpty()) {
            // The tagger sees the whole sentence, not the clause.
            QCOMPARE(seenWord, word);
            QCOMPARE(seenSentence, sentence);
        }
    }

    void tokens()
    {
        QCOMPARE(TranslationTextRules::tokens(QStringLiteral("don't stop-me now 42x")),
            (QStringList { "don", "t", "stop", "me", "now", "42x" }));
        QCOMPARE(TranslationTextRules::tokens(QStringLiteral("  ... ")), QStringList());
        QCOMPARE(TranslationTextRules::tokens(QStringLiteral("Привет, мир")), (QStringList { "Привет", "мир" }));
    }

    void looksLikeUILabel_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("label");
        QTest::newRow("title-cased") << "Add To Reading List" << true;
        QTest::newRow("sentence case") << "Add to list" << false;
        QTest::newRow("stop words skipped") << "Save as a Template" << false;
        QTest::newRow("stop words lower") << "Open the File" << true;
        QTest::newRow("one word") << "Settings" << false;
        QTest::newRow("one word after stop words") << "The Settings" << false;
        QTest::newRow("punctuation trimmed") << "  \"Open Recent…\"\n" << true;
        QTest::newRow("punctuation pieces dropped") << "Open — Recent" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("ordinary sentence") << "He gave up smoking." << false;
    }
    void looksLikeUILabel()
    {
        QFETCH(QString, sentence);
        QFETCH(bool, label);
        QCOMPARE(TranslationTextRules::looksLikeUILabel(sentence), label);
    }
};

QTEST_GUILESS_MAIN(TestTranslationTextRules)
#include "TestTranslationTextRules.moc"
