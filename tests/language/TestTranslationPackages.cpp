#include "language/TranslationPackages.h"

#include <QTest>

// Which Debian packages the language-pack button asks for; checked against what Debian 12 ships.
class TestTranslationPackages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forLanguages_data()
    {
        QTest::addColumn<QString>("study");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("contains");
        QTest::addColumn<QStringList>("lacks");
        // clang-format off
        QTest::newRow("English → Spanish") << "en" << "es" << QStringList { "dict-freedict-eng-spa", "dict-freedict-spa-eng", "apertium-eng-spa", "tesseract-ocr-eng" } << QStringList { "tesseract-ocr-spa" };
        QTest::newRow("Chinese data name") << "zh" << "en" << QStringList { "tesseract-ocr-chi-sim" } << QStringList { "tesseract-ocr-chi_sim" };
        QTest::newRow("regional codes") << "pt-BR" << "es_ES" << QStringList { "apertium-es-pt", "dict-freedict-por-spa", "dict-freedict-spa-por" } << QStringList();
        QTest::newRow("no pair in Debian") << "ko" << "ar" << QStringList { "tesseract-ocr-kor" } << QStringList { "dict-freedict-kor-ara" };
        QTest::newRow("no study language: every pair with the target") << "" << "ru" << QStringList { "dict-freedict-eng-rus", "dict-freedict-deu-rus", "dict-freedict-jpn-rus" } << QStringList { "tesseract-ocr-rus" };
        QTest::newRow("same language") << "es" << "es" << QStringList { "tesseract-ocr-spa" } << QStringList { "apertium-es-pt" };
        // clang-format on
    }

    void forLanguages()
    {
        QFETCH(QString, study);
        QFETCH(QString, target);
        QFETCH(QStringList, contains);
        QFETCH(QStringList, lacks);
        const QStringList packages
            = TranslationPackages::forLanguages(study.isEmpty() ? std::nullopt : std::optional(study), target);
        for (const QString& package : contains)
            QVERIFY2(packages.contains(package), qPrintable(package + " missing from " + packages.join(' ')));
        for (const QString& package : lacks)
            QVERIFY2(!packages.contains(package), qPrintable(package));
        QCOMPARE(packages.size(), QSet<QString>(packages.begin(), packages.end()).size());
        // Every package named is one Debian has (the list the install scripts use, or OCR data).
        const QStringList known = TranslationPackages::all();
        for (const QString& package : packages)
            QVERIFY2(known.contains(package) || package.startsWith("tesseract-ocr-"), qPrintable(package));
    }
};

QTEST_GUILESS_MAIN(TestTranslationPackages)
#include "TestTranslationPackages.moc"
