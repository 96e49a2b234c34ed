#include "app/InterfaceTranslator.h"
#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyRecorderView.h"
#include "language/LanguageModelClient.h"
#include "preferences/Preferences.h"
#include "settings/LanguagePackInstaller.h"
#include "settings/LanguageSettingsView.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoroSignal>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// An installer the test finishes by hand.
class ManualInstaller : public LanguagePackInstaller
{
    Q_OBJECT
public:
    QList<QStringList> requests;
    Result answer;

    QCoro::Task<Result> install(QStringList packages) override
    {
        requests << packages;
        co_await qCoro(this, &ManualInstaller::released);
        co_return answer;
    }

    void finish(Result result)
    {
        answer = std::move(result);
        Q_EMIT released();
    }

Q_SIGNALS:
    void released();
};

} // namespace

class TestLanguageSettingsView : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<HotkeyManager> m_hotkeys;
    std::unique_ptr<InterfaceTranslator> m_translator;
    std::unique_ptr<ManualInstaller> m_packs;
    std::unique_ptr<LanguageSettingsView> m_view;
    int m_afterInstall = 0;

    LanguageSettingsView& view()
    {
        if (!m_view) {
            LanguageSettingsView::Options options;
            options.packs = m_packs.get();
            options.afterPacksInstalled = [this] { ++m_afterInstall; };
            options.recheckDelayMs = 10;
            m_view = std::make_unique<LanguageSettingsView>(*m_preferences, *m_hotkeys, options);
            m_view->resize(408, 640);
            m_view->show();
        }
        return *m_view;
    }

    template <typename T> T* find(const char* name)
    {
        T* found = view().findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning() << "no" << name;
        return found;
    }

    // What the store holds on disk, so that "stored at once" means written, not only remembered.
    QJsonValue stored(const QString& key) const { return m_home->defaultsFileObject().value(key); }

    static void choose(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    static QString rowTitleOf(QWidget* control)
    {
        for (QWidget* up = control; up; up = up->parentWidget()) {
            if (auto* title = up->findChild<QLabel*>(QStringLiteral("rowTitle"), Qt::FindDirectChildrenOnly))
                return title->text();
        }
        return {};
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_preferences = std::make_unique<Preferences>(m_home->defaultsFile());
        m_hotkeys = std::make_unique<HotkeyManager>(m_preferences->store());
        HotkeyActions::registerDefaults(*m_hotkeys);
        m_translator = std::make_unique<InterfaceTranslator>(m_preferences->interfaceLanguage());
        m_packs = std::make_unique<ManualInstaller>();
        m_afterInstall = 0;
    }

    void cleanup()
    {
        m_view.reset();
        m_packs.reset();
        m_translator.reset();
        m_hotkeys.reset();
        m_preferences.reset();
        m_home.reset();
    }

    void emptyStoreShowsTheDefaults()
    {
        QCOMPARE(find<QComboBox>("interfaceLanguagePicker")->currentText(), QStringLiteral("Русский"));
        QCOMPARE(find<QComboBox>("targetLanguagePicker")->currentData().toString(), QStringLiteral("ru"));
        QVERIFY(find<QPushButton>("modeBilingual")->isChecked());
        QCOMPARE(rowTitleOf(find<QPushButton>("modeBilingual")), QStringLiteral("Режим"));
        QVERIFY(view().findChildren<QLabel*>(QStringLiteral("rowSubtitle")).size() > 0);
        QStringList subtitles;
        for (QLabel* subtitle : view().findChildren<QLabel*>(QStringLiteral("rowSubtitle")))
            subtitles << subtitle->text();
        QVERIFY(subtitles.contains(QStringLiteral("Перевод на другой язык")));
        QVERIFY(find<QPushButton>("cardSizeMedium")->isChecked());
        QLineEdit* deck = find<QLineEdit>("deckNameField");
        QVERIFY(deck->text().isEmpty());
        QCOMPARE(deck->placeholderText(), QStringLiteral("Quillmoor"));
        QVERIFY(find<QCheckBox>("reminderSwitch")->isChecked());
        QCOMPARE(find<QComboBox>("reminderHourPicker")->currentText(), QStringLiteral("19:00"));
        QVERIFY(find<QComboBox>("reminderHourPicker")->isVisible());
        QCOMPARE(find<QPushButton>("downloadPacksButton")->text(), QStringLiteral("Скачать…"));
        QVERIFY(!find<QLabel>("hotkeyConflictMessage")->isVisible());
        QVERIFY(!view().findChild<QWidget*>(QStringLiteral("ankiSetupGuide"))->isVisible());
        QStringList recorders;
        for (HotkeyRecorderView* recorder : view().findChildren<HotkeyRecorderView*>())
            recorders << recorder->objectName() + "=" + recorder->shownText();
        QCOMPARE(recorders,
            (QStringList { "hotkeyRecorder_word=Alt", "hotkeyRecorder_selection=Ctrl+Alt",
                "hotkeyRecorder_quickLookup=Shift+Super", "hotkeyRecorder_grammarAnalysis=Ctrl+Alt+Shift" }));
        // Nothing was written by showing the window.
        QVERIFY(!m_preferences->store().contains(QStringLiteral("anki.deckName")));
    }

    // Each control writes its key to disk the moment it changes.
    void controlsStoreAtOnce_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        // clang-format off
        QTest::newRow("target language") << "targetLanguagePicker" << "Deutsch" << "translation.targetLanguageCode" << QJsonValue("de");
        QTest::newRow("meaning mode") << "modeMonolingual" << "click" << "translation.mode" << QJsonValue("monolingual");
        QTest::newRow("card size L") << "cardSizeSpacious" << "click" << "appearance.cardSize" << QJsonValue("spacious");
        QTest::newRow("reminder hour") << "reminderHourPicker" << "07:00" << "notifications.reviewReminder.hour" << QJsonValue(7);
        QTest::newRow("reminders off") << "reminderSwitch" << "click" << "notifications.reviewReminder.enabled" << QJsonValue(false);
        QTest::newRow("interface language") << "interfaceLanguagePicker" << "Español" << "interface.languageCode" << QJsonValue("es");
        QTest::newRow("deck name typed") << "deckNameField" << "Vocab ES" << "anki.deckName" << QJsonValue("Vocab ES");
        QTest::newRow("deck name cleared") << "deckNameField" << "" << "anki.deckName" << QJsonValue("");
        QTest::newRow("model address") << "modelUrlField" << "http://127.0.0.1:8080/v1" << "languageModel.baseURL" << QJsonValue("http://127.0.0.1:8080/v1");
        QTest::newRow("image server") << "imageServerField" << "http://127.0.0.1:7860/v1" << "image.generation.url" << QJsonValue("http://127.0.0.1:7860/v1");
        QTest::newRow("AnkiConnect address") << "ankiUrlField" << "http://127.0.0.1:8766" << "anki.url" << QJsonValue("http://127.0.0.1:8766");
        // clang-format on
    }

    void controlsStoreAtOnce()
    {
        QFETCH(QString, control);
        QFETCH(QString, action);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QWidget* widget = view().findChild<QWidget*>(control);
        QVERIFY(widget);
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            choose(box, action);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            field->setFocus();
            if (action.isEmpty()) {
                QTest::keyClicks(field, QStringLiteral("X"));
                QTest::keyClick(field, Qt::Key_Backspace);
            } else {
                field->end(false);
                QTest::keyClicks(field, action);
            }
        }
        QCOMPARE(stored(key), value);
    }

    // A settings file that cannot be written is logged; the name goes on being typed and used.
    void deckWriteFailureDoesNotStopTyping()
    {
        QLineEdit* deck = find<QLineEdit>("deckNameField");
        // The file's place is taken by a folder: no write can replace it.
        QFile::remove(m_home->defaultsFile());
        QVERIFY(QDir().mkpath(m_home->defaultsFile()));
        CapturedLog log;
        deck->setFocus();
        QTest::keyClicks(deck, QStringLiteral("Kanji"));
        QCOMPARE(deck->text(), QStringLiteral("Kanji"));
        QCOMPARE(m_preferences->anki().deckName(), QStringLiteral("Kanji"));
        QVERIFY(!m_preferences->store().lastWriteSucceeded());
        QVERIFY(log.contains(QStringLiteral("Could not write settings file")));
        QDir(m_home->defaultsFile()).removeRecursively();
    }

    void modeSubtitleFollowsTheMode()
    {
        QPushButton* meaning = find<QPushButton>("modeMonolingual");
        QTest::mouseClick(meaning, Qt::LeftButton);
        QStringList subtitles;
        for (QLabel* subtitle : view().findChildren<QLabel*>(QStringLiteral("rowSubtitle")))
            subtitles << subtitle->text();
        QVERIFY(subtitles.contains(QStringLiteral("Meaning на языке оригинала")));
        QVERIFY(!subtitles.contains(QStringLiteral("Перевод на другой язык")));
    }

    void reminderSwitchHidesTheHourRow()
    {
        m_preferences->notifications().setReminderHour(7);
        QCheckBox* reminders = find<QCheckBox>("reminderSwitch");
        QComboBox* hour = find<QComboBox>("reminderHourPicker");
        QTest::mouseClick(reminders, Qt::LeftButton);
        QVERIFY(!m_preferences->notifications().isEnabled());
        QVERIFY(!hour->isVisible());
        QTest::mouseClick(reminders, Qt::LeftButton);
        QVERIFY(m_preferences->notifications().isEnabled());
        QVERIFY(hour->isVisible());
        QCOMPARE(hour->currentText(), QStringLiteral("07:00"));
    }

    // The switch writes and removes the XDG autostart entry for this program, and a reopened window
    // shows what is on disk.
    void startAtLoginWritesTheAutostartEntry()
    {
        const QString entry = m_home->configHome() + QStringLiteral("/autostart/org.quillmoor.Quillmoor.desktop");
        QCheckBox* login = find<QCheckBox>("startAtLoginSwitch");
        QVERIFY(!login->isChecked());
        QTest::mouseClick(login, Qt::LeftButton);
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QCoreApplication::applicationFilePath().toUtf8()));
        m_view.reset();
        QVERIFY(find<QCheckBox>("startAtLoginSwitch")->isChecked());
        QTest::mouseClick(find<QCheckBox>("startAtLoginSwitch"), Qt::LeftButton);
        QVERIFY(!QFile::exists(entry));
    }

    void ankiGuideOpensAndCloses()
    {
        auto* toggle = find<QAbstractButton>("ankiGuideToggle");
        QWidget* guide = view().findChild<QWidget*>(QStringLiteral("ankiSetupGuide"));
        QCOMPARE(toggle->text(), QStringLiteral("Как подключить Anki к Quillmoor"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(guide->isVisible());
        QStringList titles;
        for (QLabel* title : guide->findChildren<QLabel*>(QStringLiteral("ankiStepTitle")))
            titles << title->text();
        QCOMPARE(titles,
            (QStringList { "Установите Anki", "Добавьте аддон AnkiConnect", "Перезапустите Anki",
                "Держите Anki открытым", "Готово" }));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!guide->isVisible());
    }

    void hotkeyConflictIsShownUntilAnAcceptedCombination()
    {
        HotkeyCombo alt;
        alt.modifiers = HotkeyCombo::Alt;
        QVERIFY(!view().confirmHotkey(alt, HotkeyAction::Selection));
        QLabel* message = find<QLabel>("hotkeyConflictMessage");
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), QStringLiteral("Эта комбинация уже занята другим действием"));
        QCOMPARE(m_hotkeys->combo(HotkeyAction::Selection).modifiers, quint32(HotkeyCombo::Control | HotkeyCombo::Alt));
        QVERIFY(!view().confirmHotkey(HotkeyCombo {}, HotkeyAction::Selection));
        QVERIFY(message->isVisible());

        HotkeyCombo superAlt;
        superAlt.modifiers = HotkeyCombo::Super | HotkeyCombo::Alt;
        QVERIFY(view().confirmHotkey(superAlt, HotkeyAction::Selection));
        QVERIFY(!message->isVisible());
        QCOMPARE(m_hotkeys->combo(HotkeyAction::Selection), superAlt);
        QCOMPARE(find<HotkeyRecorderView>("hotkeyRecorder_selection")->shownText(), QStringLiteral("Alt+Super"));
        QVERIFY(m_hotkeys->storedCombo(HotkeyAction::Selection).has_value());
    }

    // The recorder asks the window: a clash keeps it recording and shows the window's message.
    void recorderUsesTheWindowsCheck()
    {
        auto* recorder = find<HotkeyRecorderView>("hotkeyRecorder_selection");
        recorder->startRecording();
        QTest::keyPress(recorder, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyPress(recorder, Qt::Key_Return, Qt::AltModifier);
        QVERIFY(recorder->isRecording());
        QVERIFY(find<QLabel>("hotkeyConflictMessage")->isVisible());
        QTest::keyPress(recorder, Qt::Key_Escape);
        QVERIFY(!recorder->isRecording());
        QCOMPARE(m_hotkeys->recordingCount(), 0);
    }

    void downloadButtonWhileInstalling_data()
    {
        QTest::addColumn<LanguagePackInstaller::Outcome>("outcome");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("cacheCleared");
        QTest::addColumn<QString>("logged");
        using O = LanguagePackInstaller::Outcome;
        // clang-format off
        QTest::newRow("installed") << O::Installed << "Установлено: apertium-eng-spa" << true << "";
        QTest::newRow("nothing missing") << O::NothingMissing << "Всё нужное уже установлено" << false << "";
        QTest::newRow("no PackageKit") << O::ManualInstall << "Установите пакеты в терминале:\nsudo apt install apertium-eng-spa" << false << "";
        QTest::newRow("failed") << O::Failed << "" << false << "prepareTranslation failed: E: Unable to fetch";
        QTest::newRow("cancelled") << O::Cancelled << "" << false << "prepareTranslation failed: cancelled";
        // clang-format on
    }

    void downloadButtonWhileInstalling()
    {
        QFETCH(LanguagePackInstaller::Outcome, outcome);
        QFETCH(QString, note);
        QFETCH(bool, cacheCleared);
        QFETCH(QString, logged);
        CapturedLog log;
        m_preferences->translation().setTargetLanguageCode(QStringLiteral("es"));
        m_preferences->translation().setStudyLanguageCode(QStringLiteral("en"));
        QPushButton* button = find<QPushButton>("downloadPacksButton");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->text(), QStringLiteral("Открываем…"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_packs->requests.size(), 1);
        // Both ways between English and Spanish, and the screen text of English.
        QVERIFY(m_packs->requests.first().contains(QStringLiteral("dict-freedict-eng-spa")));
        QVERIFY(m_packs->requests.first().contains(QStringLiteral("dict-freedict-spa-eng")));
        QVERIFY(m_packs->requests.first().contains(QStringLiteral("apertium-eng-spa")));
        QVERIFY(m_packs->requests.first().contains(QStringLiteral("tesseract-ocr-eng")));
        Q_EMIT m_packs->progressChanged(42);
        QCOMPARE(button->text(), QStringLiteral("Установка… 42 %"));

        m_packs->finish({ outcome, { QStringLiteral("apertium-eng-spa") }, QStringLiteral("E: Unable to fetch") });
        QTRY_VERIFY(button->isEnabled());
        QCOMPARE(button->text(), QStringLiteral("Скачать…"));
        QLabel* packNote = find<QLabel>("packNote");
        QCOMPARE(packNote->isVisible() ? packNote->text() : QString(), note);
        QCOMPARE(m_afterInstall, cacheCleared ? 1 : 0);
        QCOMPARE(log.contains(QStringLiteral("prepareTranslation failed")), !logged.isEmpty());
        if (!logged.isEmpty())
            QVERIFY(log.contains(logged));
    }

    void downloadWithoutTargetDoesNothing()
    {
        QPushButton* button = find<QPushButton>("downloadPacksButton");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isEnabled());
        QVERIFY(m_packs->requests.isEmpty());
    }

    // Opening the window checks the services; a changed address is checked again.
    void serviceRowsShowLiveStatus()
    {
        FakeModelServer model;
        m_preferences->store().setValue(
            LanguageModelClient::kBaseUrlKey, model.server.url(QStringLiteral("/v1")).toString());
        QLabel* status = find<QLabel>("modelUrlFieldStatus");
        QTRY_COMPARE(status->text(), QStringLiteral("● Отвечает · модели: qwen2.5-3b-instruct, llama3.2"));
        QLineEdit* name = find<QLineEdit>("modelNameField");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("mistral"));
        QTRY_COMPARE(status->text(), QStringLiteral("● Такой модели нет · есть: qwen2.5-3b-instruct, llama3.2"));
        QLineEdit* address = find<QLineEdit>("modelUrlField");
        address->selectAll();
        address->setFocus();
        QTest::keyClicks(address, QStringLiteral("http://127.0.0.1:1/v1"));
        QTRY_COMPARE(status->text(), QStringLiteral("● Нет ответа"));
        QCOMPARE(find<QLabel>("translationServerFieldStatus")->text(), QStringLiteral("● Выключено"));
    }

    void interfaceLanguageSwitchesLive()
    {
        choose(find<QComboBox>("interfaceLanguagePicker"), QStringLiteral("English"));
        QCOMPARE(m_translator->loadedLanguage(), QStringLiteral("en"));
        QTRY_COMPARE(find<QPushButton>("downloadPacksButton")->text(), QStringLiteral("Download…"));
        QStringList headers;
        for (QLabel* header : view().findChildren<QLabel*>(QStringLiteral("sectionTitle")))
            headers << header->text();
        QCOMPARE(headers.first(), QStringLiteral("APP LANGUAGE"));
        QCOMPARE(rowTitleOf(find<HotkeyRecorderView>("hotkeyRecorder_word")), QStringLiteral("Hover over a word"));
        QCOMPARE(find<QPushButton>("modeMonolingual")->text(), QStringLiteral("Meaning"));
        QCOMPARE(find<QLineEdit>("modelNameField")->placeholderText(), QStringLiteral("first in the list"));
        choose(find<QComboBox>("interfaceLanguagePicker"), QStringLiteral("日本語"));
        QTRY_COMPARE(rowTitleOf(find<QCheckBox>("reminderSwitch")),
            QCoreApplication::translate("LanguageSettingsView", "Напоминать о повторении"));
        QVERIFY(rowTitleOf(find<QCheckBox>("reminderSwitch")) != QStringLiteral("Напоминать о повторении"));
    }
};

QTEST_MAIN(TestLanguageSettingsView)
#include "TestLanguageSettingsView.moc"
