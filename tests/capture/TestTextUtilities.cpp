#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "capture/SentenceExtractor.h"
#include "capture/TextOffsets.h"
#include "capture/WordEnumerator.h"
#include "capture/WordSpan.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The sentence of a word in a text; of its n-th occurrence when n is given, else the first
    // sentence that contains its letters.
    void sentenceContaining_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("occurrence"); // -1: none given
        QTest::addColumn<QString>("expected");
        const QString three = u"The sun rose. The birds sang loudly. Then it rained."_s;
        const QString bus = u"Go there now. Wait here. Take the bus."_s;
        // clang-format off
        QTest::newRow("en second of three") << three << u"birds"_s << -1 << u"The birds sang loudly."_s;
        QTest::newRow("en case-insensitive") << u"It was late. Birds were asleep."_s << u"birds"_s << -1 << u"Birds were asleep."_s;
        QTest::newRow("en missing word") << u"One. Two."_s << u"three"_s << -1 << u"One. Two."_s;
        QTest::newRow("en empty word") << u"One. Two."_s << QString() << -1 << u"One. Two."_s;
        QTest::newRow("empty text") << QString() << u"word"_s << -1 << QString();
        QTest::newRow("en quotes") << u"He said \"Stop!\" She ran away."_s << u"ran"_s << -1 << u"She ran away."_s;
        QTest::newRow("en abbreviation") << u"Mr. Smith went home. He slept."_s << u"Smith"_s << -1 << u"Mr. Smith went home."_s;
        QTest::newRow("en question") << u"Is it cold? Yes it is."_s << u"cold"_s << -1 << u"Is it cold?"_s;
        QTest::newRow("es") << u"¿Dónde está? Está en la casa."_s << u"casa"_s << -1 << u"Está en la casa."_s;
        QTest::newRow("fr") << u"Il pleut. « Viens ici », dit-elle."_s << u"Viens"_s << -1 << u"« Viens ici », dit-elle."_s;
        QTest::newRow("zh") << u"今天很好。我们去公园吧！"_s << u"公园"_s << -1 << u"我们去公园吧！"_s;
        QTest::newRow("emoji before word") << u"Wow. \U0001F600 Great day today!"_s << u"Great"_s << -1 << u"\U0001F600 Great day today!"_s;
        QTest::newRow("the in third, not there in first") << bus << u"the"_s << 1 << u"Take the bus."_s;
        QTest::newRow("first occurrence") << bus << u"there"_s << 0 << u"Go there now."_s;
        QTest::newRow("word at text start") << bus << u"Go"_s << 0 << u"Go there now."_s;
        QTest::newRow("word at text end") << bus << u"bus"_s << 0 << u"Take the bus."_s;
        // clang-format on
    }
    void sentenceContaining()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(int, occurrence);
        QFETCH(QString, expected);
        if (occurrence < 0) {
            QCOMPARE(SentenceExtractor::sentence(text, word), expected);
            return;
        }
        qsizetype offset = -1;
        for (int i = 0; i <= occurrence; ++i)
            offset = text.indexOf(word, offset + 1);
        QCOMPARE(SentenceExtractor::sentence(text, word, offset), expected);
        // Without the offset the first sentence containing the letters wins.
        if (occurrence > 0)
            QVERIFY(SentenceExtractor::sentence(text, word) != expected);
    }

    void cjkScript_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("pureHan");
        QTest::newRow("korean sentence") << u"저는 학생입니다"_s << true << false;
        QTest::newRow("single katakana") << u"カ"_s << true << false;
        QTest::newRow("hiragana") << u"ひらがな"_s << true << false;
        QTest::newRow("han") << u"漢字"_s << true << true;
        QTest::newRow("han extension A") << u"\u3400"_s << true << true;
        QTest::newRow("compatibility ideograph") << u"\uF900"_s << true << true;
        QTest::newRow("han with kana") << u"食べる"_s << true << false;
        QTest::newRow("han with latin") << u"漢a"_s << true << false;
        QTest::newRow("latin") << u"hello"_s << false << false;
        QTest::newRow("empty") << QString() << false << true;
        QTest::newRow("emoji") << u"\U0001F600"_s << false << false;
    }
    void cjkScript()
    {
        QFETCH(QString, text);
        QFETCH(bool, present);
        QFETCH(bool, pureHan);
        QCOMPARE(CJKScript::isPresent(text), present);
        QCOMPARE(CJKScript::isPureHanScript(text), pureHan);
    }

    // Lists of words are written with spaces between them.
    void continuationCount_data()
    {
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        QTest::newRow("まし た 。") << u"食べ まし た 。"_s << 0 << 2;
        QTest::newRow("capped at three") << u"食べ て しまい まし た"_s << 0 << 3;
        QTest::newRow("none") << u"猫 が"_s << 0 << 0;
        QTest::newRow("at end") << u"猫"_s << 0 << 0;
        QTest::newRow("out of range") << u"猫"_s << 5 << 0;
        QTest::newRow("from middle") << u"私 は 行き ます"_s << 2 << 1;
    }
    void continuationCount()
    {
        QFETCH(QString, tokens);
        QFETCH(int, index);
        QFETCH(int, expected);
        QCOMPARE(JapaneseConjugation::continuationCount(tokens.split(u' '), index), expected);
    }

    void dictionaryFormCandidates_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        QTest::newRow("書きました") << u"書きました"_s << u"書きました 書きる 書く 書きます"_s;
        QTest::newRow("読んで") << u"読んで"_s << u"読んで 読む 読ぬ 読ぶ"_s;
        QTest::newRow("行って") << u"行って"_s << u"行って 行く 行う 行つ 行る"_s;
        QTest::newRow("高くない") << u"高くない"_s << u"高くない 高くる 高い"_s;
        QTest::newRow("書かない") << u"書かない"_s << u"書かない 書かる 書く"_s;
        QTest::newRow("泳いだ") << u"泳いだ"_s << u"泳いだ 泳ぐ"_s;
        QTest::newRow("plain") << u"猫"_s << u"猫"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void dictionaryFormCandidates()
    {
        QFETCH(QString, word);
        QFETCH(QString, expected);
        QCOMPARE(JapaneseConjugation::dictionaryFormCandidates(word).join(u' '), expected);
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en") << u"Hello, world! It's fine."_s << u"Hello world It's fine"_s;
        QTest::newRow("es") << u"¿Dónde está?"_s << u"Dónde está"_s;
        QTest::newRow("fr") << u"« L'été », dit-il."_s << u"L'été dit il"_s;
        QTest::newRow("ko") << u"저는 학생입니다."_s << u"저는 학생입니다"_s;
        QTest::newRow("ar") << u"كان الجو جميلا."_s << u"كان الجو جميلا"_s;
        QTest::newRow("combining mark") << u"cafe\u0301 noir"_s << u"cafe\u0301 noir"_s;
        QTest::newRow("emoji skipped") << u"\U0001F600 hi"_s << u"hi"_s;
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QStringList got;
        for (const TextWord& word : WordEnumerator::words(text)) {
            QCOMPARE(text.mid(word.start, word.length), word.text);
            got.append(word.text);
        }
        QCOMPARE(got.join(u' '), expected);
    }

    void wordAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pointed"); // the last occurrence; none: past the end
        QTest::addColumn<QString>("expected"); // none: no word
        const QString meal = u"私はご飯を食べました。"_s;
        QTest::newRow("ja conjugated polite past") << meal << u"食"_s << u"食べました"_s;
        QTest::newRow("ja ending pointed") << meal << u"た"_s << u"食べました"_s;
        QTest::newRow("ja particle alone") << meal << u"を"_s << u"を"_s;
        QTest::newRow("ja negative") << u"彼は来ない。"_s << u"来"_s << u"来ない"_s;
        QTest::newRow("zh dictionary segmentation") << u"我们去公园吧"_s << u"园"_s << u"公园"_s;
        QTest::newRow("ja te-iru") << u"本を読んでいます。"_s << u"読"_s << u"読んでいます"_s;
        QTest::newRow("ja te-shimau") << u"全部食べてしまいました。"_s << u"食"_s << u"食べてしまいました"_s;
        QTest::newRow("ja particle de not merged") << u"学校で勉強する。"_s << u"校"_s << u"学校"_s;
        QTest::newRow("punctuation is nothing") << u"Hi, you"_s << u","_s << QString();
        QTest::newRow("space is nothing") << u"Hi, you"_s << u" "_s << QString();
        QTest::newRow("past the end is nothing") << u"Hi"_s << QString() << QString();
    }
    void wordAt()
    {
        QFETCH(QString, text);
        QFETCH(QString, pointed);
        QFETCH(QString, expected);
        const auto word = WordEnumerator::wordAt(text, pointed.isEmpty() ? text.size() + 5 : text.lastIndexOf(pointed));
        QCOMPARE(word.has_value(), !expected.isEmpty());
        QCOMPARE(word.value_or(TextWord {}).text, expected);
    }

    void offsets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("codePoint");
        QTest::addColumn<int>("grapheme");
        QTest::newRow("plain") << u"one word"_s << 4 << 4;
        QTest::newRow("emoji before") << u"\U0001F600 word"_s << 2 << 2;
        QTest::newRow("combining before") << u"e\u0301 word"_s << 3 << 2;
        QTest::newRow("both before") << u"\U0001F600e\u0301 word"_s << 4 << 3;
    }
    void offsets()
    {
        QFETCH(QString, text);
        QFETCH(int, codePoint);
        QFETCH(int, grapheme);
        const qsizetype utf16 = text.indexOf(u"word"_s);
        QCOMPARE(TextOffsets::codePointFromUtf16(text, utf16), qsizetype(codePoint));
        QCOMPARE(TextOffsets::utf16FromCodePoint(text, codePoint), utf16);
        QCOMPARE(TextOffsets::graphemeFromUtf16(text, utf16), qsizetype(grapheme));
        QCOMPARE(TextOffsets::utf16FromGrapheme(text, grapheme), utf16);
    }

    void offsetEdges()
    {
        const QString text = u"a\U0001F600b"_s;
        QCOMPARE(TextOffsets::codePointCount(text), qsizetype(3));
        QCOMPARE(TextOffsets::graphemeCount(text), qsizetype(3));
        // The low surrogate belongs to the emoji's code point.
        QCOMPARE(TextOffsets::codePointFromUtf16(text, 2), qsizetype(1));
        QCOMPARE(TextOffsets::utf16FromCodePoint(text, 99), text.size());
        QCOMPARE(TextOffsets::utf16FromCodePoint(text, -1), qsizetype(0));
        QCOMPARE(TextOffsets::graphemeCount(QString()), qsizetype(0));
    }

    void wordSpan_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("start");
        // clang-format off
        QTest::newRow("inside word") << u"hello brave world"_s << 8 << u"brave"_s << 6;
        QTest::newRow("space picks left at equal distance") << u"ab cd"_s << 2 << u"ab"_s << 0;
        QTest::newRow("space nearer right") << u"ab  cd"_s << 3 << u"cd"_s << 4;
        QTest::newRow("hyphenated") << u"a well-known fact"_s << 3 << u"well-known"_s << 2;
        QTest::newRow("elision") << u"pour l'amour"_s << 9 << u"l'amour"_s << 5;
        QTest::newRow("combining mark counts as one character") << u"le the\u0301 noir"_s << 4 << u"the\u0301"_s << 3;
        QTest::newRow("emoji before word") << u"\U0001F600 word"_s << 3 << u"word"_s << 2;
        QTest::newRow("index clamped") << u"end"_s << 10 << u"end"_s << 0;
        QTest::newRow("ja polite past from first character") << u"私はご飯を食べました。"_s << 5 << u"食べました"_s << 5;
        QTest::newRow("zh han run across punctuation") << u"我们、公园"_s << 0 << u"我们、公园"_s << 0;
        QTest::newRow("ko") << u"저는 학생입니다"_s << 4 << u"학생입니다"_s << 3;
        QTest::newRow("no letters keeps the index") << u"..."_s << 1 << u"."_s << 1;
        QTest::newRow("empty text") << QString() << 0 << QString() << 0;
        // clang-format on
    }
    void wordSpan()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(QString, word);
        QFETCH(int, start);
        const WordSpan span = WordSpan::expand(text, index);
        QCOMPARE(span.word, word);
        QCOMPARE(span.start, qsizetype(start));
        QCOMPARE(span.length, qsizetype(TextOffsets::graphemeCount(word)));
    }
};

QTEST_GUILESS_MAIN(TestTextUtilities)
#include "TestTextUtilities.moc"
