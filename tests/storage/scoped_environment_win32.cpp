#include <cstdlib>

#include "storage_test_support.h"

namespace zarvek::testing_support {

void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
    // An empty value removes the variable.
    _putenv_s(name.c_str(), value ? value->c_str() : "");
}

}  // namespace zarvek::testing_support
