#include "platform/x11/X11ScreenGrabber.h"

#include "diagnostics/QMLog.h"

#include <QPainter>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

QString describe(const xcb_generic_error_t* error)
{
    return QStringLiteral("X error %1 (request %2.%3)")
        .arg(error->error_code)
        .arg(error->major_code)
        .arg(error->minor_code);
}

// Bits per pixel of the server's Z-pixmap format for a depth; 0 when it has none.
int bitsPerPixel(const xcb_setup_t* setup, int depth)
{
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == depth)
            return it.data->bits_per_pixel;
    }
    return 0;
}

// Copies 32-bit BGRX rows (the server's little-endian Z pixmap) into an RGB32 image.
QImage imageFromRows(const uint8_t* data, std::size_t length, QSize size)
{
    const std::size_t stride = std::size_t(size.width()) * 4;
    if (length < stride * std::size_t(size.height()))
        return {};
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), data + stride * std::size_t(y), stride);
    return image;
}

} // namespace

std::unique_ptr<ScreenGrabber> ScreenGrabber::createX11()
{
    return std::make_unique<X11ScreenGrabber>();
}

X11ScreenGrabber::X11ScreenGrabber() = default;

X11ScreenGrabber::~X11ScreenGrabber()
{
    releaseSegment();
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11ScreenGrabber::connect(QString* error)
{
    if (m_connection)
        return true;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        *error = QStringLiteral("cannot connect to the X server");
        return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(connection);
    auto screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(connection);
        *error = QStringLiteral("the X server has no screen %1").arg(screenNumber);
        return false;
    }
    const xcb_screen_t* screen = screens.data;
    m_depth = screen->root_depth;
    if (bitsPerPixel(setup, m_depth) != 32 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST
        || (m_depth != 24 && m_depth != 32)) {
        xcb_disconnect(connection);
        *error = QStringLiteral("unsupported root window format (depth %1)").arg(m_depth);
        return false;
    }
    m_connection = connection;
    m_root = screen->root;
    m_rootGeometry = QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(m_connection, &xcb_shm_id);
    m_hasShm = shm && shm->present;
    return true;
}

bool X11ScreenGrabber::ensureSegment(std::size_t bytes)
{
    if (m_memory && m_segmentBytes >= bytes)
        return true;
    releaseSegment();
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void* memory = shmat(id, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return false;
    }
    const xcb_shm_seg_t segment = xcb_generate_id(m_connection);
    Reply<xcb_generic_error_t> error(
        xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, segment, id, 0)));
    // Marked for removal now: the kernel frees it once both sides have detached.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        // A server on another machine cannot attach our memory.
        shmdt(memory);
        m_hasShm = false;
        return false;
    }
    m_segment = segment;
    m_memory = memory;
    m_segmentBytes = bytes;
    return true;
}

void X11ScreenGrabber::releaseSegment()
{
    if (!m_memory)
        return;
    xcb_shm_detach(m_connection, m_segment);
    xcb_flush(m_connection);
    shmdt(m_memory);
    m_memory = nullptr;
    m_segmentBytes = 0;
}

QImage X11ScreenGrabber::grabShared(const QRect& area, QString* error)
{
    const std::size_t bytes = std::size_t(area.width()) * std::size_t(area.height()) * 4;
    if (!ensureSegment(bytes))
        return {};
    xcb_generic_error_t* raw = nullptr;
    Reply<xcb_shm_get_image_reply_t> reply(xcb_shm_get_image_reply(m_connection,
        xcb_shm_get_image(m_connection, m_root, int16_t(area.x()), int16_t(area.y()), uint16_t(area.width()),
            uint16_t(area.height()), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment, 0),
        &raw));
    Reply<xcb_generic_error_t> failure(raw);
    if (failure || !reply) {
        *error = failure ? describe(failure.get()) : QStringLiteral("no answer from the X server");
        return {};
    }
    return imageFromRows(static_cast<const uint8_t*>(m_memory), bytes, area.size());
}

QImage X11ScreenGrabber::grabPlain(const QRect& area, QString* error)
{
    xcb_generic_error_t* raw = nullptr;
    Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, int16_t(area.x()), int16_t(area.y()),
            uint16_t(area.width()), uint16_t(area.height()), ~0u),
        &raw));
    Reply<xcb_generic_error_t> failure(raw);
    if (failure || !reply) {
        *error = failure ? describe(failure.get()) : QStringLiteral("no answer from the X server");
        return {};
    }
    return imageFromRows(
        xcb_get_image_data(reply.get()), std::size_t(xcb_get_image_data_length(reply.get())), area.size());
}

ScreenGrabber::Grab X11ScreenGrabber::grab(const QRect& region)
{
    Grab result;
    if (!connect(&result.error))
        return result;
    if (xcb_connection_has_error(m_connection)) {
        result.error = QStringLiteral("the connection to the X server was lost");
        return result;
    }
    // The server refuses any rectangle that leaves the root window, so only the part on it is read.
    const QRect area = region.intersected(m_rootGeometry);
    if (area.isEmpty() || region.isEmpty()) {
        result.error = QStringLiteral("the region is outside the screen");
        return result;
    }
    m_usedSharedMemory = false;
    QImage pixels;
    if (m_hasShm && m_sharedMemoryAllowed) {
        pixels = grabShared(area, &result.error);
        m_usedSharedMemory = !pixels.isNull();
    }
    if (pixels.isNull()) {
        result.error.clear();
        pixels = grabPlain(area, &result.error);
    }
    if (pixels.isNull())
        return result;
    result.error.clear();
    if (area == region) {
        result.image = std::move(pixels);
        return result;
    }
    result.image = QImage(region.size(), QImage::Format_RGB32);
    result.image.fill(Qt::black);
    QPainter painter(&result.image);
    painter.drawImage(area.topLeft() - region.topLeft(), pixels);
    return result;
}
