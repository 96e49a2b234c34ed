#include "grammar/GrammarPracticeView.h"

#include "grammar/GrammarCourseModel.h"
#include "grammar/GrammarTopicIcon.h"
#include "grammar/TileFlowLayout.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

enum Page { ExercisePage, PersonalEmptyPage, DoneEmptyPage };
enum AnswerPage { TextAnswer, ChoicesAnswer, WordOrderAnswer };

const QColor kGreen(0x28, 0xa7, 0x45);
const QColor kRed(0xff, 0x3b, 0x30);

QLabel* wrappedLabel(QWidget* parent, const char* objectName, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* symbol(QWidget* parent, const char* name, int size)
{
    auto* label = new QLabel(parent);
    label->setPixmap(GrammarTopicIcon::icon(QString::fromLatin1(name)).pixmap(QSize(size, size), 2.0));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void setPointSize(QWidget* widget, qreal size, QFont::Weight weight = QFont::Normal)
{
    QFont font = widget->font();
    font.setPointSizeF(size);
    font.setWeight(weight);
    widget->setFont(font);
}

// A button of the practice: never takes the focus, so keys keep reaching the shortcuts.
QPushButton* button(QWidget* parent, const char* objectName)
{
    auto* created = new QPushButton(parent);
    created->setObjectName(QString::fromLatin1(objectName));
    created->setFocusPolicy(Qt::NoFocus);
    return created;
}

// Removes the widgets of a layout at once (they are deleted later: one may be sending the click
// that led here).
void clear(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

} // namespace

GrammarPracticeView::GrammarPracticeView(GrammarCourseModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("practiceView"));
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_pages = new QStackedWidget(this);
    m_pages->insertWidget(ExercisePage, buildExercisePage());
    m_pages->insertWidget(PersonalEmptyPage, buildPersonalEmptyPage());
    m_pages->insertWidget(DoneEmptyPage, buildDoneEmptyPage());
    column->addWidget(m_pages);

    const Qt::Key keys[] = { Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4 };
    for (int grade = 1; grade <= 4; ++grade) {
        auto* shortcut = new QShortcut(QKeySequence(keys[grade - 1]), this);
        // A held key sends repeats: only the first press rates.
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, grade] { m_model.rate(*FSRSRatings::fromGrade(grade)); });
        m_ratingShortcuts << shortcut;
    }
    connect(&m_model, &GrammarCourseModel::practiceChanged, this, &GrammarPracticeView::showCard);
    connect(&m_model, &GrammarCourseModel::answerChanged, this, &GrammarPracticeView::showAnswer);
    retranslate();
    showCard();
}

QWidget* GrammarPracticeView::buildExercisePage()
{
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("exercisePage"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget(scroll);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 4, 0);
    column->setSpacing(12);
    m_progress = wrappedLabel(page, "exerciseProgress");
    setPointSize(m_progress, 11, QFont::Medium);
    column->addWidget(m_progress);
    m_prompt = wrappedLabel(page, "exercisePrompt");
    setPointSize(m_prompt, 15, QFont::DemiBold);
    column->addWidget(m_prompt);
    column->addWidget(buildAnswerControls());
    column->addWidget(buildFeedback());
    column->addStretch(1);
    scroll->setWidget(page);
    return scroll;
}

QWidget* GrammarPracticeView::buildAnswerControls()
{
    m_answerPages = new QStackedWidget(this);

    auto* textPage = new QWidget(m_answerPages);
    auto* textRow = new QHBoxLayout(textPage);
    textRow->setContentsMargins(0, 0, 0, 0);
    m_answerField = new QLineEdit(textPage);
    m_answerField->setObjectName(QStringLiteral("answerField"));
    connect(m_answerField, &QLineEdit::textEdited, &m_model, &GrammarCourseModel::setAnswerText);
    connect(m_answerField, &QLineEdit::returnPressed, this, &GrammarPracticeView::submit);
    m_checkText = button(textPage, "checkButton");
    connect(m_checkText, &QPushButton::clicked, this, &GrammarPracticeView::submit);
    textRow->addWidget(m_answerField, 1);
    textRow->addWidget(m_checkText);
    m_answerPages->insertWidget(TextAnswer, textPage);

    m_choices = new QWidget(m_answerPages);
    m_choices->setObjectName(QStringLiteral("choices"));
    auto* choiceColumn = new QVBoxLayout(m_choices);
    choiceColumn->setContentsMargins(0, 0, 0, 0);
    m_answerPages->insertWidget(ChoicesAnswer, m_choices);

    auto* orderPage = new QWidget(m_answerPages);
    auto* orderColumn = new QVBoxLayout(orderPage);
    orderColumn->setContentsMargins(0, 0, 0, 0);
    m_assembledLabel = wrappedLabel(orderPage, "assembledLabel");
    orderColumn->addWidget(m_assembledLabel);
    m_assembled = new QWidget(orderPage);
    m_assembled->setObjectName(QStringLiteral("assembledTiles"));
    m_assembled->setMinimumHeight(30);
    new TileFlowLayout(m_assembled);
    orderColumn->addWidget(m_assembled);
    auto* divider = new QFrame(orderPage);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    orderColumn->addWidget(divider);
    m_pool = new QWidget(orderPage);
    m_pool->setObjectName(QStringLiteral("poolTiles"));
    new TileFlowLayout(m_pool);
    orderColumn->addWidget(m_pool);
    m_checkOrder = button(orderPage, "checkWordOrderButton");
    connect(m_checkOrder, &QPushButton::clicked, this, &GrammarPracticeView::submit);
    orderColumn->addWidget(m_checkOrder, 0, Qt::AlignLeft);
    m_answerPages->insertWidget(WordOrderAnswer, orderPage);
    return m_answerPages;
}

QWidget* GrammarPracticeView::buildFeedback()
{
    m_feedback = new QWidget(this);
    m_feedback->setObjectName(QStringLiteral("feedback"));
    auto* column = new QVBoxLayout(m_feedback);
    column->setContentsMargins(0, 4, 0, 0);
    auto* resultRow = new QHBoxLayout;
    m_resultIcon = new QLabel(m_feedback);
    resultRow->addWidget(m_resultIcon, 0, Qt::AlignTop);
    m_result = wrappedLabel(m_feedback, "resultLabel");
    setPointSize(m_result, 13, QFont::DemiBold);
    resultRow->addWidget(m_result, 1);
    column->addLayout(resultRow);
    m_explanation = wrappedLabel(m_feedback, "explanationLabel");
    column->addWidget(m_explanation);
    auto* ratings = new QWidget(m_feedback);
    new QHBoxLayout(ratings);
    ratings->layout()->setContentsMargins(0, 0, 0, 0);
    addRatingButton(ratings, FSRSRating::Again, "rateAgain", kRed);
    addRatingButton(ratings, FSRSRating::Hard, "rateHard", QColor(0xff, 0x95, 0x00));
    addRatingButton(ratings, FSRSRating::Good, "rateGood", kGreen);
    addRatingButton(ratings, FSRSRating::Easy, "rateEasy", QColor(0x0a, 0x84, 0xff));
    column->addWidget(ratings);
    m_ratingError = wrappedLabel(m_feedback, "ratingError");
    m_ratingError->setStyleSheet(QStringLiteral("color: #d70015;"));
    column->addWidget(m_ratingError);
    return m_feedback;
}

QPushButton* GrammarPracticeView::addRatingButton(
    QWidget* row, FSRSRating rating, const char* objectName, const QColor& color)
{
    QPushButton* rate = button(row, objectName);
    rate->setMinimumHeight(34);
    rate->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; border-radius: 8px;"
                                       " font-weight: 600; padding: 6px 4px; }"
                                       "QPushButton:pressed { background: %2; }")
                            .arg(color.name(), color.darker(130).name()));
    connect(rate, &QPushButton::clicked, this, [this, rating] { m_model.rate(rating); });
    row->layout()->addWidget(rate);
    m_ratingButtons << rate;
    return rate;
}

QWidget* GrammarPracticeView::buildPersonalEmptyPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("personalEmptyState"));
    auto* column = new QVBoxLayout(page);
    column->addStretch(1);
    column->addWidget(symbol(page, "wand.and.stars", 40));
    m_personalTitle = wrappedLabel(page, "personalEmptyTitle", Qt::AlignCenter);
    setPointSize(m_personalTitle, 15, QFont::DemiBold);
    m_personalText = wrappedLabel(page, "personalEmptyText", Qt::AlignCenter);
    column->addWidget(m_personalTitle);
    column->addWidget(m_personalText);
    m_generating = new QProgressBar(page);
    m_generating->setObjectName(QStringLiteral("generationProgress"));
    m_generating->setRange(0, 0);
    m_generating->setTextVisible(false);
    m_generating->setMaximumWidth(160);
    column->addWidget(m_generating, 0, Qt::AlignCenter);
    m_noWords = wrappedLabel(page, "noWordsLabel", Qt::AlignCenter);
    column->addWidget(m_noWords);
    m_generationError = wrappedLabel(page, "generationError", Qt::AlignCenter);
    m_generationError->setStyleSheet(QStringLiteral("color: #d70015;"));
    column->addWidget(m_generationError);
    m_generate = button(page, "generateButton");
    m_generate->setMinimumHeight(34);
    m_generate->setStyleSheet(QStringLiteral("QPushButton { background: #0a84ff; color: white; border-radius: 8px;"
                                             " font-weight: 600; padding: 6px 18px; }"
                                             "QPushButton:pressed { background: #0060c0; }"));
    connect(m_generate, &QPushButton::clicked, this, [this] { m_model.generatePersonalized(); });
    column->addWidget(m_generate, 0, Qt::AlignCenter);
    column->addStretch(1);
    return page;
}

QWidget* GrammarPracticeView::buildDoneEmptyPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("doneState"));
    auto* column = new QVBoxLayout(page);
    column->addStretch(1);
    column->addWidget(symbol(page, "checkmark.circle.fill", 44));
    m_doneTitle = wrappedLabel(page, "doneTitle", Qt::AlignCenter);
    setPointSize(m_doneTitle, 15, QFont::DemiBold);
    m_doneText = wrappedLabel(page, "doneText", Qt::AlignCenter);
    column->addWidget(m_doneTitle);
    column->addWidget(m_doneText);
    column->addStretch(1);
    return page;
}

// A new card, a new practice or the end of one.
void GrammarPracticeView::showCard()
{
    const std::optional<GrammarCard> card = m_model.currentCard();
    if (!card) {
        const bool personal = m_model.currentTopicIsPersonalized()
            && (m_model.isGenerating() || m_model.generationFailed() || !m_model.hasPersonalizedCards());
        m_pages->setCurrentIndex(personal ? PersonalEmptyPage : DoneEmptyPage);
        if (personal) {
            const bool generating = m_model.isGenerating();
            const bool studied = generating || m_model.hasStudiedWords();
            m_generating->setVisible(generating);
            m_noWords->setVisible(!generating && !studied);
            m_generate->setVisible(!generating && studied);
            m_generationError->setVisible(!generating && m_model.generationFailed());
        }
        showAnswer();
        return;
    }
    m_pages->setCurrentIndex(ExercisePage);
    m_answerField->clear();
    m_answerField->setReadOnly(false);
    switch (GrammarCourseModel::answerKind(*card)) {
    case GrammarCourseModel::AnswerKind::Text:
        m_answerPages->setCurrentIndex(TextAnswer);
        break;
    case GrammarCourseModel::AnswerKind::Choices:
        m_answerPages->setCurrentIndex(ChoicesAnswer);
        rebuildChoices();
        break;
    case GrammarCourseModel::AnswerKind::WordOrder:
        m_answerPages->setCurrentIndex(WordOrderAnswer);
        break;
    }
    // The answer area is as tall as the control shown, not as the tallest of the three.
    for (int i = 0; i < m_answerPages->count(); ++i) {
        const QSizePolicy::Policy policy
            = i == m_answerPages->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        m_answerPages->widget(i)->setSizePolicy(policy, policy);
    }
    m_answerPages->updateGeometry();
    showAnswer();
    focusAnswer();
}

void GrammarPracticeView::focusAnswer()
{
    if (!isVisible())
        return;
    const std::optional<GrammarCard> card = m_model.currentCard();
    const bool typing = card && !m_model.hasAnswered()
        && GrammarCourseModel::answerKind(*card) == GrammarCourseModel::AnswerKind::Text;
    if (typing)
        m_answerField->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void GrammarPracticeView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    focusAnswer();
}

void GrammarPracticeView::rebuildChoices()
{
    clear(m_choices->layout());
    m_choiceButtons.clear();
    const std::optional<GrammarCard> card = m_model.currentCard();
    if (!card)
        return;
    for (const QString& choice : card->choices) {
        QPushButton* option = button(m_choices, "choiceButton");
        option->setText(choice);
        option->setMinimumHeight(32);
        connect(option, &QPushButton::clicked, this, [this, choice] { m_model.choose(choice); });
        m_choices->layout()->addWidget(option);
        m_choiceButtons << option;
    }
}

void GrammarPracticeView::rebuildTiles()
{
    clear(m_assembled->layout());
    clear(m_pool->layout());
    const QString chip = QStringLiteral("QPushButton { border: 1px solid rgba(10, 132, 255, 0.5); border-radius: 12px;"
                                        " padding: 4px 12px; background: rgba(10, 132, 255, 0.10); }"
                                        "QPushButton:pressed { background: rgba(10, 132, 255, 0.25); }");
    const QStringList assembled = m_model.wordOrderAssembled();
    for (int i = 0; i < assembled.size(); ++i) {
        QPushButton* tile = button(m_assembled, "assembledTile");
        tile->setText(assembled[i]);
        tile->setStyleSheet(chip);
        tile->setEnabled(!m_model.hasAnswered());
        connect(tile, &QPushButton::clicked, this, [this, i] { m_model.returnTile(i); });
        m_assembled->layout()->addWidget(tile);
    }
    const QStringList pool = m_model.wordOrderPool();
    for (int i = 0; i < pool.size(); ++i) {
        QPushButton* tile = button(m_pool, "poolTile");
        tile->setText(pool[i]);
        tile->setStyleSheet(chip);
        connect(tile, &QPushButton::clicked, this, [this, i] { m_model.placeTile(i); });
        m_pool->layout()->addWidget(tile);
    }
}

// The state of the current card's answer: what can be checked, the feedback and the ratings.
void GrammarPracticeView::showAnswer()
{
    const std::optional<GrammarCard> card = m_model.currentCard();
    const bool answered = card && m_model.hasAnswered();
    for (QShortcut* shortcut : m_ratingShortcuts)
        shortcut->setEnabled(answered && m_model.screen() == GrammarCourseModel::Screen::Exercises);
    if (!card)
        return;
    m_progress->setText(tr("%1 из %2 · %3")
                            .arg(m_model.currentIndex() + 1)
                            .arg(m_model.queue().size())
                            .arg(m_model.displayTopicTitle(*card)));
    m_prompt->setText(m_model.displayPrompt(*card));
    if (GrammarCourseModel::answerKind(*card) == GrammarCourseModel::AnswerKind::WordOrder)
        rebuildTiles();
    m_checkText->setEnabled(m_model.canSubmit());
    m_checkOrder->setEnabled(m_model.canSubmit());
    m_checkText->setVisible(!answered);
    m_checkOrder->setVisible(!answered);
    for (QPushButton* option : m_choiceButtons) {
        const bool chosen = answered && m_model.selectedChoice() == option->text();
        const bool right = answered && GrammarCourseModel::isCorrect(*card, option->text());
        option->setStyleSheet(right ? QStringLiteral("QPushButton { border: 2px solid %1; }").arg(kGreen.name())
                : chosen            ? QStringLiteral("QPushButton { border: 2px solid %1; }").arg(kRed.name())
                                    : QString());
    }
    m_feedback->setVisible(answered);
    if (!answered)
        return;
    const bool correct = m_model.wasCorrect();
    m_resultIcon->setPixmap(
        GrammarTopicIcon::icon(correct ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("xmark.circle.fill"))
            .pixmap(QSize(20, 20), devicePixelRatioF()));
    m_result->setText(correct ? tr("Верно!") : tr("Неверно — правильный ответ: %1").arg(card->correctAnswer));
    QPalette palette = m_result->palette();
    palette.setColor(QPalette::WindowText, correct ? kGreen : kRed);
    m_result->setPalette(palette);
    const QString explanation = m_model.displayExplanation(*card);
    m_explanation->setText(explanation);
    m_explanation->setVisible(!explanation.isEmpty());
    m_ratingError->setVisible(m_model.ratingFailed());
}

void GrammarPracticeView::submit()
{
    if (!m_model.canSubmit())
        return;
    m_model.submitAnswer();
    // The field keeps the answer but no longer takes keys: 1–4 now rate.
    m_answerField->setReadOnly(true);
    focusAnswer();
}

void GrammarPracticeView::retranslate()
{
    m_answerField->setPlaceholderText(tr("Ваш ответ"));
    m_answerField->setAccessibleName(tr("Ваш ответ"));
    m_checkText->setText(tr("Проверить"));
    m_checkOrder->setText(tr("Проверить"));
    m_assembledLabel->setText(tr("Собранное предложение:"));
    const QString ratings[] = { tr("Again"), tr("Hard"), tr("Good"), tr("Easy") };
    for (int i = 0; i < m_ratingButtons.size(); ++i)
        m_ratingButtons[i]->setText(QStringLiteral("%1  %2").arg(ratings[i]).arg(i + 1));
    m_ratingError->setText(tr("Не удалось сохранить оценку. Попробуйте ещё раз."));
    m_personalTitle->setText(tr("Ещё нет персональных заданий"));
    m_personalText->setText(tr("Сгенерируем несколько упражнений на основе слов, которые вы уже учите."));
    m_generating->setAccessibleName(tr("Создаём упражнения…"));
    m_noWords->setText(tr("Сначала добавьте и повторите хотя бы одно слово в словарной колоде."));
    m_generationError->setText(tr("Не удалось сохранить упражнения. Попробуйте ещё раз."));
    m_generate->setText(tr("Сгенерировать"));
    m_doneTitle->setText(tr("Всё повторено!"));
    m_doneText->setText(tr("Новые задания появятся здесь, когда подойдёт время их повторить."));
}

void GrammarPracticeView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showAnswer();
    }
    QWidget::changeEvent(event);
}
