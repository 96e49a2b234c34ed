#include "platform/LanguageRecognizer.h"
#include "preferences/SupportedLanguages.h"

#include <QTest>

namespace {
QStringList allCodes()
{
    QStringList codes;
    for (const LanguageOption& option : SupportedLanguages::all())
        codes << option.id;
    return codes;
}
} // namespace

// The real CLD2 on real sentences.
class TestCld2LanguageRecognizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recognisesTheStudyLanguages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        // clang-format off
        QTest::newRow("english") << "The quick brown fox jumps over the lazy dog while the farmer watches from the porch." << "en";
        QTest::newRow("russian") << "Вчера вечером мы долго гуляли по набережной и разговаривали о путешествиях." << "ru";
        QTest::newRow("spanish") << "Mañana por la mañana vamos a visitar a mis abuelos que viven en el pueblo." << "es";
        QTest::newRow("french") << "Nous avons passé toute la journée à la plage avec nos amis et leurs enfants." << "fr";
        QTest::newRow("german") << "Gestern Abend haben wir lange im Garten gesessen und über das Wetter gesprochen." << "de";
        QTest::newRow("japanese") << "昨日は友達と一緒に新しいレストランで晩ご飯を食べました。とても美味しかったです。" << "ja";
        QTest::newRow("chinese") << "我们昨天晚上在公园里散步，然后去了一家新开的饭馆吃饭，味道非常好。" << "zh";
        QTest::newRow("korean") << "어제 저녁에 친구들과 함께 새로 생긴 식당에서 맛있는 음식을 먹었습니다." << "ko";
        QTest::newRow("arabic") << "ذهبنا أمس إلى السوق واشترينا الكثير من الفواكه والخضروات الطازجة لعائلتنا." << "ar";
        QTest::newRow("turkish") << "Dün akşam arkadaşlarımızla birlikte yeni açılan restoranda yemek yedik." << "tr";
        // clang-format on
    }

    void recognisesTheStudyLanguages()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        const auto recognizer = LanguageRecognizer::createDefault();
        const QList<LanguageHypothesis> guesses = recognizer->hypotheses(text, allCodes(), 2);
        QVERIFY(!guesses.isEmpty());
        QCOMPARE(guesses.first().code, code);
        QVERIFY(guesses.first().probability > 0.55);
        QVERIFY(guesses.first().probability <= 1.0);
    }

    void constraintsAndLimits()
    {
        const auto recognizer = LanguageRecognizer::createDefault();
        const QString english = QStringLiteral("The weather today is lovely and we are going for a long walk.");
        QVERIFY(recognizer->hypotheses(english, { QStringLiteral("ru"), QStringLiteral("es") }, 2).isEmpty());
        QVERIFY(recognizer->hypotheses(english, allCodes(), 0).isEmpty());
        QVERIFY(recognizer->hypotheses(QStringLiteral("   "), allCodes(), 2).isEmpty());
        QVERIFY(recognizer->hypotheses(english, allCodes(), 1).size() <= 1);
    }

    void shortTextsStayWeak()
    {
        // Two words give CLD2 little to go on: it reports them unreliable and the probability is
        // halved rather than rescaled to certainty.
        const auto recognizer = LanguageRecognizer::createDefault();
        for (const QString& text : { QStringLiteral("la casa"), QStringLiteral("ok") }) {
            for (const LanguageHypothesis& guess : recognizer->hypotheses(text, allCodes(), 2))
                QVERIFY2(guess.probability <= 0.5, qPrintable(text + QStringLiteral(" → ") + guess.code));
        }
    }
};

QTEST_GUILESS_MAIN(TestCld2LanguageRecognizer)
#include "TestCld2LanguageRecognizer.moc"
