#pragma once
// Number of open descriptors of this process, to show that nothing leaks.
#include <dirent.h>

namespace volmar::test {

inline int OpenFdCount()
{
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr) return -1;
    int count = 0;
    while (::readdir(dir) != nullptr) ++count;
    ::closedir(dir);
    return count;
}

}  // namespace volmar::test
