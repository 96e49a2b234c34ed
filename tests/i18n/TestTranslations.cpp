#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString translation;
    QString type;
};

// (context, source) → translation, as a .ts file holds them.
QHash<QPair<QString, QString>, Message> readTs(const QString& path)
{
    QHash<QPair<QString, QString>, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = xml.readElementText();
            messages.insert({ context, source }, current);
        }
    }
    return messages;
}

QString sourceDir()
{
    return qEnvironmentVariable("QM_SOURCE_DIR");
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySourceTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : { "en", "es", "zh", "ja", "fr" })
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everySourceTextIsTranslated()
    {
        QFETCH(QString, language);
        QVERIFY2(!sourceDir().isEmpty(), "QM_SOURCE_DIR is not set");
        QTemporaryDir temp;
        const QString extracted = temp.filePath(QStringLiteral("extracted.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(QM_LUPDATE),
            { QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                sourceDir() + QStringLiteral("/src"), QStringLiteral("-ts"), extracted });
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        const auto sources = readTs(extracted);
        QVERIFY2(sources.size() >= 10, "lupdate found too few texts: is the source tree right?");

        const auto translated = readTs(sourceDir() + QStringLiteral("/i18n/quillmoor_%1.ts").arg(language));
        QStringList missing;
        for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
            const auto found = translated.constFind(it.key());
            if (found == translated.cend() || found->translation.trimmed().isEmpty()
                || found->type == QLatin1String("unfinished") || found->type == QLatin1String("vanished"))
                missing << it.key().first + QStringLiteral("::") + it.key().second;
        }
        QVERIFY2(missing.isEmpty(),
            qPrintable(QStringLiteral("untranslated in %1: %2").arg(language, missing.join(QStringLiteral(" | ")))));
    }

    void compiledTranslationsAreBuiltIn_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("quit");
        // clang-format off
        QTest::newRow("en") << "en" << "Quit";
        QTest::newRow("es") << "es" << "Salir";
        QTest::newRow("zh") << "zh" << "退出";
        QTest::newRow("ja") << "ja" << "終了";
        QTest::newRow("fr") << "fr" << "Quitter";
        // clang-format on
    }

    void compiledTranslationsAreBuiltIn()
    {
        QFETCH(QString, language);
        QFETCH(QString, quit);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/quillmoor_") + language));
        QCOMPARE(translator.translate("TrayIconController", "Quit"), quit);
        QVERIFY(!translator.translate("TrayIconController", "Повторение…").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
