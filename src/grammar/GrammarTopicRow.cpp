#include "grammar/GrammarTopicRow.h"

#include "grammar/GrammarTopicIcon.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {
constexpr int kGoodAccuracy = 81;
const QColor kAccent(0x0a, 0x84, 0xff);
} // namespace

GrammarTopicRow::GrammarTopicRow(Content content, QWidget* parent)
    : QPushButton(parent)
    , m_content(std::move(content))
{
    setObjectName(m_content.isPersonalized ? QStringLiteral("personalizedRow") : QStringLiteral("topicRow"));
    setFlat(!m_content.isPersonalized);
    setMinimumHeight(40);
    setCursor(Qt::PointingHandCursor);
    if (m_content.isPersonalized) {
        setStyleSheet(QStringLiteral("QPushButton#personalizedRow { background: rgba(255, 45, 85, 0.10);"
                                     " border: none; border-radius: 10px; }"
                                     "QPushButton#personalizedRow:pressed { background: rgba(255, 45, 85, 0.20); }"));
    }
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 6, 8, 6);
    row->setSpacing(8);
    auto* icon = new QLabel(this);
    icon->setPixmap(m_content.icon.pixmap(QSize(20, 20), devicePixelRatioF()));
    row->addWidget(icon);
    auto* title = new QLabel(m_content.title, this);
    title->setObjectName(QStringLiteral("topicTitle"));
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    row->addWidget(title, 1);
    if (!m_content.isPersonalized) {
        m_accuracy = new QLabel(accuracyText(m_content.accuracy), this);
        m_accuracy->setObjectName(QStringLiteral("topicAccuracy"));
        const bool good = m_content.accuracy && *m_content.accuracy >= kGoodAccuracy;
        QPalette palette = m_accuracy->palette();
        palette.setColor(QPalette::WindowText, good ? kAccent : palette.color(QPalette::PlaceholderText));
        m_accuracy->setPalette(palette);
        row->addWidget(m_accuracy);
    }
    if (m_content.onShowTheory) {
        m_info = new QToolButton(this);
        m_info->setObjectName(QStringLiteral("theoryButton"));
        m_info->setIcon(GrammarTopicIcon::icon(QStringLiteral("info.circle")));
        m_info->setAutoRaise(true);
        m_info->setFocusPolicy(Qt::NoFocus);
        connect(m_info, &QToolButton::clicked, this, [this] { m_content.onShowTheory(); });
        row->addWidget(m_info);
    }
    auto* chevron = new QLabel(this);
    chevron->setPixmap(
        GrammarTopicIcon::icon(QStringLiteral("chevron.right")).pixmap(QSize(12, 12), devicePixelRatioF()));
    row->addWidget(chevron);
    retranslate();
}

QString GrammarTopicRow::accuracyText(const std::optional<int>& accuracy)
{
    return accuracy ? QStringLiteral("%1%").arg(*accuracy) : QStringLiteral("—");
}

void GrammarTopicRow::retranslate()
{
    setAccessibleName(m_content.title);
    if (m_info)
        m_info->setAccessibleName(tr("Теория: %1").arg(m_content.title));
}

void GrammarTopicRow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}
