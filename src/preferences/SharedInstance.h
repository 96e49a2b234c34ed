#pragma once

// The one instance of a long-lived service that the application (or a test) installed at start.
// Nothing is created behind the caller's back: shared() is null until someone installs one.
template <typename T>
class SharedInstance
{
public:
    static T* shared() { return s_shared; }
    static void installShared(T* instance) { s_shared = instance; }
    static void uninstallShared(T* instance)
    {
        if (s_shared == instance)
            s_shared = nullptr;
    }

private:
    static inline T* s_shared = nullptr;
};
