#include "capture/ScreenOCRCapture.h"

#include "capture/ScreenPointMapper.h"
#include "capture/ScreenWordPicker.h"
#include "diagnostics/QMLog.h"
#include "platform/ScreenGrabber.h"
#include "platform/TextRecognizer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

QString describe(const QRect& r)
{
    return QStringLiteral("(%1, %2, %3 × %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

const ScreenOCRCapture::Screen* screenAt(const QList<ScreenOCRCapture::Screen>& screens, QPoint point)
{
    for (const ScreenOCRCapture::Screen& screen : screens) {
        if (screen.geometry.contains(point))
            return &screen;
    }
    return screens.isEmpty() ? nullptr : &screens.first();
}

// The colour most of the strip just outside a rectangle has: the background the window covers.
QRgb surroundingColour(const QImage& image, const QRect& rect)
{
    QHash<QRgb, int> counts;
    const QRect frame = rect.adjusted(-1, -1, 1, 1);
    auto sample = [&](int x, int y) {
        if (image.rect().contains(x, y) && !rect.contains(x, y))
            ++counts[image.pixel(x, y)];
    };
    for (int x = frame.left(); x <= frame.right(); x += 2) {
        sample(x, frame.top());
        sample(x, frame.bottom());
    }
    for (int y = frame.top(); y <= frame.bottom(); y += 2) {
        sample(frame.left(), y);
        sample(frame.right(), y);
    }
    QRgb best = qRgb(255, 255, 255);
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best;
}

} // namespace

ScreenOCRCapture::ScreenOCRCapture(ScreenGrabber& grabber, TextRecognizer& recognizer, Environment environment)
    : m_grabber(grabber)
    , m_recognizer(recognizer)
    , m_environment(std::move(environment))
{
}

ScreenOCRCapture::Environment ScreenOCRCapture::desktopEnvironment(std::function<QStringList()> languages)
{
    Environment environment;
    environment.screens = [] {
        QList<Screen> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect logical = screen->geometry();
            const qreal ratio = screen->devicePixelRatio();
            screens.append({ QRect(logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize()), ratio });
        }
        return screens;
    };
    environment.ownWindows = [] {
        const ScreenPointMapper mapper = ScreenPointMapper::fromApplicationScreens();
        QList<QRect> windows;
        for (const QWindow* window : QGuiApplication::topLevelWindows()) {
            if (!window->isVisible())
                continue;
            const QRect frame = window->frameGeometry();
            const PhysicalPoint topLeft = mapper.toPhysical(LogicalPoint::fromQPointF(QPointF(frame.topLeft())));
            const PhysicalPoint bottomRight = mapper.toPhysical(
                LogicalPoint::fromQPointF(QPointF(frame.x() + frame.width(), frame.y() + frame.height())));
            windows.append(QRect(topLeft.toQPoint(), QSize(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y)));
        }
        return windows;
    };
    environment.languages = std::move(languages);
    return environment;
}

QRect ScreenOCRCapture::captureRegion(QPoint pointer, const QRect& screen, qreal scale)
{
    const int width = std::max(1, int(kRegionWidth * scale));
    const int height = std::max(1, int(kRegionHeight * scale));
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    const int x = std::min(std::max(pointer.x() - width / 2, screen.x()), right - width);
    const int y = std::min(std::max(pointer.y() - height / 2, screen.y()), bottom - height);
    return QRect(x, y, width, height);
}

QRect ScreenOCRCapture::bandAround(QPoint pointer, const QRect& region, qreal scale)
{
    const int half = std::max(1, int(kBandHalfHeight * scale));
    return QRect(region.x(), pointer.y() - half, region.width(), 2 * half).intersected(region);
}

bool ScreenOCRCapture::bandSuffices(
    const QList<RecognizedLine>& lines, QPoint pointer, const QRect& band, const QRect& region)
{
    const QPointF at(pointer);
    const auto line
        = std::find_if(lines.begin(), lines.end(), [&](const RecognizedLine& l) { return l.rect.contains(at); });
    if (line == lines.end())
        return false;
    // A line the sentence may join is at most 1.5 line heights away and at most twice as tall.
    const qreal reach = kBandReachInLines * line->rect.height();
    const qreal centre = line->rect.center().y();
    const bool topCovered = band.top() <= region.top() || centre - reach >= band.top();
    const bool bottomCovered = band.bottom() >= region.bottom() || centre + reach <= band.top() + band.height();
    return topCovered && bottomCovered;
}

void ScreenOCRCapture::blank(QImage& image, const QRect& region, const QList<QRect>& windows)
{
    QPainter painter(&image);
    for (const QRect& window : windows) {
        const QRect inImage = window.translated(-region.topLeft()).intersected(image.rect());
        if (inImage.isEmpty())
            continue;
        painter.fillRect(inImage, QColor(surroundingColour(image, inImage)));
    }
}

QCoro::Task<std::optional<QList<RecognizedLine>>> ScreenOCRCapture::recognizeArea(
    const QImage& image, const QRect& region, const QRect& area, const QStringList& languages, QPoint pointer)
{
    const QRect inImage = area.translated(-region.topLeft());
    QElapsedTimer timer;
    timer.start();
    // A named image, not a temporary inside the co_await: GCC 12 destroys such temporaries early.
    QImage part = inImage == image.rect() ? image : image.copy(inImage);
    TextRecognizer::Recognition recognition
        = co_await m_recognizer.recognize(std::move(part), languages, pointer - area.topLeft());
    if (!recognition.error.isEmpty()) {
        qCCritical(lcCapture).noquote() << QStringLiteral("Tesseract request failed: %1").arg(recognition.error);
        co_return std::nullopt;
    }
    for (RecognizedLine& line : recognition.lines) {
        line.rect.translate(area.topLeft());
        for (RecognizedLine::Box& box : line.boxes)
            box.rect.translate(area.topLeft());
    }
    qCDebug(lcCapture).noquote() << QStringLiteral("Recognized %1 in %2ms").arg(describe(area)).arg(timer.elapsed());
    co_return recognition.lines;
}

QCoro::Task<std::optional<OCRCaptureService::CaptureResult>> ScreenOCRCapture::captureWord(
    PhysicalPoint at, std::function<void()> onScreenshotCaptured)
{
    // X11 has no screen-recording permission to ask for: access counts as granted.
    const QPoint pointer = at.toQPoint();
    const QList<Screen> screens = m_environment.screens ? m_environment.screens() : QList<Screen> {};
    const Screen* screen = screenAt(screens, pointer);
    if (!screen) {
        qCCritical(lcCapture) << "Failed to capture screenshot region";
        co_return std::nullopt;
    }
    const qreal scale = screen->scale;
    const QRect region = captureRegion(pointer, screen->geometry, scale);
    QElapsedTimer timer;
    timer.start();
    ScreenGrabber::Grab grab = m_grabber.grab(region);
    if (grab.image.isNull()) {
        qCCritical(lcCapture).noquote() << QStringLiteral("Screen capture failed: %1").arg(grab.error);
        qCCritical(lcCapture) << "Failed to capture screenshot region";
        co_return std::nullopt;
    }
    if (m_environment.ownWindows)
        blank(grab.image, region, m_environment.ownWindows());
    qCDebug(lcCapture).noquote() << QStringLiteral("Screenshot captured in %1ms, %2x%3px, screen region %4")
                                        .arg(timer.elapsed())
                                        .arg(grab.image.width())
                                        .arg(grab.image.height())
                                        .arg(describe(region));
    if (onScreenshotCaptured)
        onScreenshotCaptured();

    const QStringList languages = m_environment.languages ? m_environment.languages() : QStringList {};
    m_lastUsedBand = false;
    if (m_bandFirst) {
        const QRect band = bandAround(pointer, region, scale);
        const auto lines = co_await recognizeArea(grab.image, region, band, languages, pointer);
        if (!lines)
            co_return std::nullopt;
        if (bandSuffices(*lines, pointer, band, region)) {
            m_lastUsedBand = true;
            co_return ScreenWordPicker::pick(*lines, QPointF(pointer), scale);
        }
        if (band == region)
            co_return ScreenWordPicker::pick(*lines, QPointF(pointer), scale);
    }
    const auto lines = co_await recognizeArea(grab.image, region, region, languages, pointer);
    if (!lines)
        co_return std::nullopt;
    co_return ScreenWordPicker::pick(*lines, QPointF(pointer), scale);
}
