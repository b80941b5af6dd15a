#pragma once

#include "regex/engine.h"
#include "regex/subject.h"

#include <string>
#include <vector>

namespace ftq::regex {

// Everything one create learnt, in plain data: queries need no engine (only where a group starts
// takes another run). Never changed once kept, so copies of an object share it.
struct Execution
{
    std::string pattern;      // code page 936, as given
    std::u16string pattern16; // as the engine saw it
    DecodedText subject16;
    Options options;
    std::vector<Match> matches;
};

} // namespace ftq::regex
