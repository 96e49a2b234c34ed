#include "review/ReviewCardView.h"

#include "review/ReviewIcons.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPictureMaxHeight = 160;
constexpr qreal kCornerRadius = 14;

QPixmap roundedPicture(const QByteArray& bytes, int maxWidth, qreal devicePixelRatio)
{
    QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return {};
    const QSize fitted = image.size().scaled(QSize(maxWidth, kPictureMaxHeight), Qt::KeepAspectRatio);
    image = image.scaled(fitted * devicePixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap rounded(image.size());
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(QPointF(0, 0), image.size()), 8 * devicePixelRatio, 8 * devicePixelRatio);
    painter.setClipPath(clip);
    painter.drawImage(0, 0, image);
    painter.end();
    rounded.setDevicePixelRatio(devicePixelRatio);
    return rounded;
}
} // namespace

ReviewCardView::ReviewCardView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("reviewCard"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(8);

    auto* headline = new QHBoxLayout;
    m_word = addLabel("cardWord", 22, QFont::DemiBold);
    m_speaker = new QPushButton(ReviewIcons::speaker(), QString(), this);
    m_speaker->setObjectName(QStringLiteral("playAudioButton"));
    m_speaker->setFocusPolicy(Qt::NoFocus);
    m_speaker->setFlat(true);
    m_speaker->setIconSize(QSize(22, 22));
    m_speaker->setAccessibleName(tr("Произношение"));
    connect(m_speaker, &QPushButton::clicked, this, &ReviewCardView::playAudioRequested);
    headline->addWidget(m_word, 1);
    headline->addWidget(m_speaker, 0, Qt::AlignVCenter);
    layout->addLayout(headline);
    m_phonetic = addLabel("cardPhonetic", 12);
    m_sentence = addLabel("cardSentence", 13);
    layout->addWidget(m_phonetic);
    layout->addWidget(m_sentence);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    m_divider = divider;
    layout->addWidget(m_divider);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("cardPicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_picture);
    m_translation = addLabel("cardTranslation", 15, QFont::Bold);
    m_translatedSentence = addLabel("cardTranslatedSentence", 13);
    m_etymology = addLabel("cardEtymology", 12);
    QFont italic = m_etymology->font();
    italic.setItalic(true);
    m_etymology->setFont(italic);
    layout->addWidget(m_translation);
    layout->addWidget(m_translatedSentence);
    layout->addWidget(m_etymology);
    layout->addStretch(1);
}

QLabel* ReviewCardView::addLabel(const char* objectName, qreal pointSize, QFont::Weight weight)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    label->setFont(font);
    return label;
}

void ReviewCardView::setCard(const VocabCard& card, ReviewPhase phase)
{
    m_word->setText(card.word);
    m_speaker->setVisible(card.pronunciationAudio && !card.pronunciationAudio->isEmpty());
    m_phonetic->setText(card.phonetic.value_or(QString()));
    m_phonetic->setVisible(card.phonetic && !card.phonetic->isEmpty());
    m_sentence->setText(card.sentence);
    m_sentence->setVisible(!card.sentence.isEmpty());

    const bool back = phase == ReviewPhase::Back;
    m_divider->setVisible(back);
    QPixmap picture;
    if (back && card.imageData)
        picture = roundedPicture(*card.imageData, std::max(width() - 36, 120), devicePixelRatioF());
    m_picture->setPixmap(picture);
    m_picture->setVisible(!picture.isNull());
    m_translation->setText(card.translatedWord);
    m_translation->setVisible(back);
    m_translatedSentence->setText(card.translatedSentence.value_or(QString()));
    m_translatedSentence->setVisible(back && card.translatedSentence && !card.translatedSentence->isEmpty());
    m_etymology->setText(card.etymology.value_or(QString()));
    m_etymology->setVisible(back && card.etymology && !card.etymology->isEmpty());
}

void ReviewCardView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_speaker->setAccessibleName(tr("Произношение"));
    QWidget::changeEvent(event);
}

// The card look: the window colour inside a rounded rectangle with a faint border.
void ReviewCardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.06);
    QPen pen(border);
    pen.setWidthF(1);
    painter.setPen(pen);
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
}
