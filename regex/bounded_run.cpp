#include "regex/bounded_run.h"

#include "web/worker.h"

namespace ftq::regex {
namespace {

struct Job
{
    std::shared_ptr<Engine> engine;
    EngineWork work;
    std::optional<std::vector<Match>> result;
};

} // namespace

std::optional<std::vector<Match>> runBounded(std::shared_ptr<Engine> engine, EngineWork work,
                                             std::chrono::milliseconds limit)
{
    auto job = std::make_shared<Job>(Job{std::move(engine), std::move(work), std::nullopt});
    const auto signal = startThread([job] { job->result = job->work(*job->engine); });
    if (!waitForWorker(*signal, limit))
        return std::nullopt;
    return std::move(job->result);
}

} // namespace ftq::regex
