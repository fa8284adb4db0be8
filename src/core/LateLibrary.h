#pragma once

#include <QLibrary>
#include <QString>

// A shared library the window does not need to appear, loaded when first used: each one
// linked in costs every start-up its loading, half a millisecond to two. Kept loaded for the
// rest of the run; meant to live in a function's static.
class LateLibrary {
public:
    LateLibrary(const QString& name, int majorVersion) : m_library(name, majorVersion) {
        m_complete = m_library.load();
    }

    // Points function at the library's symbol name; once one is missing, complete() is false.
    template <class Function> LateLibrary& get(Function& function, const char* name) {
        function = m_complete ? reinterpret_cast<Function>(m_library.resolve(name)) : nullptr;
        m_complete = function != nullptr;
        return *this;
    }
    bool complete() const { return m_complete; }

private:
    QLibrary m_library;
    bool m_complete = false;
};
