#pragma once

#include "platform/ScreenGrabber.h"

#include <cstddef>

struct xcb_connection_t;

// Screenshots of the root window over a private X connection: through a shared-memory segment
// when the server offers MIT-SHM on this machine, else with a plain GetImage. Every request is
// checked, so a rectangle the server refuses is an error value, never a fatal X error. The
// pointer is not part of the root window's contents, so it never appears.
class X11ScreenGrabber : public ScreenGrabber
{
public:
    X11ScreenGrabber();
    ~X11ScreenGrabber() override;
    X11ScreenGrabber(const X11ScreenGrabber&) = delete;
    X11ScreenGrabber& operator=(const X11ScreenGrabber&) = delete;

    Grab grab(const QRect& region) override;

    // Whether the last grab went through shared memory.
    bool usedSharedMemory() const { return m_usedSharedMemory; }
    // Tests and benchmarks compare both paths.
    void setSharedMemoryAllowed(bool allowed) { m_sharedMemoryAllowed = allowed; }

private:
    bool connect(QString* error);
    bool ensureSegment(std::size_t bytes);
    void releaseSegment();
    QImage grabShared(const QRect& area, QString* error);
    QImage grabPlain(const QRect& area, QString* error);

    xcb_connection_t* m_connection = nullptr;
    unsigned int m_root = 0;
    QRect m_rootGeometry;
    int m_depth = 0;
    bool m_hasShm = false;
    bool m_sharedMemoryAllowed = true;
    bool m_usedSharedMemory = false;
    unsigned int m_segment = 0; // xcb_shm_seg_t, attached to m_memory
    void* m_memory = nullptr;
    std::size_t m_segmentBytes = 0;
};
