#pragma once

namespace tarvo::ui {

// The one instance of a window class: created at start-up, kept for the life
// of the process, reachable through instance() from the windows that use it.
template <class T>
class Singleton
{
public:
    static T *instance() { return s_instance; }

protected:
    Singleton() { s_instance = static_cast<T *>(this); }
    ~Singleton()
    {
        if (s_instance == static_cast<T *>(this))
            s_instance = nullptr;
    }

private:
    static inline T *s_instance = nullptr;
};

} // namespace tarvo::ui
