#include "platform/tesseract/TesseractRecognizer.h"

#include "diagnostics/QMLog.h"

#include <QCoroFuture>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent/QtConcurrentRun>

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr int kScreenDpi = 96;
constexpr int kDarkLuminance = 110;
// The area around the pointer whose background decides the polarity: about a line of text, so
// that a small light window on a dark desktop is judged by itself.
constexpr int kPolarityHalfWidth = 80;
constexpr int kPolarityHalfHeight = 10;
constexpr qsizetype kMaxWarmEngines = 2;

QString defaultDataPath()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return prefix;
    return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
}

QString utf8Text(const tesseract::LTRResultIterator& it, tesseract::PageIteratorLevel level)
{
    std::unique_ptr<char[]> text(it.GetUTF8Text(level));
    return text ? QString::fromUtf8(text.get()).trimmed() : QString();
}

QRectF boxOf(const tesseract::PageIterator& it, tesseract::PageIteratorLevel level, qreal upscale)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!it.BoundingBox(level, &left, &top, &right, &bottom))
        return {};
    return QRectF(left / upscale, top / upscale, (right - left) / upscale, (bottom - top) / upscale);
}

// Han, kana and Hangul, and the ideographic punctuation and full-width forms written with them.
bool isEastAsianScript(char32_t scalar)
{
    // Kana marks such as the prolonged sound mark belong to no one script in Unicode.
    if (scalar >= 0x3040 && scalar <= 0x30ff)
        return true;
    switch (QChar::script(scalar)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
        return true;
    default:
        return false;
    }
}

bool isCJKWritten(char32_t scalar)
{
    return isEastAsianScript(scalar) || (scalar >= 0x3000 && scalar <= 0x303f)
        || (scalar >= 0xff00 && scalar <= 0xffef);
}

bool endsWithCJK(const QString& text)
{
    const QList<uint> scalars = QStringView(text).right(2).toUcs4();
    return !scalars.isEmpty() && isCJKWritten(char32_t(scalars.last()));
}

bool startsWithCJK(const QString& text)
{
    const QList<uint> scalars = QStringView(text).left(2).toUcs4();
    return !scalars.isEmpty() && isCJKWritten(char32_t(scalars.first()));
}

// The typical grey around a point: the median of a few lines' worth of pixels, which is the
// background however much text there is.
int backgroundAround(const QImage& grey, QPoint focus)
{
    const QRect area = QRect(
        focus - QPoint(kPolarityHalfWidth, kPolarityHalfHeight), QSize(2 * kPolarityHalfWidth, 2 * kPolarityHalfHeight))
                           .intersected(grey.rect());
    std::array<int, 256> histogram {};
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        const uchar* row = grey.constScanLine(y);
        for (int x = area.left(); x <= area.right(); x += 2, ++count)
            ++histogram[row[x]];
    }
    for (int value = 0, seen = 0; value < 256; ++value) {
        seen += histogram[std::size_t(value)];
        if (2 * seen >= count)
            return value;
    }
    return 255;
}

// Grey, dark-on-light and enlarged: what the LSTM models were trained on.
QImage prepared(const QImage& image, QPoint focus, int upscale)
{
    QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    if (!grey.rect().contains(focus))
        focus = grey.rect().center();
    if (backgroundAround(grey, focus) < kDarkLuminance)
        grey.invertPixels();
    if (upscale > 1)
        grey = grey.scaled(grey.size() * upscale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return grey;
}

// Appends one recognised word to its line, with a box per word, or per character in Chinese and
// Japanese, where the recogniser puts spaces between characters that the text does not have.
void appendWord(RecognizedLine& line, const tesseract::ResultIterator& it, qreal upscale)
{
    const QString word = utf8Text(it, tesseract::RIL_WORD);
    if (word.isEmpty())
        return;
    if (!line.text.isEmpty() && !(endsWithCJK(line.text) && startsWithCJK(word)))
        line.text.append(QLatin1Char(' '));
    const qsizetype start = line.text.size();
    line.text.append(word);
    const QList<uint> scalars = word.toUcs4();
    if (std::none_of(scalars.begin(), scalars.end(), [](uint scalar) { return isEastAsianScript(scalar); })) {
        line.boxes.append({ start, word.size(), boxOf(it, tesseract::RIL_WORD, upscale) });
        return;
    }
    // Symbol by symbol, on a copy so the caller's iterator stays on the word.
    tesseract::LTRResultIterator symbols(it);
    qsizetype at = start;
    while (true) {
        const QString symbol = utf8Text(symbols, tesseract::RIL_SYMBOL);
        const qsizetype found = symbol.isEmpty() ? -1 : line.text.indexOf(symbol, at);
        if (found >= 0) {
            line.boxes.append({ found, symbol.size(), boxOf(symbols, tesseract::RIL_SYMBOL, upscale) });
            at = found + symbol.size();
        }
        if (symbols.IsAtFinalElement(tesseract::RIL_WORD, tesseract::RIL_SYMBOL)
            || !symbols.Next(tesseract::RIL_SYMBOL))
            break;
    }
}

} // namespace

struct TesseractRecognizer::Engines
{
    QString dataPath;
    int upscale = 2;
    // Keyed by "eng+spa"; touched only on the worker thread.
    QHash<QString, std::shared_ptr<tesseract::TessBaseAPI>> warm;
    QStringList order;

    tesseract::TessBaseAPI* engineFor(const QStringList& languages, QString* error)
    {
        const QString key = languages.join(QLatin1Char('+'));
        if (const auto found = warm.constFind(key); found != warm.constEnd())
            return found->get();
        QElapsedTimer timer;
        timer.start();
        auto api = std::make_shared<tesseract::TessBaseAPI>();
        const QByteArray path = dataPath.toLocal8Bit();
        if (api->Init(path.isEmpty() ? nullptr : path.constData(), key.toLatin1().constData(), tesseract::OEM_LSTM_ONLY)
            != 0) {
            *error = QStringLiteral("could not load the language data \"%1\"").arg(key);
            return nullptr;
        }
        // The image is inverted here when it is dark; the per-line retry doubles the time.
        api->SetVariable("tessedit_do_invert", "0");
        // Sauvola's local threshold turns any even area white, dark or light: a light window on a
        // dark desktop keeps its text instead of becoming a white hole in a black page.
        api->SetVariable("thresholding_method", "2");
        api->SetPageSegMode(tesseract::PSM_AUTO);
        qCDebug(lcCapture).noquote()
            << QStringLiteral("Text recognition engine for %1 ready in %2ms").arg(key).arg(timer.elapsed());
        if (order.size() >= kMaxWarmEngines)
            warm.remove(order.takeFirst());
        warm.insert(key, api);
        order.append(key);
        return api.get();
    }

    Recognition run(const QImage& image, const QStringList& languages, QPoint focus)
    {
        Recognition result;
        if (languages.isEmpty()) {
            result.error = QStringLiteral("no language data is installed");
            return result;
        }
        tesseract::TessBaseAPI* api = engineFor(languages, &result.error);
        if (!api)
            return result;
        const QImage grey = prepared(image, focus, upscale);
        api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
        api->SetSourceResolution(kScreenDpi * upscale);
        if (api->Recognize(nullptr) != 0) {
            result.error = QStringLiteral("recognition did not complete");
            api->Clear();
            return result;
        }
        std::unique_ptr<tesseract::ResultIterator> it(api->GetIterator());
        if (it && !it->Empty(tesseract::RIL_WORD)) {
            RecognizedLine line;
            auto flush = [&] {
                if (!line.text.trimmed().isEmpty())
                    result.lines.append(line);
                line = {};
            };
            do {
                if (it->IsAtBeginningOf(tesseract::RIL_TEXTLINE)) {
                    flush();
                    line.rect = boxOf(*it, tesseract::RIL_TEXTLINE, upscale);
                }
                appendWord(line, *it, upscale);
            } while (it->Next(tesseract::RIL_WORD));
            flush();
        }
        api->Clear();
        return result;
    }
};

TesseractRecognizer::TesseractRecognizer()
    : TesseractRecognizer(Options {})
{
}

TesseractRecognizer::TesseractRecognizer(Options options)
    : m_dataPath(options.dataPath)
    , m_engines(std::make_shared<Engines>())
{
    m_engines->dataPath = options.dataPath;
    m_engines->upscale = std::max(1, options.upscale);
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
}

TesseractRecognizer::~TesseractRecognizer()
{
    m_pool.waitForDone();
}

QCoro::Task<TextRecognizer::Recognition> TesseractRecognizer::recognize(
    QImage image, QStringList languages, QPoint focus)
{
    std::shared_ptr<Engines> engines = m_engines;
    // The future is named: GCC 12 ends temporaries inside a co_await expression too early.
    QFuture<Recognition> running = QtConcurrent::run(&m_pool,
        [engines, image = std::move(image), languages, focus]() { return engines->run(image, languages, focus); });
    co_return co_await running;
}

void TesseractRecognizer::prepare(QStringList languages)
{
    if (languages.isEmpty())
        return;
    std::shared_ptr<Engines> engines = m_engines;
    m_pool.start([engines, languages] {
        QString error;
        if (!engines->engineFor(languages, &error))
            qCWarning(lcCapture).noquote() << QStringLiteral("Text recognition engine failed: %1").arg(error);
    });
}

bool TesseractRecognizer::prepareAndWait(const QStringList& languages)
{
    std::shared_ptr<Engines> engines = m_engines;
    QFuture<bool> loaded = QtConcurrent::run(&m_pool, [engines, languages] {
        QString error;
        return engines->engineFor(languages, &error) != nullptr;
    });
    return loaded.result();
}

void TesseractRecognizer::limitThreadsBeforeStart(char* argv[])
{
    if (qEnvironmentVariableIsSet("OMP_THREAD_LIMIT"))
        return;
    qputenv("OMP_THREAD_LIMIT", "1");
    execv("/proc/self/exe", argv);
    // Still here: the process runs on, only slower at recognition.
}

QStringList TesseractRecognizer::installedLanguagesIn(const QString& dataPath)
{
    const QDir dir(dataPath.isEmpty() ? defaultDataPath() : dataPath);
    QStringList installed;
    for (const QString& file : dir.entryList({ QStringLiteral("*.traineddata") }, QDir::Files, QDir::Name))
        installed.append(QFileInfo(file).completeBaseName());
    return installed;
}
