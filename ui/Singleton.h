#pragma once

namespace tarvo::ui {

// The one instance of a window class: created at start-up, kept for the life
// of the process, reachable through instance() from the windows that use it.
template <class T>
class Singleton
{
public:
    static T *instance() { return s_instance ? static_cast<T *>(s_instance) : nullptr; }

protected:
    // Only the base is recorded here: the derived object is not built yet.
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
