#pragma once

#include <utility>

namespace zarvek {

// Creates a Qt object that is owned by a parent from birth: `args` name the parent (as Qt
// constructors take it), or the object is handed to one at once (a layout added to a layout, an
// action added to a menu). The parent deletes it with itself, so the pointer returned is only
// borrowed. The one place the window allocates Qt objects.
template <typename T, typename... Args>
T* MakeChild(Args&&... args) {
    return new T(std::forward<Args>(args)...);
}

}  // namespace zarvek
