// The grammar window over the seven bundled courses and 5,000 grammar cards: opening it until the
// topic list is painted (the course file is read before, and timed on its own), and a keystroke in the search
// field until the filtered list is painted. Runs inside the test desktop (it shows real windows).
//   bench_grammar_window [language]
#include "app/GrammarWindowController.h"
#include "app/SectionWindow.h"
#include "grammar/GrammarBankCatalog.h"
#include "grammar/GrammarCourseModel.h"
#include "grammar/GrammarExerciseGenerationService.h"
#include "language/LanguageModelClient.h"
#include "preferences/Preferences.h"
#include "store/CardDatabase.h"
#include "store/GrammarCardStore.h"
#include "store/VocabCardStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kCards = 5000;

// Notes the first paint of a widget (or of one of its children) after it is armed.
class PaintWatch : public QObject
{
public:
    void arm(QWidget* widget)
    {
        m_painted = false;
        if (m_widget == widget)
            return;
        if (m_widget)
            m_widget->removeEventFilter(this);
        m_widget = widget;
        widget->installEventFilter(this);
    }
    void waitPainted()
    {
        while (!m_painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    bool m_painted = false;
};

void report(const char* name, std::vector<double> times, double targetMs)
{
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms  worst %7.2f ms  (%zu runs, target %g ms)\n", name, times[times.size() / 2],
        times.back(), times.size(), targetMs);
}

double elapsedMs(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Cards spread over every topic of every course, most of them rated.
void fill(GrammarCardStore& store, CardDatabase& database, GrammarBankCatalog& catalog)
{
    QStringList titles;
    for (const QString& code : catalog.languagesWithCourse()) {
        for (const GrammarBankTopic& topic : catalog.load(code))
            titles << topic.title;
    }
    QList<GrammarCardStore::PersonalizedExercise> exercises;
    for (int i = 0; i < kCards; ++i) {
        exercises.append({ QStringLiteral("cloze"), titles[i % titles.size()], QStringLiteral("Prompt %1 ___.").arg(i),
            {}, QStringLiteral("answer"), QStringLiteral("Because.") });
    }
    store.addPersonalized(exercises);
    QSqlQuery query(database.db());
    query.exec(QStringLiteral("UPDATE grammar_card SET reps = abs(random()) % 6, lapses = abs(random()) % 2"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString language = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("de");
    QTemporaryDir dir;
    QString error;
    auto database = CardDatabase::open(dir.filePath(QStringLiteral("cards.sqlite")), &error);
    if (!database) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    GrammarCardStore cards(*database);
    VocabCardStore vocabulary(*database);
    Preferences preferences(dir.filePath(QStringLiteral("defaults.json")));
    preferences.translation().setStudyLanguageCode(language);
    LanguageModelClient model(preferences.store());
    GrammarExerciseGenerationService generator(model, vocabulary, {});
    {
        GrammarBankCatalog filler;
        fill(cards, *database, filler);
    }
    std::printf("%lld grammar cards, study language %s\n", qlonglong(cards.allCards().size()), qPrintable(language));

    GrammarBankCatalog catalog;
    QElapsedTimer courseTimer;
    courseTimer.start();
    const qsizetype topicCount = catalog.topics(language).size();
    std::printf("reading the course (%lld topics): %.2f ms\n", qlonglong(topicCount), elapsedMs(courseTimer));
    const GrammarCourseServices services { catalog, cards, vocabulary, generator, preferences.translation(),
        preferences.interfaceLanguage() };
    PaintWatch watch;
    std::vector<double> first, opening, building, keystroke;
    std::unique_ptr<GrammarWindowController> controller;
    for (int run = 0; run < 8; ++run) {
        controller.reset();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        controller = std::make_unique<GrammarWindowController>(&services, nullptr);
        building.push_back(elapsedMs(timer));
        watch.arm(controller->window()->findChild<QWidget*>(QStringLiteral("topicList")));
        controller->showWindow();
        watch.waitPainted();
        (run == 0 ? first : opening).push_back(elapsedMs(timer));
    }

    auto* search = controller->window()->findChild<QLineEdit*>(QStringLiteral("searchField"));
    const QString typed = QStringLiteral("artikel");
    for (int run = 0; run < 5; ++run) {
        search->clear();
        QApplication::processEvents();
        for (QChar letter : typed) {
            QElapsedTimer timer;
            timer.start();
            // The field repaints on every keystroke, and the list (when its rows change) in the
            // same pass over the window.
            watch.arm(search);
            QTest::keyClick(search, letter.toLatin1());
            watch.waitPainted();
            keystroke.push_back(elapsedMs(timer));
        }
    }

    report("first opening (course read) to the list painted", first, 80);
    report("opening to the topic list painted", opening, 80);
    report("  of which building the window and its view", building, 80);
    report("search keystroke to the filtered list", keystroke, 10);
    return 0;
}
