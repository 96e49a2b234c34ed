#include "settings/LanguageSettingsView.h"

#include "anki/AnkiConnectService.h"
#include "diagnostics/QMLog.h"
#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyConflictCheck.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyRecorderView.h"
#include "language/GeneratedImageService.h"
#include "language/LanguageModelClient.h"
#include "language/LibreTranslateClient.h"
#include "language/TranslationPackages.h"
#include "preferences/InterfaceLanguage.h"
#include "preferences/Preferences.h"
#include "preferences/SupportedLanguages.h"
#include "settings/AnkiSetupGuide.h"
#include "settings/AutostartEntry.h"
#include "settings/LanguagePackInstaller.h"
#include "settings/SettingsIcon.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSection.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString interfaceLanguageName(InterfaceLanguage language)
{
    switch (language) {
    case InterfaceLanguage::Ru:
        return QStringLiteral("Русский");
    case InterfaceLanguage::En:
        return QStringLiteral("English");
    case InterfaceLanguage::Es:
        return QStringLiteral("Español");
    case InterfaceLanguage::Zh:
        return QStringLiteral("中文");
    case InterfaceLanguage::Ja:
        return QStringLiteral("日本語");
    case InterfaceLanguage::Fr:
        return QStringLiteral("Français");
    }
    return {};
}

QComboBox* picker(const char* objectName, int width)
{
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(objectName));
    box->setFixedWidth(width);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

void selectData(QComboBox* box, const QVariant& data)
{
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(box->findData(data));
}

} // namespace

LanguageSettingsView::LanguageSettingsView(
    Preferences& preferences, HotkeyManager& hotkeys, Options options, QWidget* parent)
    : QWidget(parent)
    , m_preferences(preferences)
    , m_hotkeys(hotkeys)
    , m_options(std::move(options))
    , m_statuses(std::make_unique<ServiceStatusChecker>(preferences.store(), m_options.statusChecks))
{
    setObjectName(QStringLiteral("languageSettingsView"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("settingsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    m_column = new QVBoxLayout(content);
    m_column->setContentsMargins(0, 0, 4, 12);
    m_column->setSpacing(16);
    m_column->addWidget(buildInterfaceSection());
    m_column->addWidget(buildTranslationSection());
    m_column->addWidget(buildCardSection());
    m_column->addWidget(buildAnkiSection());
    m_column->addWidget(buildHotkeySection());
    m_column->addWidget(buildNotificationSection());
    m_column->addWidget(buildServicesSection());
    m_column->addStretch(1);
    scroll->setWidget(content);
    outer->addWidget(scroll);

    TranslationPreferences& translation = m_preferences.translation();
    connect(&m_preferences.interfaceLanguage(), &InterfaceLanguagePreferences::languageCodeChanged, this,
        &LanguageSettingsView::refreshValues);
    connect(
        &translation, &TranslationPreferences::targetLanguageCodeChanged, this, &LanguageSettingsView::refreshValues);
    connect(&translation, &TranslationPreferences::modeChanged, this, &LanguageSettingsView::refreshValues);
    connect(&m_preferences.appearance(), &AppearancePreferences::cardSizeChanged, this,
        &LanguageSettingsView::refreshValues);
    connect(&m_preferences.notifications(), &NotificationPreferences::isEnabledChanged, this,
        &LanguageSettingsView::refreshValues);
    connect(&m_preferences.notifications(), &NotificationPreferences::reminderHourChanged, this,
        &LanguageSettingsView::refreshValues);
    connect(&m_hotkeys, &HotkeyManager::actionsChanged, this, &LanguageSettingsView::rebuildHotkeyRows);
    connect(m_statuses.get(), &ServiceStatusChecker::statusChanged, this, &LanguageSettingsView::refreshStatus);
    if (m_options.packs) {
        connect(m_options.packs, &LanguagePackInstaller::progressChanged, this, [this](int percent) {
            m_packPercent = percent;
            refreshDownloadButton();
        });
    }
    refreshValues();
    retranslate();
}

LanguageSettingsView::~LanguageSettingsView() = default;

SettingsSection* LanguageSettingsView::addSection(std::function<QString()> title, const char* symbol, const char* color)
{
    return new SettingsSection(std::move(title), QLatin1String(symbol), SettingsIcon::named(color));
}

SettingsRow* LanguageSettingsView::row(
    std::function<QString()> title, std::function<QString()> subtitle, QWidget* control)
{
    return new SettingsRow(std::move(title), std::move(subtitle), control);
}

QWidget* LanguageSettingsView::buildInterfaceSection()
{
    SettingsSection* section = addSection([] { return tr("Язык приложения"); }, "textformat", "mint");
    section->setObjectName(QStringLiteral("interfaceSection"));
    m_interfacePicker = picker("interfaceLanguagePicker", 140);
    for (InterfaceLanguage language : InterfaceLanguages::all())
        m_interfacePicker->addItem(interfaceLanguageName(language), InterfaceLanguages::rawValue(language));
    connect(m_interfacePicker, &QComboBox::activated, this, [this](int index) {
        m_preferences.interfaceLanguage().setLanguageCode(m_interfacePicker->itemData(index).toString());
    });
    section->addRow(row([] { return tr("Язык интерфейса"); }, {}, m_interfacePicker));
    // The XDG autostart entry, which every desktop reads at login.
    m_startAtLoginSwitch = new QCheckBox;
    m_startAtLoginSwitch->setObjectName(QStringLiteral("startAtLoginSwitch"));
    m_startAtLoginSwitch->setChecked(AutostartEntry::isEnabled());
    connect(m_startAtLoginSwitch, &QCheckBox::toggled, this, [this](bool on) {
        if (AutostartEntry::setEnabled(on, QCoreApplication::applicationFilePath()))
            return;
        qCCritical(lcSettings).noquote() << "Could not write the autostart entry" << AutostartEntry::filePath();
        const QSignalBlocker quiet(m_startAtLoginSwitch);
        m_startAtLoginSwitch->setChecked(!on);
    });
    section->addRow(row([] { return tr("Запускать Quillmoor при входе в систему"); }, {}, m_startAtLoginSwitch));
    return section;
}

QWidget* LanguageSettingsView::buildTranslationSection()
{
    SettingsSection* section = addSection([] { return tr("Перевод"); }, "globe", "blue");
    section->setObjectName(QStringLiteral("translationSection"));
    m_targetPicker = picker("targetLanguagePicker", 140);
    for (const LanguageOption& option : SupportedLanguages::all())
        m_targetPicker->addItem(option.displayName, option.id);
    connect(m_targetPicker, &QComboBox::activated, this, [this](int index) {
        m_preferences.translation().setTargetLanguageCode(m_targetPicker->itemData(index).toString());
    });
    section->addRow(row([] { return tr("Язык перевода"); }, [] { return tr("Целевой язык глосс"); }, m_targetPicker));

    m_modeGroup = new QButtonGroup(this);
    QWidget* modes = segmented(
        { { QStringLiteral("modeBilingual"), QString() }, { QStringLiteral("modeMonolingual"), QString() } },
        m_modeGroup);
    connect(m_modeGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_preferences.translation().setMode(id == 0 ? TranslationMode::Bilingual : TranslationMode::Monolingual);
    });
    m_modeRow = row([] { return tr("Режим"); },
        [this] {
            return m_preferences.translation().mode() == TranslationMode::Bilingual ? tr("Перевод на другой язык")
                                                                                    : tr("Meaning на языке оригинала");
        },
        modes);
    section->addRow(m_modeRow);

    m_downloadButton = new QPushButton;
    m_downloadButton->setObjectName(QStringLiteral("downloadPacksButton"));
    connect(m_downloadButton, &QPushButton::clicked, this, [this] { downloadPacks(); });
    auto* packs = new QWidget;
    auto* packColumn = new QVBoxLayout(packs);
    packColumn->setContentsMargins(0, 0, 0, 0);
    packColumn->addWidget(row(
        [] { return tr("Языковые пакеты"); }, [] { return tr("Нужны для перевода на устройстве"); }, m_downloadButton));
    m_packNote = new QLabel;
    m_packNote->setObjectName(QStringLiteral("packNote"));
    m_packNote->setWordWrap(true);
    m_packNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_packNote->setContentsMargins(12, 0, 12, 9);
    m_packNote->hide();
    packColumn->addWidget(m_packNote);
    section->addRow(packs);
    return section;
}

QWidget* LanguageSettingsView::segmented(const QList<QPair<QString, QString>>& items, QButtonGroup* group)
{
    auto* strip = new QWidget;
    auto* line = new QHBoxLayout(strip);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(0);
    group->setExclusive(true);
    int id = 0;
    for (const auto& [name, text] : items) {
        auto* button = new QPushButton(text, strip);
        button->setObjectName(name);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::TabFocus);
        line->addWidget(button);
        group->addButton(button, id++);
    }
    return strip;
}

QWidget* LanguageSettingsView::buildCardSection()
{
    SettingsSection* section = addSection([] { return tr("Карточка"); }, "rectangle.on.rectangle", "purple");
    section->setObjectName(QStringLiteral("cardSection"));
    m_sizeGroup = new QButtonGroup(this);
    // The size letters read the same in every interface language.
    QWidget* sizes = segmented({ { QStringLiteral("cardSizeCompact"), QStringLiteral("S") },
                                   { QStringLiteral("cardSizeMedium"), QStringLiteral("M") },
                                   { QStringLiteral("cardSizeSpacious"), QStringLiteral("L") } },
        m_sizeGroup);
    sizes->setFixedWidth(120);
    connect(m_sizeGroup, &QButtonGroup::idClicked, this, [this](int id) {
        static const CardSize sizesById[] = { CardSize::Compact, CardSize::Medium, CardSize::Spacious };
        m_preferences.appearance().setCardSize(sizesById[id]);
    });
    section->addRow(row([] { return tr("Размер"); }, {}, sizes));
    return section;
}

QWidget* LanguageSettingsView::buildAnkiSection()
{
    SettingsSection* section = addSection([] { return tr("Anki"); }, "square.stack.3d.up.fill", "indigo");
    section->setObjectName(QStringLiteral("ankiSection"));
    m_deckField = new QLineEdit;
    m_deckField->setObjectName(QStringLiteral("deckNameField"));
    m_deckField->setPlaceholderText(AnkiPreferences::kDefaultDeckName);
    m_deckField->setAlignment(Qt::AlignRight);
    m_deckField->setFixedWidth(160);
    // Until a name is stored the placeholder shows the deck in use.
    if (m_preferences.store().contains(AnkiPreferences::kDeckNameKey))
        m_deckField->setText(m_preferences.anki().deckName());
    // Every keystroke is stored; a failed write is logged by the store and typing goes on.
    connect(m_deckField, &QLineEdit::textEdited, this,
        [this](const QString& text) { m_preferences.anki().setDeckName(text); });
    section->addRow(row([] { return tr("Колода"); }, {}, m_deckField));

    m_guideToggle = new AnkiGuideDisclosureRow;
    section->addRow(m_guideToggle);
    auto* guide = new AnkiSetupGuide;
    m_guideItem = section->addRow(guide);
    m_guideItem->hide();
    connect(m_guideToggle, &QAbstractButton::toggled, m_guideItem, &QWidget::setVisible);
    return section;
}

QWidget* LanguageSettingsView::buildHotkeySection()
{
    m_hotkeySection = addSection([] { return tr("Хоткеи"); }, "keyboard", "gray");
    m_hotkeySection->setObjectName(QStringLiteral("hotkeySection"));
    rebuildHotkeyRows();
    return m_hotkeySection;
}

void LanguageSettingsView::rebuildHotkeyRows()
{
    qDeleteAll(m_hotkeyItems);
    m_hotkeyItems.clear();
    delete m_conflictItem;
    for (HotkeyAction action : m_hotkeys.actions()) {
        auto* recorder = new HotkeyRecorderView(m_hotkeys, action);
        recorder->setObjectName(QStringLiteral("hotkeyRecorder_") + HotkeyActionIds::id(action));
        recorder->setOnConfirm([this, action](const HotkeyCombo& combo) { return confirmHotkey(combo, action); });
        recorder->setModifierSource(m_options.keyMonitor);
        std::function<QString()> subtitle;
        if (m_hotkeys.subtitle(action)) {
            subtitle
                = [this, action] { return HotkeyActions::translated(m_hotkeys.subtitle(action).value_or(QString())); };
        }
        m_hotkeyItems << m_hotkeySection->addRow(
            row([this, action] { return HotkeyActions::translated(m_hotkeys.title(action)); }, subtitle, recorder));
    }
    m_conflictLabel = new QLabel;
    m_conflictLabel->setObjectName(QStringLiteral("hotkeyConflictMessage"));
    m_conflictLabel->setWordWrap(true);
    m_conflictLabel->setContentsMargins(12, 6, 12, 6);
    QPalette red = m_conflictLabel->palette();
    red.setColor(QPalette::WindowText, SettingsIcon::named("red"));
    m_conflictLabel->setPalette(red);
    QFont caption = m_conflictLabel->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    m_conflictLabel->setFont(caption);
    m_conflictItem = m_hotkeySection->addRow(m_conflictLabel);
    showConflictMessage();
}

bool LanguageSettingsView::confirmHotkey(const HotkeyCombo& combo, HotkeyAction action)
{
    if (!HotkeyConflictCheck::isAcceptable(m_hotkeys, combo, action)) {
        m_conflictMessage = tr("Эта комбинация уже занята другим действием");
        showConflictMessage();
        return false;
    }
    m_conflictMessage.reset();
    showConflictMessage();
    m_hotkeys.setCombo(combo, action);
    return true;
}

void LanguageSettingsView::showConflictMessage()
{
    if (!m_conflictLabel)
        return;
    // The message is kept as shown; a new interface language shows it in that language.
    if (m_conflictMessage)
        m_conflictMessage = tr("Эта комбинация уже занята другим действием");
    m_conflictLabel->setText(m_conflictMessage.value_or(QString()));
    m_conflictItem->setVisible(m_conflictMessage.has_value());
}

QWidget* LanguageSettingsView::buildNotificationSection()
{
    SettingsSection* section = addSection([] { return tr("Уведомления"); }, "bell.fill", "red");
    section->setObjectName(QStringLiteral("notificationSection"));
    m_reminderSwitch = new QCheckBox;
    m_reminderSwitch->setObjectName(QStringLiteral("reminderSwitch"));
    connect(
        m_reminderSwitch, &QCheckBox::toggled, this, [this](bool on) { m_preferences.notifications().setEnabled(on); });
    section->addRow(row([] { return tr("Напоминать о повторении"); }, {}, m_reminderSwitch));
    m_hourPicker = picker("reminderHourPicker", 90);
    for (int hour = 0; hour < 24; ++hour)
        m_hourPicker->addItem(hourLabel(hour), hour);
    connect(m_hourPicker, &QComboBox::activated, this,
        [this](int index) { m_preferences.notifications().setReminderHour(m_hourPicker->itemData(index).toInt()); });
    m_hourItem = section->addRow(
        row([] { return tr("Не раньше"); }, [] { return tr("Если есть карточки на повторение"); }, m_hourPicker));
    return section;
}

QString LanguageSettingsView::hourLabel(int hour)
{
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

QWidget* LanguageSettingsView::buildServicesSection()
{
    using Service = ServiceStatusChecker::Service;
    SettingsSection* section = addSection([] { return tr("Службы"); }, "server.rack", "teal");
    section->setObjectName(QStringLiteral("servicesSection"));
    addServiceField(
        section, LanguageModelClient::kBaseUrlKey, "modelUrlField", [] { return tr("Языковая модель"); },
        Service::LanguageModel, LanguageModelClient::kDefaultBaseUrl);
    addServiceField(
        section, LanguageModelClient::kModelKey, "modelNameField", [] { return tr("Модель"); }, std::nullopt,
        QString());
    // Its placeholder is a text of the interface: set again with the language.
    m_modelNameField = section->findChild<QLineEdit*>(QStringLiteral("modelNameField"));
    addServiceField(
        section, LibreTranslateClient::kUrlKey, "translationServerField", [] { return tr("Сервер перевода"); },
        Service::TranslationServer, QStringLiteral("http://127.0.0.1:5000"));
    addServiceField(
        section, LibreTranslateClient::kApiKeyKey, "translationKeyField", [] { return tr("Ключ сервера"); },
        std::nullopt, QString(), true);
    addServiceField(
        section, GeneratedImageService::kUrlKey, "imageServerField", [] { return tr("Сервер картинок"); },
        Service::ImageServer, QStringLiteral("http://127.0.0.1:7860/v1"));
    addServiceField(
        section, GeneratedImageService::kModelKey, "imageModelField", [] { return tr("Модель картинок"); },
        std::nullopt, QString());
    addServiceField(
        section, AnkiConnectService::kUrlKey, "ankiUrlField", [] { return tr("AnkiConnect"); }, Service::AnkiConnect,
        AnkiConnectService::kDefaultUrl);
    return section;
}

void LanguageSettingsView::addServiceField(SettingsSection* section, const QString& key, const char* objectName,
    std::function<QString()> title, std::optional<ServiceStatusChecker::Service> service, const QString& placeholder,
    bool secret)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(objectName));
    field->setFixedWidth(200);
    field->setPlaceholderText(placeholder);
    field->setText(m_preferences.store().string(key).value_or(QString()));
    if (secret)
        field->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    // The service the value belongs to is checked again once typing pauses.
    std::optional<ServiceStatusChecker::Service> checked = service;
    if (!checked && key == LanguageModelClient::kModelKey)
        checked = ServiceStatusChecker::Service::LanguageModel;
    if (!checked && key == GeneratedImageService::kModelKey)
        checked = ServiceStatusChecker::Service::ImageServer;
    if (!checked && key == LibreTranslateClient::kApiKeyKey)
        checked = ServiceStatusChecker::Service::TranslationServer;
    if (checked && !m_recheckTimers.contains(*checked)) {
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setInterval(m_options.recheckDelayMs);
        const ServiceStatusChecker::Service which = *checked;
        connect(timer, &QTimer::timeout, this, [this, which] { m_statuses->check(which); });
        m_recheckTimers.insert(which, timer);
    }
    QTimer* recheck = checked ? m_recheckTimers.value(*checked) : nullptr;
    connect(field, &QLineEdit::textEdited, this, [this, key, recheck](const QString& text) {
        // An empty field gives the setting back to its default.
        if (text.trimmed().isEmpty())
            m_preferences.store().remove(key);
        else
            m_preferences.store().setValue(key, text.trimmed());
        if (recheck)
            recheck->start();
    });
    std::function<QString()> subtitle;
    if (service) {
        auto* status = new QLabel;
        status->setObjectName(QLatin1String(objectName) + QStringLiteral("Status"));
        m_statusLabels.insert(*service, status);
        SettingsRow* line = row(std::move(title), subtitle, field);
        line->addBelowTitle(status);
        section->addRow(line);
        refreshStatus(*service);
        return;
    }
    section->addRow(row(std::move(title), subtitle, field));
}

void LanguageSettingsView::refreshStatus(ServiceStatusChecker::Service service)
{
    QLabel* label = m_statusLabels.value(service);
    if (!label)
        return;
    using State = ServiceStatusChecker::State;
    const ServiceStatusChecker::Status status = m_statuses->status(service);
    QString text;
    const char* color = "gray";
    switch (status.state) {
    case State::Unchecked:
    case State::Checking:
        text = tr("Проверяем…");
        break;
    case State::Off:
        text = tr("Выключено");
        break;
    case State::Answers:
        color = "green";
        text = status.models.isEmpty() ? tr("Отвечает")
                                       : tr("Отвечает · модели: %1").arg(status.models.join(QStringLiteral(", ")));
        break;
    case State::NoAnswer:
        color = "red";
        text = tr("Нет ответа");
        break;
    case State::ModelMissing:
        color = "orange";
        text = tr("Такой модели нет · есть: %1").arg(status.models.join(QStringLiteral(", ")));
        break;
    }
    label->setText(QStringLiteral("● ") + text);
    label->setToolTip(status.detail);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, SettingsIcon::named(color));
    label->setPalette(palette);
}

QCoro::Task<> LanguageSettingsView::downloadPacks()
{
    const std::optional<QString> target = m_preferences.translation().targetLanguageCode();
    if (!target || m_isDownloadingPacks || !m_options.packs)
        co_return;
    m_isDownloadingPacks = true;
    m_packPercent = -1;
    m_packNoteText.clear();
    refreshDownloadButton();
    const QStringList packages
        = TranslationPackages::forLanguages(m_preferences.translation().studyLanguageCode(), *target);
    QPointer<LanguageSettingsView> self(this);
    QPointer<LanguagePackInstaller> installer(m_options.packs);
    const LanguagePackInstaller::Result result = co_await installer->install(packages);
    if (!self)
        co_return;
    m_isDownloadingPacks = false;
    using Outcome = LanguagePackInstaller::Outcome;
    switch (result.outcome) {
    case Outcome::Installed:
        m_packNoteText = tr("Установлено: %1").arg(result.packages.join(QStringLiteral(", ")));
        if (m_options.afterPacksInstalled)
            m_options.afterPacksInstalled();
        break;
    case Outcome::NothingMissing:
        m_packNoteText = tr("Всё нужное уже установлено");
        break;
    case Outcome::ManualInstall:
        m_packNoteText = tr("Установите пакеты в терминале:") + QLatin1Char('\n')
            + LanguagePackInstaller::aptCommand(result.packages);
        break;
    case Outcome::Failed:
    case Outcome::Cancelled:
        qCCritical(lcSettings).noquote()
            << QStringLiteral("prepareTranslation failed: %1")
                   .arg(result.outcome == Outcome::Cancelled ? QStringLiteral("cancelled") : result.error);
        break;
    }
    refreshDownloadButton();
}

void LanguageSettingsView::refreshDownloadButton()
{
    if (!m_isDownloadingPacks)
        m_downloadButton->setText(tr("Скачать…"));
    else if (m_packPercent < 0)
        m_downloadButton->setText(tr("Открываем…"));
    else
        m_downloadButton->setText(tr("Установка… %1 %").arg(m_packPercent));
    m_downloadButton->setEnabled(!m_isDownloadingPacks);
    m_packNote->setText(m_packNoteText);
    m_packNote->setVisible(!m_packNoteText.isEmpty());
}

void LanguageSettingsView::refreshValues()
{
    selectData(m_interfacePicker, m_preferences.interfaceLanguage().effectiveLanguageCode());
    selectData(m_targetPicker, m_preferences.translation().targetLanguageCode().value_or(QStringLiteral("ru")));
    const TranslationMode mode = m_preferences.translation().mode();
    m_modeGroup->button(mode == TranslationMode::Bilingual ? 0 : 1)->setChecked(true);
    m_modeRow->retranslate();
    const CardSize size = m_preferences.appearance().cardSize();
    m_sizeGroup->button(size == CardSize::Compact ? 0 : size == CardSize::Medium ? 1 : 2)->setChecked(true);
    const NotificationPreferences& notifications = m_preferences.notifications();
    {
        const QSignalBlocker quiet(m_reminderSwitch);
        m_reminderSwitch->setChecked(notifications.isEnabled());
    }
    m_hourItem->setVisible(notifications.isEnabled());
    selectData(m_hourPicker, notifications.reminderHour());
}

void LanguageSettingsView::retranslate()
{
    m_modeGroup->button(0)->setText(tr("Перевод"));
    m_modeGroup->button(1)->setText(tr("Meaning"));
    m_reminderSwitch->setAccessibleName(tr("Напоминать о повторении"));
    m_startAtLoginSwitch->setAccessibleName(tr("Запускать Quillmoor при входе в систему"));
    m_modelNameField->setPlaceholderText(tr("первая из списка"));
    refreshDownloadButton();
    showConflictMessage();
    for (ServiceStatusChecker::Service service : ServiceStatusChecker::all())
        refreshStatus(service);
}

void LanguageSettingsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void LanguageSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The services are checked each time the window opens, in the background.
    m_statuses->checkAll();
}
