#pragma once

#include "web/exchange_record.h"

#include <atomic>

// One HTTP exchange, run on a worker thread: the request comes in an exchange record, and the
// reply goes back into the same record (slot 0 the body, slot 1 the received cookies, slot 5 the
// raw reply header block). The caller hands the record over and takes it back only after the
// worker has ended.
namespace ftq {

// When `cancelled` becomes true the transfer stops soon after; the record is still written.
void httpExchange(ExchangeRecord &record, const std::atomic<bool> &cancelled);

} // namespace ftq
