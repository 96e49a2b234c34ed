#include "panels/CaptureOverlayView.h"

#include "diagnostics/QMLog.h"
#include "language/ContextualTranslationService.h"
#include "language/EtymologyDisplay.h"
#include "language/EtymologyService.h"
#include "language/LanguageCodes.h"
#include "language/LanguageDetector.h"
#include "language/MeaningService.h"
#include "language/PronunciationService.h"
#include "panels/AnkiAddAction.h"
#include "panels/CardStyle.h"
#include "panels/EmphasisLabel.h"
#include "platform/AudioPlayback.h"
#include "platform/CancellationToken.h"
#include "preferences/Preferences.h"
#include "store/VocabCardStore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
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
    , m_word(std::move(word))
    , m_sentence(std::move(sentence))
    , m_isSelection(isSelection)
    , m_showsChrome(showsChrome)
    , m_cancel(std::make_shared<CancellationToken>())
    , m_etymology(std::make_unique<EtymologyDisplay>(services.backends, services.preferences.translation()))
{
    setObjectName(QStringLiteral("captureOverlayView"));
    TranslationPreferences& translation = services.preferences.translation();
    m_detection = services.detector.detect(m_word, m_sentence, translation.studyLanguageCode(),
        translation.targetLanguageCode(), services.preferences.interfaceLanguage().effectiveLanguageCode());
    m_isMonolingual = services.translation.isMonolingual(m_detection);
    buildWidgets();
    applyStyle();
    refresh();
    connect(&services.preferences.appearance(), &AppearancePreferences::cardSizeChanged, this, [this] {
        applyStyle();
        changed();
    });
}

CaptureOverlayView::~CaptureOverlayView()
{
    // A replaced card's translation run stops before it reaches the language model.
    m_cancel->cancel();
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
    m_wordLabel->setText(shownHeadline(m_word));
    m_phoneticLabel = plainLabel(QStringLiteral("phonetic"), this);
    m_phoneticLabel->setWordWrap(false);
    m_playButton = new QToolButton(this);
    m_playButton->setObjectName(QStringLiteral("play"));
    m_playButton->setAutoRaise(true);
    m_playButton->setFocusPolicy(Qt::NoFocus);
    m_playButton->setIcon(themeIcon("media-playback-start", QStyle::SP_MediaPlay, style()));
    connect(m_playButton, &QToolButton::clicked, this, &CaptureOverlayView::playPronunciation);
    headline->addWidget(m_wordLabel, 1);
    headline->addWidget(m_phoneticLabel, 0, Qt::AlignBaseline);
    headline->addWidget(m_playButton, 0, Qt::AlignVCenter);
    column->addLayout(headline);

    m_translationLabel = plainLabel(QStringLiteral("translation"), this);
    m_translationUnavailable = plainLabel(QStringLiteral("translationUnavailable"), this);
    m_translationUnavailable->setText(tr("Перевод недоступен"));
    m_translationProgress = busyIndicator(QStringLiteral("translationProgress"), this);
    column->addWidget(m_translationLabel);
    column->addWidget(m_translationUnavailable);
    column->addWidget(m_translationProgress);

    m_noticeLabel = plainLabel(QStringLiteral("notice"), this);
    column->addWidget(m_noticeLabel);

    m_sentenceLabel = new EmphasisLabel(this);
    m_sentenceLabel->setObjectName(QStringLiteral("sentence"));
    m_sentenceLabel->setText(shownSentence(m_sentence, m_word), m_word);
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
        m_etymology->setExpanded(expanded);
        m_etymologyToggle->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
        changed();
    });
    m_etymologyLabel = plainLabel(QStringLiteral("etymology"), this);
    etymology->addWidget(m_etymologyToggle, 0, Qt::AlignTop);
    etymology->addWidget(m_etymologyLabel, 1);
    column->addLayout(etymology);

    m_addButton = new QPushButton(this);
    m_addButton->setObjectName(QStringLiteral("add"));
    m_addButton->setFocusPolicy(Qt::NoFocus);
    connect(m_addButton, &QPushButton::clicked, this, &CaptureOverlayView::addToAnki);
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
    for (QLabel* placeholder : { m_translationUnavailable, m_meaningUnavailable, m_noticeLabel }) {
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

void CaptureOverlayView::start()
{
    if (m_started)
        return;
    m_started = true;
    runTranslation();
    runEtymology();
    runPronunciation();
    runMeaning();
}

std::optional<QString> CaptureOverlayView::baseLanguageCode() const
{
    const QString base = LanguageDetector::baseCode(m_detection.language);
    return base.isEmpty() ? std::nullopt : std::optional<QString>(base);
}

QString CaptureOverlayView::etymologyLanguageCode() const
{
    const std::optional<QString> target = m_services.preferences.translation().targetLanguageCode();
    if (target && !target->isEmpty())
        return LanguageCodes::base(*target);
    return m_services.preferences.interfaceLanguage().effectiveLanguageCode();
}

QCoro::Task<void> CaptureOverlayView::runTranslation()
{
    QPointer<CaptureOverlayView> self(this);
    ContextualTranslationService& service = m_services.translation;
    const ContextualTranslationService::PackCheck check = co_await service.checkPack(m_word, m_detection);
    if (!self)
        co_return;
    m_wordPackReady = check.wordPackReady;
    if (check.translatedWord && !m_translatedWord)
        m_translatedWord = check.translatedWord;
    const auto configuration = service.configuration(m_detection, check.wordPackReady);
    if (!configuration) {
        // No session will run: the card shows the word itself instead of waiting for ever.
        if (!m_isMonolingual && !m_translatedWord)
            m_translatedWord = m_word;
        changed();
        co_return;
    }
    changed();
    auto publish = [self](const ContextualTranslationService::WordTranslationState& state) {
        if (!self)
            return;
        self->m_translatedWord = state.translatedWord;
        self->m_translationFailed = state.translationFailed;
        self->m_isRefiningTranslation = state.isRefiningTranslation;
        self->m_translatedSentence = state.translatedSentence;
        self->changed();
    };
    co_await service.translateWord(
        m_word, m_sentence, configuration->first, configuration->second, m_cancel, std::move(publish));
}

QCoro::Task<void> CaptureOverlayView::runEtymology()
{
    QPointer<CaptureOverlayView> self(this);
    std::optional<EtymologyResult> result;
    const QString unit = m_services.translation.translationUnit(m_word, m_sentence);
    const std::optional<QString> code = baseLanguageCode();
    if (code && EtymologyService::isEligible(unit)) {
        result = co_await m_services.etymology.generate(unit, m_sentence, *code, etymologyLanguageCode(), m_cancel);
        if (!self)
            co_return;
    }
    m_etymology->finishLoading(std::move(result));
    changed();
    if (!m_etymology->translationConfiguration())
        co_return;
    co_await m_etymology->checkPack();
    if (!self)
        co_return;
    co_await m_etymology->translate();
    if (self)
        changed();
}

QCoro::Task<void> CaptureOverlayView::runPronunciation()
{
    QPointer<CaptureOverlayView> self(this);
    const PronunciationResult result = co_await m_services.pronunciation.fetch(m_word, baseLanguageCode());
    if (!self)
        co_return;
    m_phonetic = result.phonetic;
    m_pronunciationAudio = result.audioData;
    m_pronunciationAudioExtension = result.audioFileExtension;
    qCInfo(lcPronunciation).noquote() << QStringLiteral("Pronunciation for \"%1\": phonetic=%2, audio=%3")
                                             .arg(m_word, m_phonetic.value_or(QStringLiteral("nil")),
                                                 m_pronunciationAudio ? QStringLiteral("true")
                                                                      : QStringLiteral("false"));
    changed();
}

QCoro::Task<void> CaptureOverlayView::runMeaning()
{
    m_meaningFailed = false;
    if (m_services.preferences.translation().mode() != TranslationMode::Monolingual)
        co_return;
    const std::optional<QString> code = baseLanguageCode();
    if (!code) {
        // Skipped for want of a language counts as failed, so the card can still be saved.
        m_meaningFailed = true;
        changed();
        co_return;
    }
    QPointer<CaptureOverlayView> self(this);
    const std::optional<QString> meaning = co_await m_services.meaning.generate(m_word, m_sentence, *code);
    if (!self)
        co_return;
    m_meaning = meaning;
    m_meaningFailed = !meaning;
    changed();
}

AnkiAddState CaptureOverlayView::ankiState() const
{
    return m_addAction ? m_addAction->state() : AnkiAddState::idle();
}

bool CaptureOverlayView::savedLocally() const
{
    return savedCardId().has_value();
}

std::optional<qint64> CaptureOverlayView::savedCardId() const
{
    return m_addAction ? m_addAction->savedCardId() : std::nullopt;
}

bool CaptureOverlayView::isReadyToSave() const
{
    if (m_isRefiningTranslation)
        return false;
    if (m_services.preferences.translation().mode() == TranslationMode::Monolingual)
        return m_meaning ? true : m_meaningFailed;
    if (m_isMonolingual)
        return m_etymology->displayedEtymology().has_value() || m_phonetic.has_value();
    return m_translatedWord.has_value();
}

void CaptureOverlayView::addToAnki()
{
    if (!isReadyToSave() || !ankiState().canStart())
        return;
    VocabCardStore* store = m_services.vocabulary ? m_services.vocabulary() : nullptr;
    if (!store) {
        qCCritical(lcApp) << "The card store is not open; the card cannot be added";
        return;
    }
    if (!m_addAction) {
        m_addAction = new AnkiAddAction({ *store, m_services.anki, m_services.encyclopedia, m_services.generator },
            m_services.preferences.anki().deckName(), this);
        connect(m_addAction, &AnkiAddAction::stateChanged, this, &CaptureOverlayView::changed);
    }
    AnkiAddAction::Content content;
    content.word = m_word;
    content.sentence = m_sentence;
    content.meaning = m_meaning;
    content.translatedWord = m_translatedWord;
    content.translatedSentence = m_translatedSentence;
    const QString etymology = m_etymology->savedEtymology();
    if (!etymology.isEmpty())
        content.etymology = etymology;
    content.phonetic = m_phonetic;
    content.audioData = m_pronunciationAudio;
    content.audioFileExtension = m_pronunciationAudioExtension;
    content.detectedBaseLanguageCode = baseLanguageCode();
    content.targetLanguageCode = m_services.preferences.translation().targetLanguageCode();
    m_addAction->run(std::move(content));
}

void CaptureOverlayView::playPronunciation()
{
    if (!m_pronunciationAudio)
        return;
    if (!m_audioPlayer) {
        m_audioPlayer = new AudioPlayback(this);
        connect(m_audioPlayer, &AudioPlayback::failed, this, [](const QString& reason) {
            qCWarning(lcPronunciation).noquote() << QStringLiteral("Audio playback failed: %1").arg(reason);
        });
    }
    m_audioPlayer->play(*m_pronunciationAudio, m_pronunciationAudioExtension);
}

QString CaptureOverlayView::addButtonText() const
{
    switch (ankiState().kind) {
    case AnkiAddState::Kind::Idle:
        return m_isRefiningTranslation ? tr("Уточняем перевод…") : tr("Добавить в Anki и Quillmoor");
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
    const bool monolingualMode = m_services.preferences.translation().mode() == TranslationMode::Monolingual;
    const bool bilingualLine = !monolingualMode && !m_isMonolingual;

    m_phoneticLabel->setVisible(m_phonetic.has_value());
    m_phoneticLabel->setText(m_phonetic.value_or(QString()));
    m_playButton->setVisible(m_pronunciationAudio.has_value());

    m_translationUnavailable->setVisible(bilingualLine && m_translationFailed);
    m_translationLabel->setVisible(bilingualLine && !m_translationFailed && m_translatedWord.has_value());
    m_translationLabel->setText(m_translatedWord.value_or(QString()));
    m_translationProgress->setVisible(bilingualLine && !m_translationFailed && !m_translatedWord);

    m_noticeLabel->setVisible(m_detection.notice.has_value());
    m_noticeLabel->setText(m_detection.notice.value_or(QString()));

    m_sentenceLabel->setVisible(!m_sentence.isEmpty());
    m_sentenceTranslationLabel->setVisible(m_translatedSentence.has_value());
    m_sentenceTranslationLabel->setText(m_translatedSentence.value_or(QString()));

    m_meaningLabel->setVisible(monolingualMode && m_meaning.has_value());
    m_meaningLabel->setText(m_meaning.value_or(QString()));
    m_meaningUnavailable->setVisible(monolingualMode && !m_meaning && m_meaningFailed);
    m_meaningProgress->setVisible(monolingualMode && !m_meaning && !m_meaningFailed);

    const std::optional<QString> etymology = m_etymology->displayedEtymology();
    const bool etymologyShown = etymology || m_etymology->isEtymologyLoading();
    m_etymologyToggle->setVisible(etymologyShown);
    m_etymologyLabel->setVisible(etymologyShown);
    m_etymologyLabel->setText(etymology.value_or(QStringLiteral("…")));

    const AnkiAddState state = ankiState();
    m_addButton->setText(addButtonText());
    const bool busy = state.kind == AnkiAddState::Kind::Loading
        || (state.kind == AnkiAddState::Kind::Idle && m_isRefiningTranslation);
    if (busy) {
        m_addButton->setIcon(QIcon::fromTheme(QStringLiteral("content-loading-symbolic")));
    } else if (state.kind == AnkiAddState::Kind::Success) {
        m_addButton->setIcon(themeIcon("emblem-ok-symbolic", QStyle::SP_DialogApplyButton, style()));
    } else if (state.kind == AnkiAddState::Kind::Failure) {
        m_addButton->setIcon(themeIcon("dialog-warning", QStyle::SP_MessageBoxWarning, style()));
    } else {
        m_addButton->setIcon(QIcon::fromTheme(QStringLiteral("list-add")));
    }
    m_addButton->setEnabled(isReadyToSave() && state.canStart());
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
