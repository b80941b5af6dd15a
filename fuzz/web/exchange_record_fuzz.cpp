#include "web/exchange_record.h"

#include <cstdlib>
#include <string_view>

// Arbitrary bytes read as a record: a record that reads must write back as exactly the bytes it
// was read from, and a shorter record written over them must read back short.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    ftq::MemoryFile file;
    file.write(input);
    ftq::ExchangeRecord record;
    if (!record.readFrom(file))
        return 0;

    ftq::MemoryFile copy;
    if (!record.writeTo(copy) || input.substr(0, copy.bytes().size()) != copy.bytes())
        std::abort();

    ftq::ExchangeRecord shorter;
    for (int slot = 0; slot < ftq::ExchangeRecord::slotCount; ++slot) {
        const std::string_view text = record.text(slot);
        if (text.find('\0') != std::string_view::npos || record.bytes(slot).compare(0, text.size(), text) != 0)
            std::abort();
        shorter.set(slot, std::string_view(record.bytes(slot)).substr(0, record.bytes(slot).size() / 2));
    }
    if (!shorter.writeTo(file))
        std::abort();
    ftq::ExchangeRecord back;
    back.set(0, "stale");
    if (!back.readFrom(file))
        std::abort();
    for (int slot = 0; slot < ftq::ExchangeRecord::slotCount; ++slot)
        if (back.bytes(slot) != shorter.bytes(slot))
            std::abort();
    return 0;
}
