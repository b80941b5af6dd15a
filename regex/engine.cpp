#include "regex/engine.h"

#include "regex/cesu8.h"

#include <duktape.h>

#include <cstdlib>

namespace ftq::regex {
namespace {

// Every engine call runs under duk_safe_call, so this is reached only when Duktape itself is
// broken; returning from it is not allowed.
void onFatal(void *, const char *)
{
    std::abort();
}

struct Call
{
    std::string pattern;
    std::string flags;
    std::string subject;
    int from = 0;
    bool all = false;
    std::vector<Match> matches;
};

// Reads the exec() result on top of the stack into a new entry of call.matches. Duktape errors
// unwind with longjmp, so nothing here may own memory across an engine call: the entry is
// filled in place.
void readMatch(duk_context *ctx, Call &call)
{
    Match &match = call.matches.emplace_back();
    duk_get_prop_string(ctx, -1, "index");
    match.start = duk_get_int(ctx, -1);
    duk_pop(ctx);
    duk_get_prop_index(ctx, -1, 0);
    match.length = static_cast<int>(duk_get_length(ctx, -1));
    duk_pop(ctx);
    const duk_size_t slots = duk_get_length(ctx, -1);
    match.groups.resize(slots > 0 ? slots - 1 : 0);
    for (duk_size_t i = 1; i < slots; ++i) {
        duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(i));
        if (duk_is_string(ctx, -1)) {
            duk_size_t size = 0;
            const char *bytes = duk_get_lstring(ctx, -1, &size);
            match.groups[i - 1] = fromCesu8(std::string_view(bytes, size));
        }
        duk_pop(ctx);
    }
}

duk_ret_t runCall(duk_context *ctx, void *data)
{
    Call &call = *static_cast<Call *>(data);
    duk_get_global_string(ctx, "RegExp");
    duk_push_lstring(ctx, call.pattern.data(), call.pattern.size());
    duk_push_string(ctx, call.flags.c_str());
    duk_new(ctx, 2);
    duk_push_int(ctx, call.from);
    duk_put_prop_string(ctx, -2, "lastIndex");
    duk_push_lstring(ctx, call.subject.data(), call.subject.size());
    for (;;) {
        duk_push_string(ctx, "exec");
        duk_dup(ctx, -2);
        duk_call_prop(ctx, -4, 1);
        if (!duk_is_object(ctx, -1))
            break;
        readMatch(ctx, call);
        duk_pop(ctx);
        if (!call.all)
            break;
        // As String.prototype.match does: an empty match would be found again, so step on.
        const Match &last = call.matches.back();
        if (last.length == 0) {
            duk_push_int(ctx, last.start + 1);
            duk_put_prop_string(ctx, -3, "lastIndex");
        }
    }
    return 0;
}

} // namespace

Engine::Engine() : m_ctx(duk_create_heap(nullptr, nullptr, nullptr, nullptr, onFatal)) {}

Engine::~Engine()
{
    if (m_ctx)
        duk_destroy_heap(m_ctx);
}

std::optional<std::vector<Match>> Engine::execute(std::u16string_view pattern,
                                                  std::u16string_view subject, Options options)
{
    return run(pattern, subject, options, 0, options.global);
}

std::optional<std::vector<Match>> Engine::matchFrom(std::u16string_view pattern,
                                                    std::u16string_view subject, Options options,
                                                    int from)
{
    options.global = true; // only a global RegExp starts at lastIndex
    return run(pattern, subject, options, from, false);
}

std::optional<std::vector<Match>> Engine::run(std::u16string_view pattern,
                                              std::u16string_view subject, Options options,
                                              int from, bool all)
{
    if (!m_ctx)
        return std::nullopt;
    Call call;
    call.pattern = toCesu8(pattern);
    call.subject = toCesu8(subject);
    call.flags = std::string(options.ignoreCase ? "i" : "") + (options.multiline ? "m" : "") +
                 (options.global ? "g" : "");
    call.from = from;
    call.all = all;
    const duk_int_t rc = duk_safe_call(m_ctx, runCall, &call, 0, 1);
    duk_pop(m_ctx);
    if (rc != DUK_EXEC_SUCCESS)
        return std::nullopt;
    return std::move(call.matches);
}

} // namespace ftq::regex
