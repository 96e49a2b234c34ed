#pragma once

#include "hotkeys/HotkeyAction.h"
#include "hotkeys/HotkeyCombo.h"
#include "settings/ServiceStatusChecker.h"

#include <QCoroTask>
#include <QHash>
#include <QWidget>

#include <optional>

class AnkiGuideDisclosureRow;
class GlobalKeyMonitor;
class HotkeyManager;
class HotkeyRecorderView;
class LanguagePackInstaller;
class Preferences;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QVBoxLayout;
class SettingsRow;
class SettingsSection;

// The settings window's content: one scrolling column of sections. Every control writes its
// preference the moment it changes; nothing is kept here but what the window shows.
class LanguageSettingsView : public QWidget
{
    Q_OBJECT
public:
    struct Options
    {
        // Installs the language packages; the download button does nothing without it.
        LanguagePackInstaller* packs = nullptr;
        // Runs after packages were installed, so that the new pairs are used at once.
        std::function<void()> afterPacksInstalled;
        ServiceStatusChecker::Options statusChecks;
        // The desktop's raw key stream, which the hotkey recorders also read modifiers from; asked
        // for when a recorder starts (the triggers' monitor is installed after the first windows).
        std::function<GlobalKeyMonitor*()> keyMonitor;
        // A value typed into a service address is checked once typing pauses this long.
        int recheckDelayMs = 600;
    };

    LanguageSettingsView(Preferences& preferences, HotkeyManager& hotkeys, Options options, QWidget* parent = nullptr);
    ~LanguageSettingsView() override;

    // The conflict check each hotkey recorder calls: refuses an empty combination and one another
    // action holds, with the message shown under the hotkey rows; stores an accepted one.
    bool confirmHotkey(const HotkeyCombo& combo, HotkeyAction action);
    std::optional<QString> hotkeyConflictMessage() const { return m_conflictMessage; }
    bool isDownloadingPacks() const { return m_isDownloadingPacks; }
    ServiceStatusChecker& statusChecker() { return *m_statuses; }

    // The download button's action: installs what the study and target languages miss.
    QCoro::Task<> downloadPacks();

    static QString hourLabel(int hour);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    SettingsSection* addSection(std::function<QString()> title, const char* symbol, const char* color);
    SettingsRow* row(std::function<QString()> title, std::function<QString()> subtitle, QWidget* control);
    QWidget* buildInterfaceSection();
    QWidget* buildTranslationSection();
    QWidget* buildCardSection();
    QWidget* buildAnkiSection();
    QWidget* buildHotkeySection();
    QWidget* buildNotificationSection();
    QWidget* buildServicesSection();
    QWidget* segmented(const QList<QPair<QString, QString>>& items, QButtonGroup* group);
    void addServiceField(SettingsSection* section, const QString& key, const char* objectName,
        std::function<QString()> title, std::optional<ServiceStatusChecker::Service> service,
        const QString& placeholder, bool secret = false);
    void rebuildHotkeyRows();
    void showConflictMessage();
    void refreshValues();
    void refreshDownloadButton();
    void refreshStatus(ServiceStatusChecker::Service service);
    void retranslate();

    Preferences& m_preferences;
    HotkeyManager& m_hotkeys;
    Options m_options;
    std::unique_ptr<ServiceStatusChecker> m_statuses;
    std::optional<QString> m_conflictMessage;
    bool m_isDownloadingPacks = false;
    int m_packPercent = -1;

    QVBoxLayout* m_column = nullptr;
    QComboBox* m_interfacePicker = nullptr;
    QCheckBox* m_startAtLoginSwitch = nullptr;
    QComboBox* m_targetPicker = nullptr;
    QButtonGroup* m_modeGroup = nullptr;
    SettingsRow* m_modeRow = nullptr;
    QPushButton* m_downloadButton = nullptr;
    QLabel* m_packNote = nullptr;
    QString m_packNoteText;
    QButtonGroup* m_sizeGroup = nullptr;
    QLineEdit* m_deckField = nullptr;
    AnkiGuideDisclosureRow* m_guideToggle = nullptr;
    QWidget* m_guideItem = nullptr;
    SettingsSection* m_hotkeySection = nullptr;
    QList<QWidget*> m_hotkeyItems;
    QWidget* m_conflictItem = nullptr;
    QLabel* m_conflictLabel = nullptr;
    QCheckBox* m_reminderSwitch = nullptr;
    QWidget* m_hourItem = nullptr;
    QComboBox* m_hourPicker = nullptr;
    QLineEdit* m_modelNameField = nullptr;
    QHash<ServiceStatusChecker::Service, QLabel*> m_statusLabels;
    QHash<ServiceStatusChecker::Service, QTimer*> m_recheckTimers;
};
