#include "language/ApertiumPairProcess.h"

#include "diagnostics/QMLog.h"

#include <QCoroProcess>
#include <QCoroSignal>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

#include <signal.h>
#include <unistd.h>

#include <chrono>

namespace {

QRegularExpression markPattern(QChar mark)
{
    // A mark opens a word: it stands at the start or after a non-word character.
    return QRegularExpression(QStringLiteral("(^|[^\\p{L}\\p{N}])") + QRegularExpression::escape(QString(mark))
        + QStringLiteral("(?=[\\p{L}\\p{N}])"));
}

} // namespace

ApertiumPairProcess::ApertiumPairProcess(QString modeFile, Options options, QObject* parent)
    : QObject(parent)
    , m_modeFile(std::move(modeFile))
    , m_name(QFileInfo(m_modeFile).completeBaseName())
    , m_command(std::move(options.command))
    , m_timeout(options.timeout)
{
}

ApertiumPairProcess::~ApertiumPairProcess()
{
    failAll(QStringLiteral("shutting down"));
    stop();
}

QString ApertiumPairProcess::stripMarks(const QString& translation, const QString& source)
{
    QString text = translation;
    for (const QChar mark : { QLatin1Char('*'), QLatin1Char('@'), QLatin1Char('#') }) {
        const QRegularExpression pattern = markPattern(mark);
        // "#hashtag" in the source comes back as it was: that mark is the user's, not apertium's.
        if (source.contains(pattern))
            continue;
        text.replace(pattern, QStringLiteral("\\1"));
    }
    return text;
}

QString ApertiumPairProcess::matchInitialCase(const QString& translation, const QString& source)
{
    // Apertium capitalises the start of every text it is given; a lower-case word or fragment
    // stays lower case.
    const auto firstLetter = [](const QString& text) -> qsizetype {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i).isLetter())
                return i;
        }
        return -1;
    };
    const qsizetype inSource = firstLetter(source);
    const qsizetype inTranslation = firstLetter(translation);
    if (inSource < 0 || inTranslation < 0 || !source.at(inSource).isLower() || !translation.at(inTranslation).isUpper())
        return translation;
    QString text = translation;
    text[inTranslation] = text.at(inTranslation).toLower();
    return text;
}

namespace {

// The word-bound blank that marks the words a caller follows through the translation.
const QString kMarkOpen = QStringLiteral("[[t:b:qm]]");
const QString kMarkClose = QStringLiteral("[[/]]");

// Appends text with apertium's special characters escaped and white space collapsed to single
// spaces: a captured sentence's line breaks are layout, not structure.
void appendEscaped(QString& stream, QStringView text)
{
    static const QString special = QStringLiteral("[]^$/\\<>{}@");
    for (const QChar c : text) {
        if (c.isSpace()) {
            if (!stream.isEmpty() && !stream.endsWith(QLatin1Char(' ')))
                stream.append(QLatin1Char(' '));
            continue;
        }
        if (special.contains(c))
            stream.append(QLatin1Char('\\'));
        stream.append(c);
    }
}

} // namespace

QString ApertiumPairProcess::toStream(const QString& text, qsizetype markStart, qsizetype markLength)
{
    QString stream;
    stream.reserve(text.size() + 32);
    if (markStart < 0 || markLength <= 0 || markStart + markLength > text.size()) {
        appendEscaped(stream, text);
    } else {
        appendEscaped(stream, QStringView(text).left(markStart));
        const QStringList words
            = text.mid(markStart, markLength).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            if (!stream.isEmpty() && !stream.endsWith(QLatin1Char(' ')))
                stream.append(QLatin1Char(' '));
            stream.append(kMarkOpen);
            appendEscaped(stream, word);
            stream.append(kMarkClose);
        }
        appendEscaped(stream, QStringView(text).mid(markStart + markLength));
    }
    while (stream.startsWith(QLatin1Char(' ')))
        stream.remove(0, 1);
    while (stream.endsWith(QLatin1Char(' ')))
        stream.chop(1);
    // As the text deformatter does: a period before the closing blank marks the end of the sentence
    // for the tagger; the re-formatting drops it again.
    stream.append(QStringLiteral(".[]"));
    return stream;
}

QString ApertiumPairProcess::fromStream(const QString& stream)
{
    return readStream(stream).text;
}

ApertiumPairProcess::Output ApertiumPairProcess::readStream(const QString& stream)
{
    Output output;
    QStringList marked;
    bool inMark = false;
    QString& text = output.text;
    text.reserve(stream.size());
    for (qsizetype i = 0; i < stream.size(); ++i) {
        const QChar c = stream.at(i);
        if (c == QLatin1Char('\\') && i + 1 < stream.size()) {
            text.append(stream.at(++i));
            if (inMark)
                marked.last().append(stream.at(i));
            continue;
        }
        if (c == QLatin1Char('[') && stream.mid(i, 2) == QStringLiteral("[[")) {
            // A word-bound blank: ours opens or closes a marked word, others are dropped.
            const qsizetype end = stream.indexOf(QStringLiteral("]]"), i + 2);
            const QString content = stream.mid(i + 2, (end < 0 ? stream.size() : end) - i - 2);
            if (content == QLatin1String("/")) {
                inMark = false;
            } else if (content.contains(QStringLiteral("t:b:qm"))) {
                inMark = true;
                marked.append(QString());
            }
            i = end < 0 ? stream.size() : end + 1;
            continue;
        }
        if (c != QLatin1Char('[')) {
            text.append(c);
            if (inMark)
                marked.last().append(c);
            continue;
        }
        // A blank block: the period inserted before it goes, and so does the block.
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        while (i < stream.size() && stream.at(i) != QLatin1Char(']'))
            i += stream.at(i) == QLatin1Char('\\') ? 2 : 1;
    }
    marked.removeAll(QString());
    if (!marked.isEmpty())
        output.marked = marked.join(QLatin1Char(' '));
    return output;
}

QCoro::Task<QString> ApertiumPairProcess::modeCommand()
{
    if (!QFileInfo(m_modeFile).isReadable())
        co_return QString();
    QProcess expand;
    expand.setStandardErrorFile(QProcess::nullDevice());
    expand.start(QStringLiteral("apertium-wblank-mode"), { QStringLiteral("-z"), m_modeFile });
    const bool finished = co_await qCoro(expand).waitForFinished(5000);
    if (!finished || expand.exitStatus() != QProcess::NormalExit || expand.exitCode() != 0)
        co_return QString();
    co_return QString::fromUtf8(expand.readAllStandardOutput()).trimmed();
}

bool ApertiumPairProcess::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QCoro::Task<bool> ApertiumPairProcess::ensureRunning()
{
    if (isRunning())
        co_return true;
    QPointer<ApertiumPairProcess> self(this);
    // Requests that arrive while the pipeline is being started wait for that start.
    if (m_preparing) {
        co_await qCoro(this, &ApertiumPairProcess::prepared, std::chrono::seconds(10));
        co_return self&& isRunning();
    }
    m_preparing = true;
    const bool running = co_await start();
    if (!self)
        co_return false;
    m_preparing = false;
    Q_EMIT prepared();
    co_return running;
}

QCoro::Task<bool> ApertiumPairProcess::start()
{
    QPointer<ApertiumPairProcess> self(this);
    if (m_command.isEmpty()) {
        const QString command = co_await modeCommand();
        if (!self)
            co_return false;
        m_command = command;
        if (m_command.isEmpty()) {
            qCCritical(lcTranslation).noquote() << "Apertium mode" << m_modeFile << "could not be read";
            co_return false;
        }
    }
    stop();
    m_buffer.clear();
    m_process = std::make_unique<QProcess>();
    // "$1" is the generator's option: -n leaves unknown words unmarked, as `apertium -u` does;
    // "$2" the tagger's extra option, none.
    m_process->setProgram(QStringLiteral("bash"));
    m_process->setArguments({ QStringLiteral("-c"), m_command, m_name, QStringLiteral("-n"), QString() });
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardErrorFile(QProcess::nullDevice());
    // Its own process group, so that stopping it also stops every stage of the pipeline.
    m_process->setChildProcessModifier([] { ::setpgid(0, 0); });
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &ApertiumPairProcess::onOutput);
    connect(m_process.get(), &QProcess::finished, this, &ApertiumPairProcess::onFinished);
    m_process->start();
    // Only the start of bash is awaited; the pipeline loads its data while the first request is
    // already on its way.
    const bool started = co_await qCoro(*m_process).waitForStarted(3000);
    if (!self)
        co_return false;
    if (!started || !isRunning()) {
        qCCritical(lcTranslation).noquote()
            << "Apertium" << m_name << "could not start:" << (m_process ? m_process->errorString() : QString());
        stop();
        co_return false;
    }
    m_group = m_process->processId();
    qCDebug(lcTranslation).noquote() << "Apertium" << m_name << "started, pid" << m_group;
    co_return true;
}

void ApertiumPairProcess::stop()
{
    if (!m_process)
        return;
    std::unique_ptr<QProcess> process = std::move(m_process);
    process->disconnect(this);
    killGroup();
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        // SIGKILL has been sent: this wait only collects the exit status.
        process->waitForFinished(1000);
    }
}

void ApertiumPairProcess::killGroup()
{
    if (m_group > 0)
        ::kill(-static_cast<pid_t>(m_group), SIGKILL);
    m_group = 0;
}

void ApertiumPairProcess::onOutput()
{
    if (!m_process)
        return;
    m_buffer += m_process->readAllStandardOutput();
    bool answered = false;
    for (qsizetype end = m_buffer.indexOf('\0'); end >= 0; end = m_buffer.indexOf('\0')) {
        const QString text = QString::fromUtf8(m_buffer.left(end));
        m_buffer.remove(0, end + 1);
        if (m_pending.empty())
            continue; // the answer of a request that gave up waiting
        std::shared_ptr<Request> request = m_pending.front();
        m_pending.pop_front();
        request->done = true;
        request->result = TranslationBackend::Result::success(text);
        answered = true;
    }
    if (answered)
        Q_EMIT settled();
}

void ApertiumPairProcess::onFinished()
{
    qCCritical(lcTranslation).noquote() << "Apertium" << m_name << "stopped";
    // Stages whose shell died would otherwise linger until the next start.
    killGroup();
    failAll(QStringLiteral("Apertium %1 stopped").arg(m_name));
}

void ApertiumPairProcess::failAll(const QString& reason)
{
    if (m_pending.empty())
        return;
    for (const std::shared_ptr<Request>& request : m_pending) {
        request->done = true;
        request->result = TranslationBackend::Result::failure(reason);
    }
    m_pending.clear();
    Q_EMIT settled();
}

QCoro::Task<TranslationBackend::Result> ApertiumPairProcess::translate(
    QString text, qsizetype markStart, qsizetype markLength)
{
    QString input = text;
    if (input.contains(QChar(0))) {
        input.remove(QChar(0));
        markStart = -1;
    }
    if (input.trimmed().isEmpty())
        co_return TranslationBackend::Result::success(QString());
    QPointer<ApertiumPairProcess> self(this);
    const bool running = co_await ensureRunning();
    if (!self)
        co_return TranslationBackend::Result::failure(QStringLiteral("shutting down"));
    if (!running)
        co_return TranslationBackend::Result::failure(QStringLiteral("Apertium %1 could not start").arg(m_name));

    auto request = std::make_shared<Request>();
    m_pending.push_back(request);
    QByteArray bytes = toStream(input, markStart, markLength).toUtf8();
    bytes.append('\0');
    m_process->write(bytes);

    const QDeadlineTimer deadline(m_timeout);
    while (!request->done) {
        const auto left = std::chrono::milliseconds(std::max<qint64>(1, deadline.remainingTime()));
        const auto signalled = co_await qCoro(this, &ApertiumPairProcess::settled, left);
        if (request->done)
            break;
        if (!signalled && self) {
            // A stuck pipeline would answer every later request with an earlier one's text.
            qCCritical(lcTranslation).noquote() << "Apertium" << m_name << "did not answer in time; restarting";
            failAll(QStringLiteral("Apertium %1 timed out").arg(m_name));
            stop();
        }
        if (!self)
            co_return TranslationBackend::Result::failure(QStringLiteral("shutting down"));
    }
    if (!request->result.ok())
        co_return request->result;
    const Output output = readStream(*request->result.text);
    TranslationBackend::Result result
        = TranslationBackend::Result::success(matchInitialCase(stripMarks(output.text, input).trimmed(), input));
    if (output.marked && markStart >= 0) {
        const QString source = input.mid(markStart, markLength);
        result.marked = matchInitialCase(stripMarks(*output.marked, source).trimmed(), source);
    }
    co_return result;
}
