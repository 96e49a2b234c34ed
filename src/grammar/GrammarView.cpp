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
    if (m_model->searchQuery().isEmpty()) {
        GrammarTopicRow::Content personal;
        personal.title = tr("Мои слова");
        personal.icon = GrammarTopicIcon::icon(QStringLiteral("wand.and.stars"));
        personal.isPersonalized = true;
        auto* row = new GrammarTopicRow(personal, m_topicList);
        connect(row, &QPushButton::clicked, m_model, &GrammarCourseModel::openPersonalized);
        m_topicLayout->addWidget(row);
    }
    if (m_model->topics().isEmpty()) {
        m_topicLayout->addWidget(missingCourseState());
    } else {
        const QList<GrammarBankTopic> matching = m_model->filteredTopics();
        if (matching.isEmpty()) {
            auto* none = wrappedLabel(tr("Ничего не нашлось по запросу \"%1\"").arg(m_model->searchQuery()),
                QStringLiteral("noResultsLabel"), m_topicList);
            none->setAlignment(Qt::AlignCenter);
            setSecondary(none);
            m_topicLayout->addWidget(none);
        }
        for (GrammarLevel level : GrammarLevels::all()) {
            QList<GrammarBankTopic> inLevel;
            std::copy_if(matching.cbegin(), matching.cend(), std::back_inserter(inLevel),
                [level](const GrammarBankTopic& topic) { return topic.level == level; });
            if (!inLevel.isEmpty())
                addLevel(level, inLevel);
        }
    }
    m_topicLayout->addStretch(1);
}

void GrammarView::addLevel(GrammarLevel level, const QList<GrammarBankTopic>& topics)
{
    const QString raw = GrammarLevels::rawValue(level);
    const auto [attempted, total] = m_model->levelProgress(topics);
    auto* header = new QWidget(m_topicList);
    header->setObjectName(QStringLiteral("level_") + raw);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(4, 6, 4, 0);
    auto* name = new QLabel(raw.toUpper(), header);
    name->setObjectName(QStringLiteral("levelName"));
    QFont caption = name->font();
    caption.setPointSizeF(11);
    caption.setBold(true);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    name->setFont(caption);
    setSecondary(name);
    headerRow->addWidget(name);
    if (attempted == total) {
        auto* seal = new QLabel(header);
        seal->setObjectName(QStringLiteral("levelSeal"));
        seal->setPixmap(GrammarTopicIcon::icon(QStringLiteral("checkmark.seal.fill")).pixmap(QSize(14, 14), 2.0));
        seal->setAccessibleName(tr("Все темы уровня начаты"));
        headerRow->addWidget(seal);
    }
    headerRow->addStretch(1);
    auto* progress = new QLabel(QStringLiteral("%1/%2").arg(attempted).arg(total), header);
    progress->setObjectName(QStringLiteral("levelProgress"));
    progress->setFont(caption);
    setSecondary(progress);
    headerRow->addWidget(progress);
    m_topicLayout->addWidget(header);

    // The card look: rounded, with a faint border.
    auto* card = new QFrame(m_topicList);
    card->setObjectName(QStringLiteral("levelCard"));
    card->setStyleSheet(QStringLiteral("QFrame#levelCard { border: 1px solid rgba(128, 128, 128, 0.25);"
                                       " border-radius: 14px; }"));
    auto* rows = new QVBoxLayout(card);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(0);
    const InterfaceLanguage language = m_model->interfaceLanguage();
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const GrammarBankTopic& topic = topics[i];
        if (i > 0) {
            auto* divider = new QFrame(card);
            divider->setFrameShape(QFrame::HLine);
            divider->setStyleSheet(QStringLiteral("color: rgba(128, 128, 128, 0.25);"));
            rows->addWidget(divider);
        }
        GrammarTopicRow::Content content;
        content.title = topic.displayTitle(language);
        content.icon = GrammarTopicIcon::icon(topic.systemImage);
        content.accuracy = m_model->accuracy(topic.title);
        content.onShowTheory = [this, topic] { showTheory(topic); };
        auto* row = new GrammarTopicRow(content, card);
        row->setProperty("topicID", topic.id);
        connect(row, &QPushButton::clicked, m_model, [this, topic] { m_model->openBankTopic(topic); });
        rows->addWidget(row);
    }
    m_topicLayout->addWidget(card);
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
