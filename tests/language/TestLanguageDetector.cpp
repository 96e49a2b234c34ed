#include "language/LanguageDetector.h"
#include "platform/LanguageRecognizer.h"

#include <QTest>

using Guesses = QList<LanguageHypothesis>;
Q_DECLARE_METATYPE(Guesses)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
class FakeRecognizer final : public LanguageRecognizer
{
public:
    Guesses guesses;
    mutable QString lastText;
    mutable QStringList lastAllowed;
    mutable int lastMaximum = 0;

    QList<LanguageHypothesis> hypotheses(const QString& text, const QStringList& allowed, int maximum) const override
    {
        lastText = text;
        lastAllowed = allowed;
        lastMaximum = maximum;
        return guesses;
    }
};

std::optional<QString> code(const char* c)
{
    return c ? std::optional(QString::fromLatin1(c)) : std::nullopt;
}
} // namespace

class TestLanguageDetector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decisions_data()
    {
        QTest::addColumn<Guesses>("guesses");
        QTest::addColumn<std::optional<QString>>("study");
        QTest::addColumn<std::optional<QString>>("target");
        QTest::addColumn<std::optional<QString>>("language");
        QTest::addColumn<bool>("notice");
        // clang-format off
        QTest::newRow("no guess, study set") << Guesses {} << code("es") << code("ru") << code("es") << false;
        QTest::newRow("no guess, nothing set") << Guesses {} << code(nullptr) << code("ru") << code(nullptr) << false;
        QTest::newRow("confident target language") << Guesses { { "ru", 0.9 } } << code("es") << code("ru") << code("ru") << false;
        QTest::newRow("confident other than study") << Guesses { { "fr", 0.8 } } << code("es") << code("ru") << code("fr") << false;
        QTest::newRow("confident, no study") << Guesses { { "fr", 0.8 } } << code(nullptr) << code("ru") << code("fr") << false;
        QTest::newRow("confident study language") << Guesses { { "es", 0.95 } } << code("es") << code("ru") << code("es") << false;
        QTest::newRow("exactly 0.55 is not confident") << Guesses { { "fr", 0.55 } } << code("es") << code("ru") << code("es") << false;
        QTest::newRow("weak guess keeps study") << Guesses { { "it", 0.3 } } << code("es") << code("ru") << code("es") << false;
        QTest::newRow("very weak guess warns") << Guesses { { "it", 0.1 } } << code("es") << code("ru") << code("es") << true;
        QTest::newRow("very weak, no study uses guess") << Guesses { { "it", 0.1 } } << code(nullptr) << code("ru") << code("it") << true;
        QTest::newRow("best of two") << Guesses { { "pt", 0.3 }, { "es", 0.6 } } << code("fr") << code("ru") << code("es") << false;
        QTest::newRow("tie: first wins") << Guesses { { "pt", 0.6 }, { "es", 0.6 } } << code("fr") << code("ru") << code("pt") << false;
        QTest::newRow("regional study code") << Guesses { { "pt", 0.9 } } << code("pt-BR") << code("ru") << code("pt-BR") << false;
        // clang-format on
    }

    void decisions()
    {
        QFETCH(Guesses, guesses);
        QFETCH(std::optional<QString>, study);
        QFETCH(std::optional<QString>, target);
        QFETCH(std::optional<QString>, language);
        QFETCH(bool, notice);
        FakeRecognizer recognizer;
        recognizer.guesses = guesses;
        const LanguageDetection result = LanguageDetector(recognizer)
                                             .detect(QStringLiteral("casa"), QStringLiteral("La casa es grande."),
                                                 study, target, QStringLiteral("ru"));
        QCOMPARE(result.language, language);
        QCOMPARE(result.notice.has_value(), notice);
        QCOMPARE(recognizer.lastText, QStringLiteral("La casa es grande."));
        QCOMPARE(recognizer.lastMaximum, 2);
        QCOMPARE(recognizer.lastAllowed.size(), 12);
    }

    void emptyTextAsksNothing()
    {
        FakeRecognizer recognizer;
        recognizer.guesses = { { "fr", 0.99 } };
        const LanguageDetection result
            = LanguageDetector(recognizer).detect(QString(), QString(), code("de"), code("ru"), QStringLiteral("ru"));
        QCOMPARE(result, (LanguageDetection { code("de"), std::nullopt }));
        QVERIFY(recognizer.lastText.isNull());
    }

    void wordWhenNoSentence()
    {
        FakeRecognizer recognizer;
        LanguageDetector(recognizer)
            .detect(QStringLiteral("Haus"), QString(), code("de"), code("ru"), QStringLiteral("ru"));
        QCOMPARE(recognizer.lastText, QStringLiteral("Haus"));
    }

    void noticeText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("russian interface") << "it" << "ru" << "По всей видимости, это итальянский язык";
        QTest::newRow("unknown code") << "xx" << "ru" << "По всей видимости, это xx язык";
        // clang-format on
    }

    void noticeText()
    {
        QFETCH(QString, language);
        QFETCH(QString, interface);
        QFETCH(QString, text);
        QCOMPARE(LanguageDetector::noticeText(language, interface), text);
    }
};

QTEST_GUILESS_MAIN(TestLanguageDetector)
#include "TestLanguageDetector.moc"
