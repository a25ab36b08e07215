// Stands in for the host software's library in tests. Every call of QDL_SaveArmspecs appends one
// line to the file named by ZARVEK_TEST_PUSH_LOG; with ZARVEK_TEST_PUSH_THROWS set, the call then
// throws, as a faulty host library might. ZARVEK_HOST_CALL is the calling convention, set by CMake.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

extern "C" void ZARVEK_HOST_CALL QDL_SaveArmspecs() {
    if (const char* log = std::getenv("ZARVEK_TEST_PUSH_LOG"); log != nullptr) {
        if (std::FILE* file = std::fopen(log, "ab"); file != nullptr) {
            std::fputs("QDL_SaveArmspecs\n", file);
            std::fclose(file);
        }
    }
    if (std::getenv("ZARVEK_TEST_PUSH_THROWS") != nullptr) {
        throw std::runtime_error("the arm does not answer");
    }
}
