#pragma once

namespace tarvo::ui {

// The one instance of a window class: created at start-up, kept for the life
// of the process, reachable through instance() from the windows that use it.
template <class T>
class Singleton
{
public:
    static T *instance() { return static_cast<T *>(s_instance); }

protected:
    // Keeps the base pointer: while this constructor runs the object is not
    // a T yet, so it is cast to T only when asked for, fully built.
    Singleton() { s_instance = this; }
    ~Singleton()
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

private:
    static inline Singleton *s_instance = nullptr;
};

} // namespace tarvo::ui
