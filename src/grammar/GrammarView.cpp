#include "grammar/GrammarView.h"

#include "grammar/GrammarPracticeView.h"
#include "grammar/GrammarTheoryView.h"
#include "grammar/GrammarTopicIcon.h"
#include "grammar/GrammarTopicRow.h"
#include "preferences/SupportedLanguages.h"
#include "preferences/TranslationPreferences.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kLanguagePickerWidth = 120;
constexpr int kMissingCourseTextWidth = 320;

QLabel* wrappedLabel(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setSecondary(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    widget->setPalette(palette);
}

} // namespace

GrammarView::GrammarView(GrammarCourseServices services, GrammarCourseModel::Options options, QWidget* parent)
    : QWidget(parent)
    , m_services(services)
    , m_model(new GrammarCourseModel(services, std::move(options), this))
{
    setObjectName(QStringLiteral("grammarView"));
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(buildHeader());
    m_screens = new QStackedWidget(this);
    m_screens->addWidget(buildTopicsPage());
    m_practice = new GrammarPracticeView(*m_model, m_screens);
    m_screens->addWidget(m_practice);
    column->addWidget(m_screens, 1);

    connect(m_model, &GrammarCourseModel::topicsChanged, this, [this] {
        rebuildTopics();
        refreshHeader();
    });
    connect(m_model, &GrammarCourseModel::searchChanged, this, &GrammarView::applySearch);
    connect(m_model, &GrammarCourseModel::practiceChanged, this, &GrammarView::refreshHeader);
    connect(&m_services.translation, &TranslationPreferences::studyLanguageCodeChanged, this,
        &GrammarView::refreshLanguagePicker);
    retranslate();
    rebuildTopics();
    refreshHeader();
}

QWidget* GrammarView::buildHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    m_back = new QPushButton(GrammarTopicIcon::icon(QStringLiteral("chevron.left")), QString(), header);
    m_back->setObjectName(QStringLiteral("backButton"));
    m_back->setFlat(true);
    m_back->setFocusPolicy(Qt::NoFocus);
    connect(m_back, &QPushButton::clicked, m_model, &GrammarCourseModel::backToTopics);
    row->addWidget(m_back);
    row->addStretch(1);
    m_streak = new QLabel(header);
    m_streak->setObjectName(QStringLiteral("streakLabel"));
    row->addWidget(m_streak);
    m_languagePicker = new QComboBox(header);
    m_languagePicker->setObjectName(QStringLiteral("studyLanguagePicker"));
    m_languagePicker->setFixedWidth(kLanguagePickerWidth);
    m_languagePicker->addItem(QString());
    for (const LanguageOption& option : SupportedLanguages::all())
        m_languagePicker->addItem(option.displayName, option.id);
    connect(m_languagePicker, &QComboBox::activated, this, &GrammarView::languageChosen);
    row->addWidget(m_languagePicker);
    refreshLanguagePicker();
    return header;
}

QWidget* GrammarView::buildTopicsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("topicsPage"));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    m_search = new QLineEdit(page);
    m_search->setObjectName(QStringLiteral("searchField"));
    m_search->setClearButtonEnabled(true);
    m_search->addAction(GrammarTopicIcon::icon(QStringLiteral("magnifyingglass")), QLineEdit::LeadingPosition);
    connect(m_search, &QLineEdit::textChanged, m_model, &GrammarCourseModel::setSearchQuery);
    column->addWidget(m_search);
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    m_topicList = new QWidget(scroll);
    m_topicList->setObjectName(QStringLiteral("topicList"));
    m_topicLayout = new QVBoxLayout(m_topicList);
    m_topicLayout->setContentsMargins(0, 4, 4, 4);
    m_topicLayout->setSpacing(8);
    scroll->setWidget(m_topicList);
    column->addWidget(scroll, 1);
    return page;
}

QIcon GrammarView::icon(const QString& name)
{
    // One icon per symbol: it keeps the pixmaps it has drawn.
    auto found = m_icons.find(name);
    if (found == m_icons.end())
        found = m_icons.insert(name, GrammarTopicIcon::icon(name));
    return found.value();
}

void GrammarView::rebuildTopics()
{
    while (QLayoutItem* item = m_topicLayout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    m_levels.clear();
    m_noResults = nullptr;

    GrammarTopicRow::Content personal;
    personal.title = tr("Мои слова");
    personal.icon = icon(QStringLiteral("wand.and.stars"));
    personal.isPersonalized = true;
    auto* personalRow = new GrammarTopicRow(personal, m_topicList);
    connect(personalRow, &QPushButton::clicked, m_model, &GrammarCourseModel::openPersonalized);
    m_personalRow = personalRow;
    m_topicLayout->addWidget(m_personalRow);
    const QList<GrammarBankTopic>& topics = m_model->topics();
    if (topics.isEmpty()) {
        QWidget* missing = missingCourseState();
        m_topicLayout->addWidget(missing);
        missing->show();
    } else {
        m_noResults = wrappedLabel(QString(), QStringLiteral("noResultsLabel"), m_topicList);
        m_noResults->setAlignment(Qt::AlignCenter);
        setSecondary(m_noResults);
        m_topicLayout->addWidget(m_noResults);
        for (GrammarLevel level : GrammarLevels::all()) {
            QList<GrammarBankTopic> inLevel;
            std::copy_if(topics.cbegin(), topics.cend(), std::back_inserter(inLevel),
                [level](const GrammarBankTopic& topic) { return topic.level == level; });
            if (!inLevel.isEmpty())
                addLevel(level, inLevel);
        }
    }
    m_topicLayout->addStretch(1);
    applySearch();
}

void GrammarView::addLevel(GrammarLevel level, const QList<GrammarBankTopic>& topics)
{
    const QString raw = GrammarLevels::rawValue(level);
    LevelSection section;
    section.header = new QWidget(m_topicList);
    section.header->setObjectName(QStringLiteral("level_") + raw);
    auto* headerRow = new QHBoxLayout(section.header);
    headerRow->setContentsMargins(4, 6, 4, 0);
    auto* name = new QLabel(raw.toUpper(), section.header);
    name->setObjectName(QStringLiteral("levelName"));
    QFont caption = name->font();
    caption.setPointSizeF(11);
    caption.setBold(true);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    name->setFont(caption);
    setSecondary(name);
    headerRow->addWidget(name);
    section.seal = new QLabel(section.header);
    section.seal->setObjectName(QStringLiteral("levelSeal"));
    section.seal->setPixmap(icon(QStringLiteral("checkmark.seal.fill")).pixmap(QSize(14, 14), devicePixelRatioF()));
    section.seal->setAccessibleName(tr("Все темы уровня начаты"));
    headerRow->addWidget(section.seal);
    headerRow->addStretch(1);
    section.progress = new QLabel(section.header);
    section.progress->setObjectName(QStringLiteral("levelProgress"));
    section.progress->setFont(caption);
    setSecondary(section.progress);
    headerRow->addWidget(section.progress);
    m_topicLayout->addWidget(section.header);

    // The card look: rounded, with a faint border.
    auto* card = new QFrame(m_topicList);
    card->setObjectName(QStringLiteral("levelCard"));
    card->setStyleSheet(QStringLiteral("QFrame#levelCard { border: 1px solid rgba(128, 128, 128, 0.25);"
                                       " border-radius: 14px; }"));
    section.card = card;
    auto* rows = new QVBoxLayout(card);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(0);
    const InterfaceLanguage language = m_model->interfaceLanguage();
    for (const GrammarBankTopic& topic : topics) {
        QFrame* divider = nullptr;
        if (!section.rows.isEmpty()) {
            divider = new QFrame(card);
            divider->setFrameShape(QFrame::HLine);
            divider->setStyleSheet(QStringLiteral("color: rgba(128, 128, 128, 0.25);"));
            rows->addWidget(divider);
        }
        GrammarTopicRow::Content content;
        content.title = topic.displayTitle(language);
        content.icon = icon(topic.systemImage);
        content.accuracy = m_model->accuracy(topic.title);
        content.onShowTheory = [this, topic] { showTheory(topic); };
        auto* row = new GrammarTopicRow(content, card);
        row->setProperty("topicID", topic.id);
        connect(row, &QPushButton::clicked, m_model, [this, topic] { m_model->openBankTopic(topic); });
        rows->addWidget(row);
        section.rows.append({ topic.title, row, divider });
    }
    m_topicLayout->addWidget(card);
    m_levels.append(section);
}

void GrammarView::applySearch()
{
    QSet<QString> matching;
    for (const GrammarBankTopic& topic : m_model->filteredTopics())
        matching.insert(topic.title);
    m_personalRow->setVisible(m_model->searchQuery().isEmpty());
    if (m_noResults) {
        m_noResults->setText(tr("Ничего не нашлось по запросу \"%1\"").arg(m_model->searchQuery()));
        m_noResults->setVisible(matching.isEmpty());
    }
    for (const LevelSection& section : std::as_const(m_levels)) {
        int shown = 0;
        int attempted = 0;
        for (const TopicRowEntry& entry : section.rows) {
            const bool visible = matching.contains(entry.title);
            if (entry.divider)
                entry.divider->setVisible(visible && shown > 0);
            entry.row->setVisible(visible);
            shown += visible ? 1 : 0;
            attempted += visible && m_model->accuracy(entry.title) ? 1 : 0;
        }
        section.header->setVisible(shown > 0);
        section.card->setVisible(shown > 0);
        section.progress->setText(QStringLiteral("%1/%2").arg(attempted).arg(shown));
        section.seal->setVisible(attempted == shown);
    }
}

QWidget* GrammarView::missingCourseState()
{
    auto* state = new QWidget(m_topicList);
    state->setObjectName(QStringLiteral("missingCourseState"));
    auto* column = new QVBoxLayout(state);
    column->setContentsMargins(0, 24, 0, 0);
    auto* icon = new QLabel(state);
    icon->setPixmap(GrammarTopicIcon::icon(QStringLiteral("text.book.closed")).pixmap(QSize(40, 40), 2.0));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    auto* title = wrappedLabel(
        tr("Курс грамматики пока не готов для этого языка"), QStringLiteral("missingCourseTitle"), state);
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setPointSizeF(15);
    font.setWeight(QFont::DemiBold);
    title->setFont(font);
    column->addWidget(title);
    auto* text = wrappedLabel(tr("Мы работаем над тем, чтобы это исправить. А пока попробуйте раздел «Мои слова» — "
                                 "упражнения на основе вашего словаря."),
        QStringLiteral("missingCourseText"), state);
    text->setAlignment(Qt::AlignCenter);
    text->setMaximumWidth(kMissingCourseTextWidth);
    setSecondary(text);
    column->addWidget(text, 0, Qt::AlignHCenter);
    return state;
}

void GrammarView::showTheory(const GrammarBankTopic& topic)
{
    auto* sheet = new GrammarTheoryView(topic, m_model->interfaceLanguage(), this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::accepted, m_model, [this, topic] { m_model->openBankTopic(topic); });
    sheet->open();
}

void GrammarView::refreshHeader()
{
    const bool practising = m_model->screen() == GrammarCourseModel::Screen::Exercises;
    m_screens->setCurrentIndex(practising ? 1 : 0);
    m_back->setVisible(practising);
    m_streak->setVisible(!practising && m_model->streak() >= 1);
    m_streak->setText(tr("Стрик: %1 🔥").arg(m_model->streak()));
    m_languagePicker->setVisible(!practising);
    if (!practising && m_practice->hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void GrammarView::refreshLanguagePicker()
{
    const std::optional<QString> code = m_services.translation.studyLanguageCode();
    const int index = code ? m_languagePicker->findData(*code) : 0;
    m_languagePicker->setCurrentIndex(std::max(0, index));
}

void GrammarView::languageChosen(int index)
{
    const QVariant code = m_languagePicker->itemData(index);
    m_services.translation.setStudyLanguageCode(code.isValid() ? std::optional(code.toString()) : std::nullopt);
}

void GrammarView::retranslate()
{
    m_back->setAccessibleName(tr("Назад"));
    m_back->setToolTip(tr("Назад"));
    m_languagePicker->setItemText(0, tr("Авто"));
    m_languagePicker->setAccessibleName(tr("Язык изучения"));
    m_search->setPlaceholderText(tr("Поиск темы — например, articles или артикли"));
    m_search->setAccessibleName(tr("Поиск темы"));
    m_streak->setText(tr("Стрик: %1 🔥").arg(m_model->streak()));
}

void GrammarView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        rebuildTopics();
    }
    QWidget::changeEvent(event);
}
