#include "review/AchievementTile.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kSymbolSize = 30;

// Saturation 0, alpha kept: the same drawing without its colour.
QPixmap withoutColour(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

QLabel* textLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
} // namespace

AchievementTile::AchievementTile(AchievementDefinition definition, QWidget* parent)
    : QFrame(parent)
    , m_definition(std::move(definition))
{
    setObjectName(QStringLiteral("achievement_") + m_definition.id);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(
        QStringLiteral("AchievementTile { border: 1px solid rgba(128, 128, 128, 40); border-radius: 14px; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(10);
    m_symbol = new QLabel(this);
    m_symbol->setObjectName(QStringLiteral("achievementSymbol"));
    m_symbol->setFixedSize(kSymbolSize, kSymbolSize);
    row->addWidget(m_symbol, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_title = textLabel(this, "achievementTitle");
    QFont title = m_title->font();
    title.setPointSizeF(13);
    title.setWeight(QFont::DemiBold);
    m_title->setFont(title);
    m_subtitle = textLabel(this, "achievementSubtitle");
    QFont caption = m_subtitle->font();
    caption.setPointSizeF(11);
    m_subtitle->setFont(caption);
    texts->addWidget(m_title);
    texts->addWidget(m_subtitle);
    texts->addStretch(1);
    row->addLayout(texts, 1);
    m_fade = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(m_fade);
    setEarned(false);
    retranslate();
}

double AchievementTile::opacity() const
{
    return m_fade->opacity();
}

void AchievementTile::setEarned(bool earned)
{
    m_earned = earned;
    m_fade->setOpacity(earned ? 1.0 : kLockedOpacity);
    m_subtitle->setForegroundRole(QPalette::PlaceholderText);
    m_title->setForegroundRole(earned ? QPalette::WindowText : QPalette::PlaceholderText);
    paintSymbol();
    retranslate();
}

void AchievementTile::paintSymbol()
{
    const QIcon icon(QStringLiteral(":/icons/achievements/%1.svg").arg(m_definition.systemImage));
    const QPixmap pixmap = icon.pixmap(QSize(kSymbolSize, kSymbolSize), devicePixelRatioF());
    m_symbol->setPixmap(m_earned ? pixmap : withoutColour(pixmap));
}

void AchievementTile::retranslate()
{
    const QString title = m_definition.localizedTitle();
    const QString subtitle = m_definition.localizedSubtitle();
    m_title->setText(title);
    m_subtitle->setText(subtitle);
    // Read out with its state: colour alone does not tell a screen-reader user what is earned.
    const QString state = m_earned ? tr("получена") : tr("ещё не получена");
    setAccessibleName(title);
    setAccessibleDescription(QStringLiteral("%1 — %2").arg(subtitle, state));
    m_symbol->setAccessibleName(state);
}

void AchievementTile::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
