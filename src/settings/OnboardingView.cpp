#include "settings/OnboardingView.h"

#include "preferences/InterfaceLanguagePreferences.h"
#include "settings/ForgettingCurveDiagram.h"
#include "settings/PageDots.h"
#include "settings/PageTransition.h"
#include "settings/SettingsIcon.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct OnboardingPage
{
    const char* title;
    const char* symbol; // nullptr: the forgetting curve
    const char* color;
    const char* body;
};

// The nine pages, in order. The keys named are this platform's default triggers.
const OnboardingPage kPages[OnboardingView::kContentPages] = {
    { QT_TRANSLATE_NOOP("OnboardingView", "Добро пожаловать в Quillmoor"), "text.magnifyingglass", "blue",
        QT_TRANSLATE_NOOP("OnboardingView",
            "Наведите курсор на любое слово в любом приложении и зажмите клавишу-триггер (по умолчанию Alt) — рядом "
            "появится перевод, произношение и этимология, без переключения окон.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Что показывает карточка"), "doc.richtext", "purple",
        QT_TRANSLATE_NOOP("OnboardingView",
            "Перевод слова с учётом контекста всего предложения, транскрипция и произношение вслух, этимология — и "
            "картинка, иллюстрирующая смысл. Всё сразу, одним наведением, плюс кнопка добавить карточку в Anki.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Работает где угодно"), "rectangle.on.rectangle", "teal",
        QT_TRANSLATE_NOOP("OnboardingView",
            "Браузер, PDF, субтитры видео, даже игры и изображения — слово распознаётся прямо с экрана. Можно и "
            "ввести слово или предложение вручную через Быстрый поиск по отдельной горячей клавише.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Что такое погружение"), "globe", "green",
        QT_TRANSLATE_NOOP("OnboardingView",
            "Погружение (immersion) — это изучение языка через настоящий контент на нём: статьи, видео, переписку, "
            "игры, а не через изолированные упражнения и списки слов из учебника. Мозг запоминает лучше, когда "
            "слово встречается в живом контексте, а не в отрыве от него.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Почему это так важно"), "brain.head.profile", "pink",
        QT_TRANSLATE_NOOP("OnboardingView",
            "Quillmoor устроен вокруг погружения: вы наводите курсор на слово прямо там, где встретили его — в "
            "статье, субтитрах, переписке — и продолжаете читать, не выпадая из процесса. Слово запоминается вместе "
            "с контекстом, в котором вы его увидели, а не как оторванная карточка — именно так и формируется "
            "естественное чувство языка.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Почему мы забываем"), nullptr, nullptr,
        QT_TRANSLATE_NOOP("OnboardingView",
            "Без повторения память о новом слове угасает уже за несколько дней — это называют кривой забывания. Но "
            "если повторить слово в нужный момент, каждое следующее забывание идёт медленнее, а память закрепляется "
            "надолго.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Как работает интервальное повторение"), "repeat.circle", "orange",
        QT_TRANSLATE_NOOP("OnboardingView",
            "Одним кликом добавляйте слова в Anki — бесплатное приложение, которое само планирует повторения: "
            "показывает карточку именно тогда, когда вы вот-вот забудете слово, и раздвигает интервал, если вы её "
            "помните.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Ищите Quillmoor в области уведомлений"), "menubar.rectangle", "cyan",
        QT_TRANSLATE_NOOP("OnboardingView",
            "У Quillmoor нет окна на панели задач — приложение живёт в области уведомлений (трее), значок «QM» "
            "обычно в углу верхней или нижней панели. Оттуда доступно всё: Повторение, Разбор грамматики, "
            "Настройки, Быстрый поиск. В GNOME значки трея видны только с расширением AppIndicator (пакет "
            "gnome-shell-extension-appindicator); без него Quillmoor открывает небольшое окно с теми же командами. "
            "Дополнительную информацию о настройке Anki вы сможете найти в настройках.") },
    { QT_TRANSLATE_NOOP("OnboardingView", "Горячие клавиши"), "keyboard", "gray",
        QT_TRANSLATE_NOOP("OnboardingView",
            "У каждого способа взаимодействия своя горячая клавиша: Alt — навести на слово, Ctrl+Alt — перевести "
            "выделение, Super+Shift — быстрый поиск, Ctrl+Alt+Shift — разбор грамматики. Если какая-то из них "
            "конфликтует с другими приложениями на компьютере — поменяйте её в любой момент в Настройках → Хоткеи: "
            "кликните на комбинацию и нажмите новую.") },
};

QString interfaceLanguageName(InterfaceLanguage language)
{
    static const char* const names[] = { "Русский", "English", "Español", "中文", "日本語", "Français" };
    return QString::fromUtf8(names[int(language)]);
}

// A language row: the language's own name and, on the suggested one, the badge.
class LanguageRow : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = palette().color(QPalette::WindowText);
        fill.setAlphaF(underMouse() || isDown() ? 0.09 : 0.04);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 9, 9);
        painter.fillPath(shape, fill);
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
            painter.drawPath(shape);
        }
    }
};

QLabel* centered(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    label->setMaximumWidth(360);
    return label;
}

// The filled, rounded look of the guide's main buttons; dimmed while pressed.
void makePill(QPushButton* button)
{
    const QColor accent = button->palette().color(QPalette::Highlight);
    QColor pressed = accent;
    pressed.setAlphaF(0.75);
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 9px; "
                                         "padding: 6px 18px; font-weight: 600; }"
                                         "QPushButton:pressed { background: %3; }")
                              .arg(accent.name(), button->palette().color(QPalette::HighlightedText).name(),
                                  pressed.name(QColor::HexArgb)));
}

} // namespace

OnboardingView::OnboardingView(InterfaceLanguagePreferences& language, Options options, QWidget* parent)
    : QWidget(parent)
    , m_language(language)
    , m_options(std::move(options))
    , m_suggested(suggestedLanguage(
          m_options.preferredLanguages.isEmpty() ? QLocale::system().uiLanguages() : m_options.preferredLanguages))
{
    setObjectName(QStringLiteral("onboardingView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 8, 20, 8);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("onboardingPages"));
    m_pages->addWidget(buildLanguagePage());
    for (int number = 1; number <= kContentPages; ++number)
        m_pages->addWidget(buildContentPage(number));
    column->addStretch(1);
    column->addWidget(m_pages);
    column->addStretch(1);

    m_transition = new PageTransition(m_pages);

    auto* navigation = new QHBoxLayout;
    m_back = new QPushButton(this);
    m_back->setObjectName(QStringLiteral("onboardingBack"));
    m_back->setFlat(true);
    m_back->setForegroundRole(QPalette::PlaceholderText);
    connect(m_back, &QPushButton::clicked, this, [this] { setPageIndex(m_pageIndex - 1); });
    m_dots = new PageDots(kContentPages + 1, this);
    connect(m_dots, &PageDots::pageRequested, this, &OnboardingView::setPageIndex);
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("onboardingNext"));
    m_next->setDefault(true);
    makePill(m_next);
    connect(m_next, &QPushButton::clicked, this, [this] { setPageIndex(m_pageIndex + 1); });
    for (QPushButton* button : { m_back, m_next }) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    navigation->addWidget(m_back);
    navigation->addStretch(1);
    navigation->addWidget(m_dots);
    navigation->addStretch(1);
    navigation->addWidget(m_next);
    column->addLayout(navigation);

    m_finish = new QPushButton(this);
    m_finish->setObjectName(QStringLiteral("finishButton"));
    m_finish->setMinimumHeight(32);
    makePill(m_finish);
    connect(m_finish, &QPushButton::clicked, this, [this] {
        if (m_options.onRequestClose)
            m_options.onRequestClose();
    });
    column->addWidget(m_finish);
    QSizePolicy finishPolicy = m_finish->sizePolicy();
    finishPolicy.setRetainSizeWhenHidden(true);
    m_finish->setSizePolicy(finishPolicy);

    retranslate();
    refreshNavigation();
}

InterfaceLanguage OnboardingView::suggestedLanguage(const QStringList& preferredLanguages)
{
    static const QRegularExpression separator(QStringLiteral("[-_]"));
    for (const QString& identifier : preferredLanguages) {
        // "de-DE" and "fr_FR.UTF-8" name their language first; "C" and "POSIX" name none.
        const QString code = identifier.section(separator, 0, 0).toLower();
        if (const std::optional<InterfaceLanguage> language = InterfaceLanguages::fromRawValue(code))
            return *language;
    }
    return InterfaceLanguage::Ru;
}

QWidget* OnboardingView::buildLanguagePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("onboardingPage0"));
    auto* column = new QVBoxLayout(page);
    column->setSpacing(10);
    column->addWidget(
        new SettingsIcon(QStringLiteral("textformat"), SettingsIcon::named("mint"), 48, page), 0, Qt::AlignHCenter);
    m_languageTitle = centered(page, "languagePageTitle");
    QFont title = m_languageTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    m_languageTitle->setFont(title);
    column->addWidget(m_languageTitle);
    m_languageHint = centered(page, "languagePageHint");
    m_languageHint->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(m_languageHint);
    column->addSpacing(8);
    for (InterfaceLanguage language : InterfaceLanguages::all()) {
        auto* row = new LanguageRow(page);
        row->setObjectName(QStringLiteral("languageRow_") + InterfaceLanguages::rawValue(language));
        row->setMaximumWidth(320);
        row->setMinimumHeight(34);
        row->setAccessibleName(interfaceLanguageName(language));
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(12, 6, 12, 6);
        auto* name = new QLabel(interfaceLanguageName(language), row);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->addWidget(name);
        line->addStretch(1);
        if (language == m_suggested) {
            m_badge = new QLabel(row);
            m_badge->setObjectName(QStringLiteral("suggestedBadge"));
            m_badge->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_badge->setContentsMargins(6, 1, 6, 1);
            const QColor accent = palette().color(QPalette::Highlight);
            QColor soft = accent;
            soft.setAlphaF(0.15);
            m_badge->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border-radius: 6px; }")
                                       .arg(accent.name(), soft.name(QColor::HexArgb)));
            line->addWidget(m_badge);
        }
        connect(row, &QPushButton::clicked, this, [this, language] { chooseLanguage(language); });
        column->addWidget(row, 0, Qt::AlignHCenter);
        row->setFixedWidth(320);
    }
    return page;
}

QWidget* OnboardingView::buildContentPage(int number)
{
    const OnboardingPage& content = kPages[number - 1];
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("onboardingPage%1").arg(number));
    auto* column = new QVBoxLayout(page);
    // The texts are centred in a column about 360 points wide.
    column->setContentsMargins(8, 0, 8, 0);
    column->setSpacing(12);
    column->addStretch(1);
    auto* illustration = new QWidget(page);
    // 100 points for a symbol; the curve and its legend take what they need.
    illustration->setMinimumHeight(100);
    auto* centre = new QHBoxLayout(illustration);
    centre->setContentsMargins(0, 0, 0, 0);
    if (content.symbol)
        centre->addWidget(
            new SettingsIcon(QLatin1String(content.symbol), SettingsIcon::named(content.color), 64, illustration), 0,
            Qt::AlignCenter);
    else
        centre->addWidget(new ForgettingCurveDiagram(illustration), 1, Qt::AlignCenter);
    column->addWidget(illustration);
    QLabel* title = centered(page, "pageTitle");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.35);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    column->addWidget(title);
    QLabel* body = centered(page, "pageBody");
    body->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(body);
    column->addStretch(1);
    m_titles << title;
    m_bodies << body;
    return page;
}

void OnboardingView::chooseLanguage(InterfaceLanguage language)
{
    m_language.setLanguageCode(InterfaceLanguages::rawValue(language));
    setPageIndex(1);
}

void OnboardingView::setPageIndex(int index)
{
    index = std::clamp(index, 0, kContentPages);
    if (index == m_pageIndex)
        return;
    m_pageIndex = index;
    m_pages->setCurrentIndex(index);
    // Only once the guide is on screen: a page chosen before that has nothing to come in from.
    if (isVisible())
        m_transition->run();
    refreshNavigation();
}

void OnboardingView::refreshNavigation()
{
    const bool first = m_pageIndex == 0;
    const bool last = m_pageIndex == kContentPages;
    m_back->setVisible(!first);
    m_back->setEnabled(!first);
    m_next->setVisible(!last);
    m_next->setEnabled(!last);
    m_finish->setVisible(last);
    m_dots->setCurrent(m_pageIndex);
}

void OnboardingView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OnboardingView::retranslate()
{
    m_languageTitle->setText(tr("Выберите язык интерфейса"));
    m_languageHint->setText(tr("Можно изменить позже в настройках"));
    if (m_badge)
        m_badge->setText(tr("рекомендуем"));
    for (int i = 0; i < kContentPages; ++i) {
        m_titles[i]->setText(QCoreApplication::translate("OnboardingView", kPages[i].title));
        m_bodies[i]->setText(QCoreApplication::translate("OnboardingView", kPages[i].body));
    }
    m_back->setText(tr("Назад"));
    m_next->setText(tr("Далее"));
    m_finish->setText(tr("Приступить к изучению"));
}
