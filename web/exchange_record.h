#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One HTTP exchange as seven byte strings, handed between the caller of a web request and the
// worker that performs it. Before the exchange the slots hold the request, afterwards the reply.
namespace ftq {

// A growable byte buffer with a read/write position: the form in which a record crosses threads.
class MemoryFile
{
public:
    void seek(size_t position) { m_position = position; }
    size_t position() const { return m_position; }
    const std::string &bytes() const { return m_bytes; }

    // Writes at the position, growing the buffer as needed.
    void write(std::string_view data);
    // Reads `count` bytes at the position; false (and nothing read) when fewer remain.
    bool read(size_t count, std::string &out);

private:
    std::string m_bytes;
    size_t m_position = 0;
};

class ExchangeRecord
{
public:
    static constexpr int slotCount = 7;

    enum Slot : int {
        Url = 0, Body = 0,
        Method = 1, ReceivedCookies = 1,
        Proxy = 2,
        RequestHeaders = 3,
        RequestBody = 4,
        RequestCookies = 5, ReplyHeaders = 5,
        AllowRedirect = 6,
    };

    // The bytes of a slot; an out-of-range slot reads as empty.
    const std::string &bytes(int slot) const;
    // The slot taken as a text: up to its first zero byte.
    std::string_view text(int slot) const;
    void set(int slot, std::string_view bytes);
    // Moves bytes in and out without a copy: a reply body may be many megabytes.
    void adopt(int slot, std::string &&bytes);
    std::string take(int slot);

    // Each slot as a 32-bit little-endian count and its bytes, from the start of `file`.
    bool writeTo(MemoryFile &file) const;
    // Reads the seven slots from the start of `file`; false when the file ends early.
    bool readFrom(MemoryFile &file);

private:
    std::array<std::string, slotCount> m_slots;
};

} // namespace ftq
