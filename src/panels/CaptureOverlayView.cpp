#include "panels/CaptureOverlayView.h"

#include "panels/CardStyle.h"
#include "panels/EmphasisLabel.h"
#include "panels/LookupCardModel.h"
#include "preferences/Preferences.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel* plainLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    // Everything here may come from the screen: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

QProgressBar* busyIndicator(const QString& objectName, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(objectName);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setFixedSize(64, 6);
    return bar;
}

void setPointSize(QWidget* widget, qreal size, QFont::Weight weight = QFont::Normal)
{
    QFont font = widget->font();
    font.setPointSizeF(size);
    font.setWeight(weight);
    widget->setFont(font);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

} // namespace

CaptureOverlayView::CaptureOverlayView(
    LookupServices& services, QString word, QString sentence, bool isSelection, bool showsChrome, QWidget* parent)
    : QFrame(parent)
    , m_services(services)
    , m_model(new LookupCardModel(services, std::move(word), std::move(sentence), isSelection, this))
    , m_showsChrome(showsChrome)
{
    setObjectName(QStringLiteral("captureOverlayView"));
    buildWidgets();
    applyStyle();
    refresh();
    connect(m_model, &LookupCardModel::changed, this, &CaptureOverlayView::changed);
    connect(&services.preferences.appearance(), &AppearancePreferences::cardSizeChanged, this, [this] {
        applyStyle();
        changed();
    });
}

CaptureOverlayView::~CaptureOverlayView() = default;

void CaptureOverlayView::start()
{
    m_model->start();
}

void CaptureOverlayView::buildWidgets()
{
    auto* column = new QVBoxLayout(this);
    const int margin = m_showsChrome ? 14 : 4;
    column->setContentsMargins(margin, margin - 2, margin, margin);
    column->setSpacing(6);
    column->setSizeConstraint(QLayout::SetNoConstraint);

    auto* headline = new QHBoxLayout;
    headline->setSpacing(8);
    m_wordLabel = plainLabel(QStringLiteral("word"), this);
    m_wordLabel->setText(shownHeadline(m_model->word()));
    m_phoneticLabel = plainLabel(QStringLiteral("phonetic"), this);
    m_phoneticLabel->setWordWrap(false);
    m_playButton = new QToolButton(this);
    m_playButton->setObjectName(QStringLiteral("play"));
    m_playButton->setAutoRaise(true);
    m_playButton->setFocusPolicy(Qt::NoFocus);
    m_playButton->setIcon(themeIcon("media-playback-start", QStyle::SP_MediaPlay, style()));
    connect(m_playButton, &QToolButton::clicked, m_model, &LookupCardModel::playPronunciation);
    headline->addWidget(m_wordLabel, 1);
    headline->addWidget(m_phoneticLabel, 0, Qt::AlignBaseline);
    headline->addWidget(m_playButton, 0, Qt::AlignVCenter);
    column->addLayout(headline);

    m_translationLabel = plainLabel(QStringLiteral("translation"), this);
    m_translationUnavailable = plainLabel(QStringLiteral("translationUnavailable"), this);
    m_translationUnavailable->setText(tr("Перевод недоступен"));
    m_translationHint = plainLabel(QStringLiteral("translationHint"), this);
    m_otherSensesLabel = plainLabel(QStringLiteral("otherSenses"), this);
    m_translationProgress = busyIndicator(QStringLiteral("translationProgress"), this);
    column->addWidget(m_translationLabel);
    column->addWidget(m_otherSensesLabel);
    column->addWidget(m_translationUnavailable);
    column->addWidget(m_translationHint);
    column->addWidget(m_translationProgress);

    m_noticeLabel = plainLabel(QStringLiteral("notice"), this);
    column->addWidget(m_noticeLabel);

    m_sentenceLabel = new EmphasisLabel(this);
    m_sentenceLabel->setObjectName(QStringLiteral("sentence"));
    m_sentenceLabel->setText(shownSentence(m_model->sentence(), m_model->word()), m_model->word());
    m_sentenceTranslationLabel = plainLabel(QStringLiteral("sentenceTranslation"), this);
    column->addWidget(m_sentenceLabel);
    column->addWidget(m_sentenceTranslationLabel);

    m_meaningLabel = plainLabel(QStringLiteral("meaning"), this);
    m_meaningUnavailable = plainLabel(QStringLiteral("meaningUnavailable"), this);
    m_meaningUnavailable->setText(tr("Значение недоступно"));
    m_meaningProgress = busyIndicator(QStringLiteral("meaningProgress"), this);
    column->addWidget(m_meaningLabel);
    column->addWidget(m_meaningUnavailable);
    column->addWidget(m_meaningProgress);

    auto* etymology = new QHBoxLayout;
    m_etymologyToggle = new QToolButton(this);
    m_etymologyToggle->setObjectName(QStringLiteral("etymologyToggle"));
    m_etymologyToggle->setAutoRaise(true);
    m_etymologyToggle->setFocusPolicy(Qt::NoFocus);
    m_etymologyToggle->setCheckable(true);
    m_etymologyToggle->setArrowType(Qt::RightArrow);
    connect(m_etymologyToggle, &QToolButton::toggled, this, [this](bool expanded) {
        m_etymologyToggle->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
        m_model->setEtymologyExpanded(expanded);
    });
    m_etymologyLabel = plainLabel(QStringLiteral("etymology"), this);
    etymology->addWidget(m_etymologyToggle, 0, Qt::AlignTop);
    etymology->addWidget(m_etymologyLabel, 1);
    column->addLayout(etymology);

    m_addButton = new QPushButton(this);
    m_addButton->setObjectName(QStringLiteral("add"));
    m_addButton->setFocusPolicy(Qt::NoFocus);
    connect(m_addButton, &QPushButton::clicked, m_model, &LookupCardModel::addToAnki);
    m_addFailure = plainLabel(QStringLiteral("addFailure"), this);
    m_addFailure->setWordWrap(false);
    column->addWidget(m_addButton);
    column->addWidget(m_addFailure);
}

QString CaptureOverlayView::shownHeadline(const QString& word)
{
    if (word.size() <= kMaxHeadlineCharacters)
        return word;
    return word.left(kMaxHeadlineCharacters).trimmed() + QStringLiteral("…");
}

QString CaptureOverlayView::shownSentence(const QString& sentence, const QString& word)
{
    if (sentence.size() <= kMaxSentenceCharacters)
        return sentence;
    // The stretch around the word, so the card stays on the screen with its add button.
    const qsizetype at = word.isEmpty() ? -1 : sentence.indexOf(word, 0, Qt::CaseInsensitive);
    const qsizetype start = std::clamp<qsizetype>(
        at < 0 ? 0 : at - kMaxSentenceCharacters / 3, 0, sentence.size() - kMaxSentenceCharacters);
    QString shown = sentence.mid(start, kMaxSentenceCharacters).trimmed();
    if (start > 0)
        shown.prepend(QStringLiteral("…"));
    if (start + kMaxSentenceCharacters < sentence.size())
        shown.append(QStringLiteral("…"));
    return shown;
}

void CaptureOverlayView::applyStyle()
{
    const CardStyle colours(palette());
    const CardSize size = m_services.preferences.appearance().cardSize();
    using Text = CardStyle::Text;
    setPointSize(m_wordLabel, CardStyle::pointSize(Text::Word, size), QFont::Bold);
    setTextColor(m_wordLabel, colours.textPrimary());
    setPointSize(m_phoneticLabel, CardStyle::pointSize(Text::Placeholder, size));
    setTextColor(m_phoneticLabel, colours.textSecondary());
    const int icon = int(CardStyle::pointSize(Text::PlayIcon, size) * 2);
    m_playButton->setIconSize(QSize(icon, icon));
    setPointSize(m_translationLabel, CardStyle::pointSize(Text::Translation, size), QFont::DemiBold);
    setTextColor(m_translationLabel, colours.highlight());
    for (QLabel* placeholder :
        { m_translationUnavailable, m_translationHint, m_otherSensesLabel, m_meaningUnavailable, m_noticeLabel }) {
        setPointSize(placeholder, CardStyle::pointSize(Text::Placeholder, size));
        setTextColor(placeholder, colours.textSecondary());
    }
    for (QWidget* body : std::initializer_list<QWidget*> { m_sentenceLabel, m_meaningLabel, m_etymologyLabel }) {
        setPointSize(body, CardStyle::pointSize(Text::Body, size));
        setTextColor(body, colours.textPrimary());
    }
    m_sentenceLabel->setEmphasisColor(colours.highlightText());
    setPointSize(m_sentenceTranslationLabel, CardStyle::pointSize(Text::Body, size));
    setTextColor(m_sentenceTranslationLabel, colours.textSecondary());
    setPointSize(m_addButton, CardStyle::pointSize(Text::Body, size), QFont::DemiBold);
    QPalette button = m_addButton->palette();
    button.setColor(QPalette::Button, colours.primaryButton());
    button.setColor(QPalette::ButtonText, Qt::white);
    m_addButton->setPalette(button);
    setPointSize(m_addFailure, CardStyle::pointSize(Text::Failure, size));
    setTextColor(m_addFailure, colours.textSecondary());
}

QString CaptureOverlayView::addButtonText() const
{
    switch (m_model->ankiState().kind) {
    case AnkiAddState::Kind::Idle:
        return m_model->isRefiningTranslation() ? tr("Уточняем перевод…") : tr("Добавить в Anki и Quillmoor");
    case AnkiAddState::Kind::Loading:
        return tr("Добавляем…");
    case AnkiAddState::Kind::Success:
        return tr("Добавлено в Anki и Quillmoor");
    case AnkiAddState::Kind::Failure:
        return tr("Не удалось — повторить");
    }
    return {};
}

void CaptureOverlayView::refresh()
{
    const LookupCardModel& card = *m_model;
    const bool monolingualMode = card.isMonolingualMode();
    const bool bilingualLine = !monolingualMode && !card.isMonolingual();
    const std::optional<QString> translated = card.translatedWord();

    m_phoneticLabel->setVisible(card.phonetic().has_value());
    m_phoneticLabel->setText(card.phonetic().value_or(QString()));
    m_playButton->setVisible(card.hasAudio());

    m_translationUnavailable->setVisible(bilingualLine && card.translationFailed());
    m_translationLabel->setVisible(bilingualLine && !card.translationFailed() && translated.has_value());
    m_translationLabel->setText(translated.value_or(QString()));
    m_translationProgress->setVisible(bilingualLine && !card.translationFailed() && !translated);
    const QString hint = card.translationFailed() ? card.missingPairHint() : QString();
    m_translationHint->setVisible(bilingualLine && !hint.isEmpty());
    m_translationHint->setText(hint);
    const QStringList others = card.translationFailed() ? QStringList() : card.otherSenses();
    m_otherSensesLabel->setVisible(bilingualLine && !others.isEmpty());
    m_otherSensesLabel->setText(others.join(QStringLiteral(", ")));

    const std::optional<QString> notice = card.detection().notice;
    m_noticeLabel->setVisible(notice.has_value());
    m_noticeLabel->setText(notice.value_or(QString()));

    m_sentenceLabel->setVisible(!card.sentence().isEmpty());
    m_sentenceTranslationLabel->setVisible(card.translatedSentence().has_value());
    m_sentenceTranslationLabel->setText(card.translatedSentence().value_or(QString()));

    const std::optional<QString> meaning = card.meaning();
    m_meaningLabel->setVisible(monolingualMode && meaning.has_value());
    m_meaningLabel->setText(meaning.value_or(QString()));
    m_meaningUnavailable->setVisible(monolingualMode && !meaning && card.meaningFailed());
    m_meaningProgress->setVisible(monolingualMode && !meaning && !card.meaningFailed());

    const std::optional<QString> etymology = card.displayedEtymology();
    const bool etymologyShown = etymology || card.isEtymologyLoading();
    m_etymologyToggle->setVisible(etymologyShown);
    m_etymologyLabel->setVisible(etymologyShown);
    m_etymologyLabel->setText(etymology.value_or(QStringLiteral("…")));

    const AnkiAddState state = card.ankiState();
    m_addButton->setText(addButtonText());
    const bool busy = state.kind == AnkiAddState::Kind::Loading
        || (state.kind == AnkiAddState::Kind::Idle && card.isRefiningTranslation());
    if (busy) {
        m_addButton->setIcon(QIcon::fromTheme(QStringLiteral("content-loading-symbolic")));
    } else if (state.kind == AnkiAddState::Kind::Success) {
        m_addButton->setIcon(themeIcon("emblem-ok-symbolic", QStyle::SP_DialogApplyButton, style()));
    } else if (state.kind == AnkiAddState::Kind::Failure) {
        m_addButton->setIcon(themeIcon("dialog-warning", QStyle::SP_MessageBoxWarning, style()));
    } else {
        m_addButton->setIcon(QIcon::fromTheme(QStringLiteral("list-add")));
    }
    m_addButton->setEnabled(card.isReadyToSave() && state.canStart());
    m_addFailure->setVisible(state.kind == AnkiAddState::Kind::Failure);
    m_addFailure->setText(state.message);
}

void CaptureOverlayView::changed()
{
    refresh();
    Q_EMIT contentChanged();
}

QSize CaptureOverlayView::fittingSize() const
{
    QLayout* column = layout();
    column->activate();
    const int width = std::clamp(column->sizeHint().width(), kMinWidth, kMaxWidth);
    const int height = column->hasHeightForWidth() ? column->totalHeightForWidth(width) : column->sizeHint().height();
    return { width, height };
}

void CaptureOverlayView::enterEvent(QEnterEvent* event)
{
    QFrame::enterEvent(event);
    Q_EMIT hoverChanged(true);
}

void CaptureOverlayView::leaveEvent(QEvent* event)
{
    QFrame::leaveEvent(event);
    Q_EMIT hoverChanged(false);
}

void CaptureOverlayView::paintEvent(QPaintEvent* event)
{
    if (!m_showsChrome) {
        QFrame::paintEvent(event);
        return;
    }
    const CardStyle colours(palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    // Round corners only where the window can be see-through (a compositing manager runs).
    const qreal radius = window()->testAttribute(Qt::WA_TranslucentBackground) ? 10 : 0;
    card.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(card, colours.cardBackground());
    painter.setPen(QPen(colours.cardBorder(), 1));
    painter.drawPath(card);
}
