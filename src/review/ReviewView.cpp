#include "review/ReviewView.h"

#include "diagnostics/QMLog.h"
#include "platform/AudioPlayback.h"
#include "preferences/InterfaceLanguagePreferences.h"
#include "review/ReviewCardView.h"
#include "review/ReviewIcons.h"
#include "review/StatsView.h"
#include "store/VocabCardStore.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
constexpr int kDeckPickerWidth = 200;
enum ReviewPage { CardPage, EmptyPage };

QLabel* wrappedLabel(QWidget* parent, const char* objectName, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

ReviewView::ReviewView(VocabCardStore& store, InterfaceLanguagePreferences& language, Options options, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_language(language)
    , m_options(std::move(options))
{
    setObjectName(QStringLiteral("reviewView"));
    if (!m_options.clock)
        m_options.clock = [] { return QDateTime::currentDateTime(); };
    m_session = std::make_unique<ReviewSession>(
        store, ReviewSession::Options { m_options.clock, m_options.afterRating }, nullptr);
    // The view holds the keyboard so that Space and 1–4 reach the shortcuts and nothing else.
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(buildHeader());
    m_screens = new QStackedWidget(this);
    m_screens->setObjectName(QStringLiteral("reviewScreens"));
    m_screens->addWidget(buildReviewScreen());
    // The statistics scroll when the window is kept small.
    m_statsHolder = new QScrollArea(m_screens);
    m_statsHolder->setObjectName(QStringLiteral("statsScreen"));
    m_statsHolder->setFrameShape(QFrame::NoFrame);
    m_statsHolder->setWidgetResizable(true);
    m_statsHolder->setFocusPolicy(Qt::NoFocus);
    m_screens->addWidget(m_statsHolder);
    // The achievements screen is built by its own subsystem; this is its place.
    m_achievementsHolder = new QWidget(m_screens);
    m_achievementsHolder->setObjectName(QStringLiteral("achievementsScreen"));
    new QVBoxLayout(m_achievementsHolder);
    m_achievementsHolder->layout()->setContentsMargins(0, 0, 0, 0);
    m_screens->addWidget(m_achievementsHolder);
    layout->addWidget(m_screens, 1);

    m_spaceShortcut = new QShortcut(QKeySequence(Qt::Key_Space), this);
    m_spaceShortcut->setAutoRepeat(false);
    connect(m_spaceShortcut, &QShortcut::activated, m_session.get(), &ReviewSession::showAnswer);
    const Qt::Key keys[] = { Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4 };
    for (int grade = 1; grade <= 4; ++grade) {
        auto* shortcut = new QShortcut(QKeySequence(keys[grade - 1]), this);
        // A held key sends repeats: only the first press rates.
        shortcut->setAutoRepeat(false);
        connect(
            shortcut, &QShortcut::activated, this, [this, grade] { m_session->rate(*FSRSRatings::fromGrade(grade)); });
        m_ratingShortcuts << shortcut;
    }

    connect(m_session.get(), &ReviewSession::changed, this, &ReviewView::refresh);
    retranslate();
    m_session->reload();
    refreshDecks();
}

ReviewView::~ReviewView() = default;

QDateTime ReviewView::now() const
{
    return m_options.clock();
}

QWidget* ReviewView::buildHeader()
{
    auto* header = new QWidget(this);
    auto* column = new QVBoxLayout(header);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    auto* segmentsRow = new QHBoxLayout;
    segmentsRow->setSpacing(0);
    m_segments = new QButtonGroup(header);
    m_segments->setExclusive(true);
    const char* names[] = { "segmentReview", "segmentStats", "segmentAchievements" };
    for (int i = 0; i < 3; ++i) {
        auto* segment = new QPushButton(header);
        segment->setObjectName(QString::fromLatin1(names[i]));
        segment->setCheckable(true);
        segment->setFocusPolicy(Qt::NoFocus);
        segment->setChecked(i == 0);
        m_segments->addButton(segment, i);
        segmentsRow->addWidget(segment, 1);
    }
    connect(m_segments, &QButtonGroup::idClicked, this, [this](int id) { setScreen(static_cast<ReviewScreen>(id)); });
    column->addLayout(segmentsRow);

    auto* deckRow = new QHBoxLayout;
    m_deckPicker = new QComboBox(header);
    m_deckPicker->setObjectName(QStringLiteral("deckPicker"));
    m_deckPicker->setFixedWidth(kDeckPickerWidth);
    m_deckPicker->setFocusPolicy(Qt::NoFocus);
    connect(m_deckPicker, &QComboBox::activated, this, &ReviewView::deckChosen);
    m_progress = new QLabel(header);
    m_progress->setObjectName(QStringLiteral("progressLabel"));
    QFont caption = m_progress->font();
    caption.setPointSizeF(11);
    caption.setWeight(QFont::Medium);
    m_progress->setFont(caption);
    deckRow->addWidget(m_deckPicker);
    deckRow->addStretch(1);
    deckRow->addWidget(m_progress);
    column->addLayout(deckRow);
    return header;
}

QWidget* ReviewView::buildReviewScreen()
{
    m_reviewPages = new QStackedWidget(this);
    m_reviewPages->setObjectName(QStringLiteral("reviewScreen"));

    auto* cardPage = new QWidget(m_reviewPages);
    auto* cardColumn = new QVBoxLayout(cardPage);
    cardColumn->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(cardPage);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    m_card = new ReviewCardView(scroll);
    scroll->setWidget(m_card);
    connect(m_card, &ReviewCardView::playAudioRequested, this, &ReviewView::playAudio);
    cardColumn->addWidget(scroll, 1);
    m_error = wrappedLabel(cardPage, "reviewError");
    m_error->setStyleSheet(QStringLiteral("color: #d70015;"));
    cardColumn->addWidget(m_error);

    m_frontActions = new QWidget(cardPage);
    auto* frontRow = new QHBoxLayout(m_frontActions);
    frontRow->setContentsMargins(0, 0, 0, 0);
    m_showAnswer = new QPushButton(m_frontActions);
    m_showAnswer->setObjectName(QStringLiteral("showAnswerButton"));
    m_showAnswer->setFocusPolicy(Qt::NoFocus);
    m_showAnswer->setMinimumHeight(36);
    m_showAnswer->setStyleSheet(QStringLiteral("QPushButton { background: #0a84ff; color: white; border-radius: 8px;"
                                               " font-weight: 600; padding: 6px 18px; }"
                                               "QPushButton:pressed { background: #0060c0; }"));
    connect(m_showAnswer, &QPushButton::clicked, m_session.get(), &ReviewSession::showAnswer);
    frontRow->addWidget(m_showAnswer);
    cardColumn->addWidget(m_frontActions);

    m_backActions = new QWidget(cardPage);
    auto* backRow = new QHBoxLayout(m_backActions);
    backRow->setContentsMargins(0, 0, 0, 0);
    addRatingButton(m_backActions, FSRSRating::Again, "rateAgain", QColor(0xff, 0x3b, 0x30));
    addRatingButton(m_backActions, FSRSRating::Hard, "rateHard", QColor(0xff, 0x95, 0x00));
    addRatingButton(m_backActions, FSRSRating::Good, "rateGood", QColor(0x28, 0xa7, 0x45));
    addRatingButton(m_backActions, FSRSRating::Easy, "rateEasy", QColor(0x0a, 0x84, 0xff));
    cardColumn->addWidget(m_backActions);
    m_reviewPages->insertWidget(CardPage, cardPage);

    auto* emptyPage = new QWidget(m_reviewPages);
    emptyPage->setObjectName(QStringLiteral("emptyState"));
    auto* emptyColumn = new QVBoxLayout(emptyPage);
    emptyColumn->addStretch(1);
    auto* symbol = new QLabel(emptyPage);
    symbol->setPixmap(ReviewIcons::checkmark().pixmap(QSize(48, 48), devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignCenter);
    emptyColumn->addWidget(symbol);
    m_emptyTitle = wrappedLabel(emptyPage, "emptyTitle", Qt::AlignCenter);
    QFont title = m_emptyTitle->font();
    title.setPointSizeF(15);
    title.setWeight(QFont::DemiBold);
    m_emptyTitle->setFont(title);
    m_emptyText = wrappedLabel(emptyPage, "emptyText", Qt::AlignCenter);
    emptyColumn->addWidget(m_emptyTitle);
    emptyColumn->addWidget(m_emptyText);
    emptyColumn->addStretch(1);
    m_reviewPages->insertWidget(EmptyPage, emptyPage);
    return m_reviewPages;
}

QPushButton* ReviewView::addRatingButton(QWidget* row, FSRSRating rating, const char* objectName, const QColor& color)
{
    auto* button = new QPushButton(row);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumHeight(36);
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; border-radius: 8px;"
                                         " font-weight: 600; padding: 6px 4px; }"
                                         "QPushButton:pressed { background: %2; }")
                              .arg(color.name(), color.darker(130).name()));
    connect(button, &QPushButton::clicked, this, [this, rating] { m_session->rate(rating); });
    row->layout()->addWidget(button);
    m_ratingButtons << button;
    return button;
}

void ReviewView::setScreen(ReviewScreen screen)
{
    if (auto* segment = m_segments->button(static_cast<int>(screen)))
        segment->setChecked(true);
    if (screen == m_screen)
        return;
    m_screen = screen;
    switch (screen) {
    case ReviewScreen::Review:
        m_session->reload();
        refreshDecks();
        break;
    case ReviewScreen::Stats:
        rebuildStats();
        break;
    case ReviewScreen::Achievements:
        rebuildAchievements();
        break;
    }
    m_screens->setCurrentIndex(static_cast<int>(screen));
    refresh();
}

// A fresh statistics screen reads fresh figures, for the deck chosen now.
void ReviewView::rebuildStats()
{
    InterfaceLanguagePreferences& language = m_language;
    m_stats = new StatsView(
        m_store, m_session->selectedDeck(), [&language] { return language.effectiveLanguageCode(); }, now().date());
    // The previous screen goes with it.
    m_statsHolder->setWidget(m_stats);
}

void ReviewView::rebuildAchievements()
{
    QLayout* holder = m_achievementsHolder->layout();
    while (QLayoutItem* item = holder->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (m_options.achievementsScreen)
        holder->addWidget(m_options.achievementsScreen());
}

void ReviewView::refreshDecks()
{
    const QSignalBlocker blocker(m_deckPicker);
    m_deckPicker->clear();
    m_deckPicker->addItem(tr("Все колоды"));
    for (const QString& deck : m_session->decks())
        m_deckPicker->addItem(deck, deck);
    const std::optional<QString> selected = m_session->selectedDeck();
    m_deckPicker->setCurrentIndex(selected ? std::max(0, m_deckPicker->findData(*selected)) : 0);
}

void ReviewView::deckChosen(int index)
{
    const QVariant data = m_deckPicker->itemData(index);
    const std::optional<QString> deck = data.isValid() ? std::optional(data.toString()) : std::nullopt;
    if (deck == m_session->selectedDeck())
        return;
    m_session->setSelectedDeck(deck);
    if (m_screen == ReviewScreen::Stats)
        rebuildStats();
}

void ReviewView::refresh()
{
    const std::optional<VocabCard>& card = m_session->currentCard();
    const bool reviewing = m_screen == ReviewScreen::Review;
    const bool back = m_session->phase() == ReviewPhase::Back;
    m_progress->setVisible(card.has_value());
    if (card) {
        m_progress->setText(tr("%1 из %2").arg(m_session->currentIndex() + 1).arg(m_session->dueCount()));
        m_card->setCard(*card, m_session->phase());
    }
    m_reviewPages->setCurrentIndex(card ? CardPage : EmptyPage);
    m_frontActions->setVisible(!back);
    m_backActions->setVisible(back);
    m_error->setVisible(m_session->ratingFailed());
    // The keys work only where their buttons are shown.
    m_spaceShortcut->setEnabled(reviewing && card && !back);
    for (QShortcut* shortcut : m_ratingShortcuts)
        shortcut->setEnabled(reviewing && card && back);
}

void ReviewView::retranslate()
{
    const QString segmentTexts[] = { tr("Повтор"), tr("Статистика"), tr("Награды") };
    for (int i = 0; i < 3; ++i)
        m_segments->button(i)->setText(segmentTexts[i]);
    if (m_deckPicker->count() > 0)
        m_deckPicker->setItemText(0, tr("Все колоды"));
    m_showAnswer->setText(tr("Показать ответ") + QStringLiteral("  (Space)"));
    const QString ratings[] = { tr("Снова"), tr("Трудно"), tr("Хорошо"), tr("Легко") };
    for (int i = 0; i < m_ratingButtons.size(); ++i)
        m_ratingButtons[i]->setText(QStringLiteral("%1  %2").arg(ratings[i]).arg(i + 1));
    m_error->setText(tr("Не удалось сохранить оценку. Попробуйте ещё раз."));
    m_emptyTitle->setText(tr("Всё повторено!"));
    m_emptyText->setText(tr("Новые карточки появятся здесь, когда подойдёт время их повторить."));
    refresh();
}

void ReviewView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ReviewView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

void ReviewView::playAudio()
{
    const std::optional<VocabCard>& card = m_session->currentCard();
    if (!card || !card->pronunciationAudio || card->pronunciationAudio->isEmpty())
        return;
    // A new player per click; the last one is kept alive while it plays.
    m_audioPlayer = std::make_unique<AudioPlayback>();
    connect(m_audioPlayer.get(), &AudioPlayback::failed, this, [](const QString& reason) {
        qCWarning(lcReview).noquote() << QStringLiteral("Audio playback failed: %1").arg(reason);
    });
    m_audioPlayer->play(*card->pronunciationAudio, card->pronunciationAudioExtension);
}
