#include "web/exchange_record.h"

#include "text/text_end.h"

#include <utility>

namespace ftq {

void MemoryFile::write(std::string_view data)
{
    if (m_position + data.size() > m_bytes.size())
        m_bytes.resize(m_position + data.size());
    m_bytes.replace(m_position, data.size(), data);
    m_position += data.size();
}

bool MemoryFile::read(size_t count, std::string &out)
{
    if (m_position > m_bytes.size() || m_bytes.size() - m_position < count)
        return false;
    out.assign(m_bytes, m_position, count);
    m_position += count;
    return true;
}

const std::string &ExchangeRecord::bytes(int slot) const
{
    static const std::string empty;
    return slot >= 0 && slot < slotCount ? m_slots[static_cast<size_t>(slot)] : empty;
}

std::string_view ExchangeRecord::text(int slot) const
{
    return upToZero(bytes(slot));
}

void ExchangeRecord::set(int slot, std::string_view bytes)
{
    if (slot >= 0 && slot < slotCount)
        m_slots[static_cast<size_t>(slot)].assign(bytes);
}

void ExchangeRecord::adopt(int slot, std::string &&bytes)
{
    if (slot >= 0 && slot < slotCount)
        m_slots[static_cast<size_t>(slot)] = std::move(bytes);
}

std::string ExchangeRecord::take(int slot)
{
    if (slot < 0 || slot >= slotCount)
        return {};
    return std::exchange(m_slots[static_cast<size_t>(slot)], std::string());
}

bool ExchangeRecord::writeTo(MemoryFile &file) const
{
    file.seek(0);
    for (const std::string &slot : m_slots) {
        if (slot.size() > UINT32_MAX)
            return false;
        const auto n = static_cast<uint32_t>(slot.size());
        const char count[4] = {static_cast<char>(n), static_cast<char>(n >> 8),
                               static_cast<char>(n >> 16), static_cast<char>(n >> 24)};
        file.write({count, 4});
        file.write(slot);
    }
    return true;
}

bool ExchangeRecord::readFrom(MemoryFile &file)
{
    file.seek(0);
    std::string count;
    for (std::string &slot : m_slots) {
        if (!file.read(4, count))
            return false;
        const auto b = [&](int i) { return static_cast<uint32_t>(static_cast<unsigned char>(count[i])); };
        const uint32_t n = b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
        if (!file.read(n, slot))
            return false;
    }
    return true;
}

} // namespace ftq
