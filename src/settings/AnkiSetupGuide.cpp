#include "settings/AnkiSetupGuide.h"

#include "settings/SettingsIcon.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace {
constexpr int kChevronTurnMs = 200;

QLabel* wrappingLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

AnkiSetupGuide::AnkiSetupGuide(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ankiSetupGuide"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(14);
    addStep(
        "arrow.down.circle.fill", "blue", [] { return tr("Установите Anki"); },
        [] {
            return tr("Бесплатное приложение для карточек с интервальным повторением. Скачайте на %1, если его ещё "
                      "нет, и запустите хотя бы раз.")
                .arg(kDownloadSite);
        });
    addStep(
        "puzzlepiece.extension.fill", "purple", [] { return tr("Добавьте аддон AnkiConnect"); },
        [] { return tr("В Anki: Tools → Add-ons → Get Add-ons…, введите код %1 и нажмите OK.").arg(kAddonCode); });
    addStep(
        "arrow.triangle.2.circlepath", "orange", [] { return tr("Перезапустите Anki"); },
        [] { return tr("Аддон включается только после перезапуска — закройте Anki и откройте снова."); });
    addStep(
        "power.circle.fill", "green", [] { return tr("Держите Anki открытым"); },
        [] {
            return tr("AnkiConnect работает, только пока запущено само приложение Anki — можно свернуть его в фон, но "
                      "не закрывать, пока пользуетесь Quillmoor.");
        });
    addStep(
        "checkmark.circle.fill", "mint", [] { return tr("Готово"); },
        [] {
            return tr("Колода с названием, указанным выше, создастся в Anki автоматически при первом сохранённом слове "
                      "— вручную заводить её не нужно.");
        });
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    column->addWidget(line);
    addNote("exclamationmark.triangle.fill", SettingsIcon::named("orange"), [] {
        return tr("Если в настройках AnkiConnect включена защита по API-ключу (Config → apiKey) — оставьте это поле "
                  "пустым: Quillmoor пока не умеет его передавать.");
    });
    addNote("info.circle.fill", palette().color(QPalette::PlaceholderText), [] {
        return tr("Пока карточки создаются по стандартному шаблону Anki «Basic» — если он удалён или переименован, "
                  "сохранение будет выдавать ошибку. Мы уже работаем над тем, чтобы это улучшить.");
    });
    retranslate();
}

void AnkiSetupGuide::addStep(
    const char* symbol, const char* color, std::function<QString()> title, std::function<QString()> text)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(new SettingsIcon(QLatin1String(symbol), SettingsIcon::named(color), 26, this), 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    QLabel* titleLabel = wrappingLabel(this, "ankiStepTitle");
    QFont semibold = titleLabel->font();
    semibold.setWeight(QFont::DemiBold);
    titleLabel->setFont(semibold);
    QLabel* textLabel = wrappingLabel(this, "ankiStepText");
    textLabel->setForegroundRole(QPalette::PlaceholderText);
    texts->addWidget(titleLabel);
    texts->addWidget(textLabel);
    row->addLayout(texts, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    m_texts << Text { titleLabel, std::move(title) } << Text { textLabel, std::move(text) };
}

void AnkiSetupGuide::addNote(const char* symbol, const QColor& color, std::function<QString()> text)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* icon = new QLabel(this);
    icon->setPixmap(SettingsIcon::tinted(QLatin1String(symbol), color, 14, devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignTop);
    QLabel* label = wrappingLabel(this, "ankiNote");
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    row->addWidget(label, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    m_texts << Text { label, std::move(text) };
}

void AnkiSetupGuide::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AnkiSetupGuide::retranslate()
{
    for (const Text& text : std::as_const(m_texts))
        text.label->setText(text.text());
}

AnkiGuideDisclosureRow::AnkiGuideDisclosureRow(QWidget* parent)
    : QAbstractButton(parent)
    , m_turn(new QVariantAnimation(this))
{
    setObjectName(QStringLiteral("ankiGuideToggle"));
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    m_turn->setDuration(kChevronTurnMs);
    m_turn->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toReal();
        update();
    });
    retranslate();
}

QSize AnkiGuideDisclosureRow::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { 12 + 16 + 8 + metrics.horizontalAdvance(text()) + 8 + 12 + 12, qMax(metrics.height(), 16) + 18 };
}

void AnkiGuideDisclosureRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    const int middle = height() / 2;
    painter.drawPixmap(
        12, middle - 8, SettingsIcon::tinted(QStringLiteral("questionmark.circle"), accent, 16, devicePixelRatioF()));
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect textRect(12 + 16 + 8, 0, width() - (12 + 16 + 8) - 12 - 12 - 8, height());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());
    painter.translate(width() - 12 - 6, middle);
    painter.rotate(m_angle);
    painter.drawPixmap(-6, -6,
        SettingsIcon::tinted(
            QStringLiteral("chevron.down"), palette().color(QPalette::PlaceholderText), 12, devicePixelRatioF()));
}

void AnkiGuideDisclosureRow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QAbstractButton::changeEvent(event);
}

void AnkiGuideDisclosureRow::checkStateSet()
{
    QAbstractButton::checkStateSet();
    turnChevron();
}

void AnkiGuideDisclosureRow::nextCheckState()
{
    QAbstractButton::nextCheckState();
    turnChevron();
}

void AnkiGuideDisclosureRow::turnChevron()
{
    m_turn->stop();
    m_turn->setStartValue(m_angle);
    m_turn->setEndValue(isChecked() ? 180.0 : 0.0);
    m_turn->start();
}

void AnkiGuideDisclosureRow::retranslate()
{
    // The painted text is the button's text, which is what a screen reader reads.
    setText(tr("Как подключить Anki к Quillmoor"));
    updateGeometry();
}
