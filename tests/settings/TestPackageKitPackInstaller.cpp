#include "settings/PackageKitPackInstaller.h"
#include "support/FakePackageKit.h"
#include "support/PrivateBus.h"
#include "support/Waits.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Outcome = LanguagePackInstaller::Outcome;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(FakePackageKit::InstallOutcome)

// The installer against a PackageKit of the test's own on a bus of the test's own: resolve, then
// install what is missing, with progress, failure and cancellation.
class TestPackageKitPackInstaller : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<FakePackageKit> m_packageKit;
    QTemporaryDir m_dpkg;
    int m_connection = 0;

    std::unique_ptr<PackageKitPackInstaller> installer()
    {
        PackageKitPackInstaller::Options options;
        options.bus = m_bus->connect(QStringLiteral("client%1").arg(++m_connection));
        options.dpkgInfoDirectory = m_dpkg.path();
        return std::make_unique<PackageKitPackInstaller>(options);
    }

private Q_SLOTS:
    void init()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isRunning(), "dbus-daemon did not start");
        m_packageKit = std::make_unique<FakePackageKit>(m_bus->connect(QStringLiteral("packagekit")));
        QVERIFY(m_packageKit->isRegistered());
    }

    void cleanup()
    {
        m_packageKit.reset();
        m_bus.reset();
    }

    void installsWhatIsMissing_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<FakePackageKit::InstallOutcome>("outcome");
        QTest::addColumn<Outcome>("expected");
        QTest::addColumn<QStringList>("requested"); // package names sent to InstallPackages
        QTest::addColumn<QString>("error");
        const auto success = FakePackageKit::InstallOutcome::Success;
        const auto failure = FakePackageKit::InstallOutcome::Failure;
        const auto cancelled = FakePackageKit::InstallOutcome::Cancelled;
        const QStringList none;
        // clang-format off
        QTest::newRow("two of three missing") << QStringList { "dict-freedict-eng-spa" } << QStringList { "apertium-eng-spa", "tesseract-ocr-spa" } << success << Outcome::Installed << QStringList { "apertium-eng-spa", "tesseract-ocr-spa" } << "";
        QTest::newRow("all installed") << QStringList { "dict-freedict-eng-spa", "apertium-eng-spa", "tesseract-ocr-spa" } << none << success << Outcome::NothingMissing << none << "";
        QTest::newRow("download fails") << none << QStringList { "dict-freedict-eng-spa", "apertium-eng-spa", "tesseract-ocr-spa" } << failure << Outcome::Failed << QStringList { "dict-freedict-eng-spa", "apertium-eng-spa", "tesseract-ocr-spa" } << "E: Unable to fetch some archives";
        QTest::newRow("authorisation cancelled") << none << QStringList { "dict-freedict-eng-spa", "apertium-eng-spa", "tesseract-ocr-spa" } << cancelled << Outcome::Cancelled << QStringList { "dict-freedict-eng-spa", "apertium-eng-spa", "tesseract-ocr-spa" } << "The task was cancelled";
        QTest::newRow("not in the archives") << QStringList { "dict-freedict-eng-spa", "apertium-eng-spa" } << none << success << Outcome::Failed << none << "no such packages in the archives: tesseract-ocr-spa";
        // clang-format on
    }

    void installsWhatIsMissing()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, available);
        QFETCH(FakePackageKit::InstallOutcome, outcome);
        QFETCH(Outcome, expected);
        QFETCH(QStringList, requested);
        QFETCH(QString, error);
        m_packageKit->installed = QSet<QString>(installed.begin(), installed.end());
        m_packageKit->available = QSet<QString>(available.begin(), available.end());
        m_packageKit->outcome = outcome;
        const QStringList packages { "dict-freedict-eng-spa", "apertium-eng-spa", "tesseract-ocr-spa" };

        auto packs = installer();
        QSignalSpy progress(packs.get(), &LanguagePackInstaller::progressChanged);
        const auto result = Waits::waitFor(packs->install(packages));
        QVERIFY(result);
        QCOMPARE(result->outcome, expected);
        QCOMPARE(result->error, error);
        QCOMPARE(m_packageKit->resolved, QList<QStringList> { packages });
        QStringList sentNames;
        for (const QStringList& ids : std::as_const(m_packageKit->installRequests)) {
            for (const QString& id : ids)
                sentNames << id.section(QLatin1Char(';'), 0, 0);
        }
        QCOMPARE(sentNames, requested);
        if (expected == Outcome::Installed) {
            QCOMPARE(result->packages, requested);
            QCOMPARE(progress.size(), 3);
            QCOMPARE(progress.last().first().toInt(), 100);
        }
        // Every transaction asks to be interactive, so that the desktop can ask for the password.
        for (const QStringList& hints : std::as_const(m_packageKit->hints))
            QVERIFY(hints.contains(QStringLiteral("interactive=true")));
        QCOMPARE(m_packageKit->hints.size(), requested.isEmpty() ? 1 : 2);
    }

    // Without PackageKit the packages dpkg has no record of are named for the learner.
    void withoutPackageKitNamesTheMissing()
    {
        m_packageKit.reset();
        QFile record(m_dpkg.filePath(QStringLiteral("dict-freedict-eng-spa.list")));
        QVERIFY(record.open(QIODevice::WriteOnly));
        auto packs = installer();
        const auto result = Waits::waitFor(packs->install({ "dict-freedict-eng-spa", "apertium-eng-spa" }));
        QVERIFY(result);
        QCOMPARE(result->outcome, Outcome::ManualInstall);
        QCOMPARE(result->packages, QStringList { "apertium-eng-spa" });
        QCOMPARE(
            LanguagePackInstaller::aptCommand(result->packages), QStringLiteral("sudo apt install apertium-eng-spa"));
        const auto nothing = Waits::waitFor(packs->install({ "dict-freedict-eng-spa" }));
        QVERIFY(nothing);
        QCOMPARE(nothing->outcome, Outcome::NothingMissing);
    }

    // PackageKit leaving the bus in the middle of an installation ends it as failed.
    void packageKitLeavingEndsTheInstall()
    {
        m_packageKit->available = { QStringLiteral("apertium-eng-spa") };
        m_packageKit->outcome = FakePackageKit::InstallOutcome::Hang;
        auto packs = installer();
        QCoro::Task<LanguagePackInstaller::Result> running = packs->install({ "apertium-eng-spa" });
        QVERIFY(Waits::waitUntil([this] { return !m_packageKit->installRequests.isEmpty(); }));
        m_packageKit.reset();
        const auto result = Waits::waitFor(std::move(running));
        QVERIFY(result);
        QCOMPARE(result->outcome, Outcome::Failed);
        QCOMPARE(result->error, QStringLiteral("PackageKit left the bus"));
    }
};

QTEST_GUILESS_MAIN(TestPackageKitPackInstaller)
#include "TestPackageKitPackInstaller.moc"
