#include "ui/app/huge_pages.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace fieldizer::ui {

void restartWithHugePages(char* argv[]) {
    constexpr const char* name = "glibc.malloc.hugetlb";
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables != nullptr && std::strstr(tunables, name) != nullptr)
        return; // set by the user or by the restart: never a second one
    std::string value = std::string(name) + "=1";
    if (tunables != nullptr && *tunables != '\0')
        value = std::string(tunables) + ":" + value;
    if (setenv("GLIBC_TUNABLES", value.c_str(), 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    // Still here: the program runs on small pages, slower but the same.
}

} // namespace fieldizer::ui
