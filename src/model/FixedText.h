// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

// A single-byte text of fixed capacity stored inside its owner; a longer
// text is cut at the capacity without notice, as question fields are.
template <int Capacity> class FixedText
{
public:
    FixedText() = default;
    explicit FixedText(QByteArrayView text) { assign(text); }

    void assign(QByteArrayView text)
    {
        m_length = std::uint8_t(std::min<qsizetype>(text.size(), Capacity));
        if (m_length > 0)
            std::memcpy(m_chars.data(), text.data(), m_length);
    }
    void clear() { m_length = 0; }

    QByteArrayView view() const { return QByteArrayView(m_chars.data(), m_length); }
    int size() const { return m_length; }
    bool isEmpty() const { return m_length == 0; }
    static constexpr int capacity() { return Capacity; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }

private:
    static_assert(Capacity <= 255);
    std::array<char, Capacity> m_chars{};
    std::uint8_t m_length = 0;
};
