#pragma once

#include <QLibrary>

// Shared libraries the window does not need to appear are loaded when first used: each one
// linked in costs every start-up its loading, half a millisecond to two.

// Points function at the library's symbol name; false when it has none.
template <class Function>
bool ResolveInto(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}
