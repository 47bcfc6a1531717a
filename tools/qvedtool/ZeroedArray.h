#pragma once

#include <QtGlobal>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

// A large array of plain values that starts zeroed. On Linux the system is
// asked to back it with huge pages: a table of tens of megabytes filled at
// random then costs a few page faults rather than thousands.
template <typename T> class ZeroedArray
{
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    ZeroedArray() = default;
    explicit ZeroedArray(std::size_t count) : m_count(count), m_bytes(count * sizeof(T))
    {
        if (m_bytes == 0)
            return;
#if defined(Q_OS_LINUX)
        void* memory =
            mmap(nullptr, m_bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
        madvise(memory, m_bytes, MADV_HUGEPAGE);
#endif
        m_data = static_cast<T*>(memory);
#else
        m_data = static_cast<T*>(std::calloc(count, sizeof(T)));
        if (!m_data)
            throw std::bad_alloc();
#endif
    }
    ~ZeroedArray()
    {
        release();
    }
    ZeroedArray(const ZeroedArray&) = delete;
    ZeroedArray& operator=(const ZeroedArray&) = delete;
    ZeroedArray(ZeroedArray&& other) noexcept
    {
        swap(other);
    }
    ZeroedArray& operator=(ZeroedArray&& other) noexcept
    {
        ZeroedArray(std::move(other)).swap(*this);
        return *this;
    }

    std::size_t size() const
    {
        return m_count;
    }
    T& operator[](std::size_t i)
    {
        return m_data[i];
    }
    const T& operator[](std::size_t i) const
    {
        return m_data[i];
    }

private:
    void swap(ZeroedArray& other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_count, other.m_count);
        std::swap(m_bytes, other.m_bytes);
    }
    void release()
    {
        if (!m_data)
            return;
#if defined(Q_OS_LINUX)
        munmap(m_data, m_bytes);
#else
        std::free(m_data);
#endif
        m_data = nullptr;
    }

    T* m_data = nullptr;
    std::size_t m_count = 0;
    std::size_t m_bytes = 0;
};
