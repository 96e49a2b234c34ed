#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "capture/SentenceExtractor.h"
#include "capture/WordTokenizer.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<qsizetype>)

class TestTextUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sentence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<std::optional<qsizetype>>("offset");
        QTest::addColumn<QString>("sentence");
        const std::optional<qsizetype> none;
        QTest::newRow("second of three") << "The sky is grey. My cat sleeps all day.  It rains." << "cat" << none
                                         << "My cat sleeps all day.";
        QTest::newRow("case-insensitive") << "Hello there. Cats are nice." << "cats" << none << "Cats are nice.";
        QTest::newRow("nowhere") << "One. Two." << "three" << none << "One. Two.";
        QTest::newRow("empty word") << "One. Two." << "" << none << "One. Two.";
        QTest::newRow("at start") << "Start here. Then more." << "Start" << none << "Start here.";
        QTest::newRow("at end") << "First one. Last word" << "word" << none << "Last word";
        QTest::newRow("abbreviation") << "I met Mr. Smith today. He waved." << "Smith" << none
                                      << "I met Mr. Smith today.";
        QTest::newRow("question and quote") << "\"Where is it?\" she asked. Nobody knew." << "Nobody" << none
                                            << "Nobody knew.";
        QTest::newRow("newline") << "Line one\nLine two. End." << "one" << none << "Line one";
        QTest::newRow("russian") << "Тихий дом стоит у реки. Там живёт кот." << "кот" << none << "Там живёт кот.";
        QTest::newRow("spanish") << "¿Dónde está la casa? Está allí." << "casa" << none << "¿Dónde está la casa?";
        QTest::newRow("japanese") << "今日は雨です。明日は晴れるでしょう。" << "明日" << none << "明日は晴れるでしょう。";
        QTest::newRow("chinese") << "我喜欢猫。你呢？" << "你" << none << "你呢？";
        QTest::newRow("emoji and combining") << "Café\u0301 🙂 is open. The dog 🐕 runs." << "dog" << none
                                             << "The dog 🐕 runs.";
        QTest::newRow("offset picks the right sentence") << "There it is. Give me the pen." << "the"
                                                         << std::optional<qsizetype>(21) << "Give me the pen.";
        QTest::newRow("without offset, first match") << "There it is. Give me the pen." << "the" << none
                                                     << "There it is.";
    }

    void sentence()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(std::optional<qsizetype>, offset);
        QFETCH(QString, sentence);
        QCOMPARE(SentenceExtractor::sentence(text, word, offset), sentence);
    }

    void scripts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("pureHan");
        QTest::newRow("korean") << "안녕하세요 친구" << true << false;
        QTest::newRow("katakana") << "カ" << true << false;
        QTest::newRow("han") << "漢字" << true << true;
        QTest::newRow("han with kana") << "食べる" << true << false;
        QTest::newRow("han with digit") << "第1" << true << false;
        QTest::newRow("han with punctuation") << "你好。" << true << false;
        QTest::newRow("latin") << "house" << false << false;
        QTest::newRow("empty") << "" << false << true;
        QTest::newRow("extension A") << "\u3400" << true << true;
    }

    void scripts()
    {
        QFETCH(QString, text);
        QFETCH(bool, present);
        QFETCH(bool, pureHan);
        QCOMPARE(CJKScript::isPresent(text), present);
        QCOMPARE(CJKScript::isPureHanScript(text), pureHan);
    }

    void continuationCount_data()
    {
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::newRow("mashi ta period") << QStringList { "食べ", "まし", "た", "。" } << 0 << 2;
        QTest::newRow("capped at three") << QStringList { "見", "られ", "ませ", "ん", "た", "た", "た" } << 0 << 1;
        QTest::newRow("three") << QStringList { "し", "て", "しまい", "ました", "た" } << 0 << 3;
        QTest::newRow("none") << QStringList { "猫", "が" } << 0 << 0;
        QTest::newRow("last token") << QStringList { "猫" } << 0 << 0;
    }

    void continuationCount()
    {
        QFETCH(QStringList, tokens);
        QFETCH(int, index);
        QFETCH(int, count);
        QCOMPARE(JapaneseConjugation::continuationCount(tokens, index), count);
        QCOMPARE(JapaneseConjugation::continuationTokens().size(), 42);
    }

    void dictionaryForms_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("candidates");
        QTest::newRow("kakimashita") << "書きました" << QStringList { "書きました", "書きる", "書く", "書きます" };
        QTest::newRow("yonde") << "読んで" << QStringList { "読んで", "読む", "読ぬ", "読ぶ" };
        QTest::newRow("itte") << "行って" << QStringList { "行って", "行く", "行う", "行つ", "行る" };
        QTest::newRow("takakunai") << "高くない" << QStringList { "高くない", "高くる", "高い" };
        QTest::newRow("kakanai") << "書かない" << QStringList { "書かない", "書かる", "書く" };
        QTest::newRow("dictionary form") << "食べる" << QStringList { "食べる" };
        QTest::newRow("empty") << "" << QStringList {};
    }

    void dictionaryForms()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, candidates);
        QCOMPARE(JapaneseConjugation::dictionaryFormCandidates(word), candidates);
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("english") << "Don't stop, big cat!" << QStringList { "Don't", "stop", "big", "cat" };
        QTest::newRow("russian") << "Тихий дом — у реки." << QStringList { "Тихий", "дом", "у", "реки" };
        QTest::newRow("japanese conjugation") << "私は寿司を食べました。" << QStringList { "私", "は", "寿司", "を", "食べました" };
        QTest::newRow("chinese") << "我喜欢猫" << QStringList { "我", "喜欢", "猫" };
        QTest::newRow("te form and past") << "本を読んでいた。" << QStringList { "本", "を", "読んでいた" };
        QTest::newRow("particle stays apart") << "寿司を食べない" << QStringList { "寿司", "を", "食べない" };
        QTest::newRow("emoji skipped") << "go 🙂 now" << QStringList { "go", "now" };
        QTest::newRow("combining mark") << "cafe\u0301 noir" << QStringList { "cafe\u0301", "noir" };
    }

    void words()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QStringList found;
        for (const auto& word : WordTokenizer::wordsMergingConjugations(text)) {
            QCOMPARE(text.mid(word.start, word.length), word.text);
            found << word.text;
        }
        QCOMPARE(found.join(QLatin1Char('|')), words.join(QLatin1Char('|')));
    }

    void wordAtOffset()
    {
        const QString text = QStringLiteral("🙂 big cat");
        // The emoji takes two UTF-16 units: "cat" starts at 7.
        QCOMPARE(WordTokenizer::wordAt(text, 8)->text, QStringLiteral("cat"));
        QCOMPARE(WordTokenizer::wordAt(text, 8)->start, 7);
        QVERIFY(!WordTokenizer::wordAt(text, 6));
    }
};

QTEST_GUILESS_MAIN(TestTextUtilities)
#include "TestTextUtilities.moc"
