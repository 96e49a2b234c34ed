#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "capture/SentenceExtractor.h"
#include "capture/TextOffsets.h"
#include "capture/WordEnumerator.h"

#include <QTest>

class TestTextUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sentenceContaining_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en second of three") << "The sun rose. The birds sang loudly. Then it rained."
                                            << "birds"
                                            << "The birds sang loudly.";
        QTest::newRow("en case-insensitive") << "It was late. Birds were asleep."
                                             << "birds"
                                             << "Birds were asleep.";
        QTest::newRow("en missing word") << "One. Two."
                                         << "three"
                                         << "One. Two.";
        QTest::newRow("en empty word") << "One. Two."
                                       << ""
                                       << "One. Two.";
        QTest::newRow("empty text") << ""
                                    << "word"
                                    << "";
        QTest::newRow("en at start") << "Hello there. Bye now."
                                     << "Hello"
                                     << "Hello there.";
        QTest::newRow("en at end") << "Hello there. Bye now"
                                   << "now"
                                   << "Bye now";
        QTest::newRow("en newline") << "First line\n\nSecond line here."
                                    << "Second"
                                    << "Second line here.";
        QTest::newRow("en quotes") << "He said \"Stop!\" She ran away."
                                   << "ran"
                                   << "She ran away.";
        QTest::newRow("en abbreviation") << "Mr. Smith went home. He slept."
                                         << "Smith"
                                         << "Mr. Smith went home.";
        QTest::newRow("en question") << "Is it cold? Yes it is."
                                     << "cold"
                                     << "Is it cold?";
        QTest::newRow("ru") << "Мама мыла раму. Папа читал газету."
                            << "газету"
                            << "Папа читал газету.";
        QTest::newRow("ru case") << "Я дома. Кошка спит!"
                                 << "кошка"
                                 << "Кошка спит!";
        QTest::newRow("es") << "¿Dónde está? Está en la casa."
                            << "casa"
                            << "Está en la casa.";
        QTest::newRow("fr") << "Il pleut. « Viens ici », dit-elle."
                            << "Viens"
                            << "« Viens ici », dit-elle.";
        QTest::newRow("de") << "Das ist gut. Wir gehen nach Hause."
                            << "Hause"
                            << "Wir gehen nach Hause.";
        QTest::newRow("zh") << QString::fromUtf8("今天很好。我们去公园吧！") << QString::fromUtf8("公园")
                            << QString::fromUtf8("我们去公园吧！");
        QTest::newRow("ja") << QString::fromUtf8("雨が降った。私はご飯を食べました。") << QString::fromUtf8("食べ")
                            << QString::fromUtf8("私はご飯を食べました。");
        QTest::newRow("ko") << QString::fromUtf8("안녕하세요. 저는 학생입니다.") << QString::fromUtf8("학생")
                            << QString::fromUtf8("저는 학생입니다.");
        QTest::newRow("ar") << QString::fromUtf8("ذهبت إلى المدرسة. كان الجو جميلا.") << QString::fromUtf8("الجو")
                            << QString::fromUtf8("كان الجو جميلا.");
        QTest::newRow("emoji before word") << QString::fromUtf8("Wow. \U0001F600 Great day today!") << "Great"
                                           << QString::fromUtf8("\U0001F600 Great day today!");
        QTest::newRow("combining mark") << QString::fromUtf8("Un cafe\u0301. Le the\u0301 est chaud.") << "chaud"
                                        << QString::fromUtf8("Le the\u0301 est chaud.");
    }
    void sentenceContaining()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(QString, expected);
        QCOMPARE(SentenceExtractor::sentence(text, word), expected);
    }

    void sentenceAtOffset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<QString>("expected");
        const QString text = QStringLiteral("Go there now. Wait here. Take the bus.");
        QTest::newRow("the in third, not there in first") << text << "the" << 1 << "Take the bus.";
        QTest::newRow("first occurrence") << text << "there" << 0 << "Go there now.";
        QTest::newRow("word at text start") << text << "Go" << 0 << "Go there now.";
        QTest::newRow("word at text end") << text << "bus" << 0 << "Take the bus.";
    }
    void sentenceAtOffset()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(int, occurrence);
        QFETCH(QString, expected);
        qsizetype offset = -1;
        for (int i = 0; i <= occurrence; ++i)
            offset = text.indexOf(word, offset + 1);
        QVERIFY(offset >= 0);
        QCOMPARE(SentenceExtractor::sentence(text, word, offset), expected);
        // Without the offset the first sentence containing the letters wins.
        if (occurrence > 0)
            QVERIFY(SentenceExtractor::sentence(text, word) != expected);
    }

    void sentenceShorterOnlyAtBoundary_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shorter");
        QTest::newRow("single sentence") << "just a label" << false;
        QTest::newRow("two sentences") << "A cat sat. A dog ran." << true;
    }
    void sentenceShorterOnlyAtBoundary()
    {
        QFETCH(QString, text);
        QFETCH(bool, shorter);
        const QString result = SentenceExtractor::sentence(text, QStringLiteral("a"));
        QCOMPARE(result.size() < text.trimmed().size(), shorter);
    }

    void cjkScript_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("pureHan");
        QTest::newRow("korean sentence") << QString::fromUtf8("저는 학생입니다") << true << false;
        QTest::newRow("single katakana") << QString::fromUtf8("カ") << true << false;
        QTest::newRow("hiragana") << QString::fromUtf8("ひらがな") << true << false;
        QTest::newRow("han") << QString::fromUtf8("漢字") << true << true;
        QTest::newRow("han extension A") << QString::fromUtf8("\u3400") << true << true;
        QTest::newRow("compatibility ideograph") << QString::fromUtf8("\uF900") << true << true;
        QTest::newRow("han with kana") << QString::fromUtf8("食べる") << true << false;
        QTest::newRow("han with latin") << QString::fromUtf8("漢a") << true << false;
        QTest::newRow("han with digit") << QString::fromUtf8("漢1") << true << false;
        QTest::newRow("han with punctuation") << QString::fromUtf8("漢。") << true << false;
        QTest::newRow("latin") << "hello" << false << false;
        QTest::newRow("cyrillic") << QString::fromUtf8("привет") << false << false;
        QTest::newRow("empty") << "" << false << true;
        QTest::newRow("emoji") << QString::fromUtf8("\U0001F600") << false << false;
    }
    void cjkScript()
    {
        QFETCH(QString, text);
        QFETCH(bool, present);
        QFETCH(bool, pureHan);
        QCOMPARE(CJKScript::isPresent(text), present);
        QCOMPARE(CJKScript::isPureHanScript(text), pureHan);
    }

    void continuationTokens()
    {
        QCOMPARE(JapaneseConjugation::continuationTokens().size(), 42);
        QVERIFY(JapaneseConjugation::continuationTokens().contains(QStringLiteral("ませんでした")));
        QVERIFY(!JapaneseConjugation::continuationTokens().contains(QStringLiteral("。")));
    }

    void continuationCount_data()
    {
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        QTest::newRow("まし た 。") << QStringList { "食べ", "まし", "た", "。" } << 0 << 2;
        QTest::newRow("capped at three") << QStringList { "食べ", "て", "しまい", "まし", "た" } << 0 << 3;
        QTest::newRow("none") << QStringList { "猫", "が" } << 0 << 0;
        QTest::newRow("at end") << QStringList { "猫" } << 0 << 0;
        QTest::newRow("out of range") << QStringList { "猫" } << 5 << 0;
        QTest::newRow("from middle") << QStringList { "私", "は", "行き", "ます" } << 2 << 1;
    }
    void continuationCount()
    {
        QFETCH(QStringList, tokens);
        QFETCH(int, index);
        QFETCH(int, expected);
        QCOMPARE(JapaneseConjugation::continuationCount(tokens, index), expected);
    }

    void dictionaryFormCandidates_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("書きました") << "書きました" << QStringList { "書きました", "書きる", "書く", "書きます" };
        QTest::newRow("読んで") << "読んで" << QStringList { "読んで", "読む", "読ぬ", "読ぶ" };
        QTest::newRow("行って") << "行って" << QStringList { "行って", "行く", "行う", "行つ", "行る" };
        QTest::newRow("高くない") << "高くない" << QStringList { "高くない", "高くる", "高い" };
        QTest::newRow("書かない") << "書かない" << QStringList { "書かない", "書かる", "書く" };
        QTest::newRow("泳いだ") << "泳いだ" << QStringList { "泳いだ", "泳ぐ" };
        QTest::newRow("plain") << "猫" << QStringList { "猫" };
        QTest::newRow("empty") << "" << QStringList {};
    }
    void dictionaryFormCandidates()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, expected);
        QCOMPARE(JapaneseConjugation::dictionaryFormCandidates(word), expected);
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("en") << "Hello, world! It's fine." << QStringList { "Hello", "world", "It's", "fine" };
        QTest::newRow("ru") << QString::fromUtf8("Мама мыла раму.") << QStringList { "Мама", "мыла", "раму" };
        QTest::newRow("es") << QString::fromUtf8("¿Dónde está?") << QStringList { "Dónde", "está" };
        QTest::newRow("fr") << QString::fromUtf8("« L'été », dit-il.") << QStringList { "L'été", "dit", "il" };
        QTest::newRow("de") << QString::fromUtf8("Grüße aus Köln.") << QStringList { "Grüße", "aus", "Köln" };
        QTest::newRow("ko") << QString::fromUtf8("저는 학생입니다.") << QStringList { "저는", "학생입니다" };
        QTest::newRow("ar") << QString::fromUtf8("كان الجو جميلا.") << QStringList { "كان", "الجو", "جميلا" };
        QTest::newRow("combining mark") << QString::fromUtf8("cafe\u0301 noir") << QStringList { "cafe\u0301", "noir" };
        QTest::newRow("emoji skipped") << QString::fromUtf8("\U0001F600 hi") << QStringList { "hi" };
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const TextWord& word : WordEnumerator::words(text)) {
            QCOMPARE(text.mid(word.start, word.length), word.text);
            got.append(word.text);
        }
        QCOMPARE(got, expected);
    }

    void cjkWordAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pointed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ja conjugated polite past") << QString::fromUtf8("私はご飯を食べました。") << "食"
                                                   << "食べました";
        QTest::newRow("ja ending pointed") << QString::fromUtf8("私はご飯を食べました。") << "た"
                                           << "食べました";
        QTest::newRow("ja negative") << QString::fromUtf8("彼は来ない。") << "来"
                                     << "来ない";
        QTest::newRow("zh dictionary segmentation") << QString::fromUtf8("我们去公园吧") << "园"
                                                    << "公园";
        QTest::newRow("ja te-iru") << QString::fromUtf8("本を読んでいます。") << "読"
                                   << "読んでいます";
        QTest::newRow("ja te-shimau") << QString::fromUtf8("全部食べてしまいました。") << "食"
                                      << "食べてしまいました";
        QTest::newRow("ja particle de not merged") << QString::fromUtf8("学校で勉強する。") << "校"
                                                   << "学校";
        QTest::newRow("ja particle alone") << QString::fromUtf8("私はご飯を食べました。") << "を"
                                           << "を";
    }
    void cjkWordAt()
    {
        QFETCH(QString, text);
        QFETCH(QString, pointed);
        QFETCH(QString, expected);
        const qsizetype offset = text.lastIndexOf(pointed);
        QVERIFY(offset >= 0);
        const auto word = WordEnumerator::wordAt(text, offset);
        QVERIFY(word.has_value());
        QCOMPARE(word->text, expected);
    }

    void wordAtPunctuationIsNothing()
    {
        QVERIFY(!WordEnumerator::wordAt(QStringLiteral("Hi, you"), 2).has_value());
        QVERIFY(!WordEnumerator::wordAt(QStringLiteral("Hi, you"), 3).has_value());
        QVERIFY(!WordEnumerator::wordAt(QStringLiteral("Hi"), 7).has_value());
    }

    void offsets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("codePoint");
        QTest::addColumn<int>("grapheme");
        QTest::newRow("plain") << "one word"
                               << "word" << 4 << 4;
        QTest::newRow("emoji before") << QString::fromUtf8("\U0001F600 word") << "word" << 2 << 2;
        QTest::newRow("combining before") << QString::fromUtf8("e\u0301 word") << "word" << 3 << 2;
        QTest::newRow("both before") << QString::fromUtf8("\U0001F600e\u0301 word") << "word" << 4 << 3;
        QTest::newRow("cjk") << QString::fromUtf8("私は食べる") << QString::fromUtf8("食") << 2 << 2;
    }
    void offsets()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(int, codePoint);
        QFETCH(int, grapheme);
        const qsizetype utf16 = text.indexOf(word);
        QCOMPARE(TextOffsets::codePointFromUtf16(text, utf16), qsizetype(codePoint));
        QCOMPARE(TextOffsets::utf16FromCodePoint(text, codePoint), utf16);
        QCOMPARE(TextOffsets::graphemeFromUtf16(text, utf16), qsizetype(grapheme));
        QCOMPARE(TextOffsets::utf16FromGrapheme(text, grapheme), utf16);
    }

    void offsetEdges()
    {
        const QString text = QString::fromUtf8("a\U0001F600b");
        QCOMPARE(TextOffsets::codePointCount(text), qsizetype(3));
        QCOMPARE(TextOffsets::graphemeCount(text), qsizetype(3));
        // The low surrogate belongs to the emoji's code point.
        QCOMPARE(TextOffsets::codePointFromUtf16(text, 2), qsizetype(1));
        QCOMPARE(TextOffsets::utf16FromCodePoint(text, 99), text.size());
        QCOMPARE(TextOffsets::utf16FromCodePoint(text, -1), qsizetype(0));
        QCOMPARE(TextOffsets::graphemeCount(QString()), qsizetype(0));
    }
};

QTEST_GUILESS_MAIN(TestTextUtilities)
#include "TestTextUtilities.moc"
