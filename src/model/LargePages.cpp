// SPDX-License-Identifier: GPL-2.0-or-later
#include "LargePages.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

void AdviseLargePages(void* block, qsizetype size)
{
#ifdef Q_OS_LINUX
    constexpr qsizetype LargePage = qsizetype(2) << 20;
    const long page = sysconf(_SC_PAGESIZE);
    if (!block || size < 2 * LargePage || page <= 0)
        return;
    const auto first = (quintptr(block) + quintptr(page) - 1) & ~(quintptr(page) - 1);
    const auto end = quintptr(block) + quintptr(size);
    madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(block);
    Q_UNUSED(size);
#endif
}
