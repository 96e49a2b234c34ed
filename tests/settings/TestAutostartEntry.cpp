#include "settings/AutostartEntry.h"
#include "support/TempXdgHome.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestAutostartEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enableAndDisable()
    {
        TempXdgHome home;
        QCOMPARE(AutostartEntry::filePath(), home.configHome() + "/autostart/org.quillmoor.Quillmoor.desktop");
        QVERIFY(!AutostartEntry::isEnabled());
        QVERIFY(AutostartEntry::setEnabled(true, QStringLiteral("/opt/quill moor/bin/quillmoor")));
        QVERIFY(AutostartEntry::isEnabled());
        QFile file(AutostartEntry::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("Exec=\"/opt/quill moor/bin/quillmoor\"\n"));
        QVERIFY(AutostartEntry::setEnabled(false, QString()));
        QVERIFY(!AutostartEntry::isEnabled());
        QVERIFY(AutostartEntry::setEnabled(false, QString()));
    }

    void execIsQuoted_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("plain") << "/usr/bin/quillmoor" << QByteArray("Exec=\"/usr/bin/quillmoor\"");
        QTest::newRow("quote") << "/a\"b" << QByteArray("Exec=\"/a\\\\\"b\"");
        QTest::newRow("dollar") << "/a$HOME" << QByteArray("Exec=\"/a\\\\$HOME\"");
        QTest::newRow("backslash") << "/a\\b" << QByteArray("Exec=\"/a\\\\\\\\b\"");
        QTest::newRow("percent") << "/100%/q" << QByteArray("Exec=\"/100%%/q\"");
        QTest::newRow("backtick") << "/a`x`" << QByteArray("Exec=\"/a\\\\`x\\\\`\"");
    }

    void execIsQuoted()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, exec);
        QVERIFY2(AutostartEntry::contents(path).contains(exec + '\n'), AutostartEntry::contents(path).constData());
        // The desktop's own reader accepts the escaping.
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            return;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("org.quillmoor.Quillmoor.desktop")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(AutostartEntry::contents(path));
        file.close();
        QProcess validate;
        validate.start(validator, { file.fileName() });
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
    }
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "TestAutostartEntry.moc"
