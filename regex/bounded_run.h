#pragma once

#include "regex/engine.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ftq::regex {

using EngineWork = std::function<std::optional<std::vector<Match>>(Engine &)>;

// Runs `work` with `engine` on a worker thread and waits at most `limit`, the waiting thread
// processing its Qt events meanwhile. The worker holds its own share of the engine and of
// whatever `work` captured, so a worker abandoned at the deadline touches nothing of its
// caller's and frees the engine when it ends. Empty at the deadline; the caller must then leave
// the engine to the worker.
std::optional<std::vector<Match>> runBounded(std::shared_ptr<Engine> engine, EngineWork work,
                                             std::chrono::milliseconds limit);

} // namespace ftq::regex
