// The engine and the chimes as the page calls them, as plain WebAssembly exports: texts travel as
// UTF-8 through a buffer in the module's memory, written by the page, and come back as
// null-terminated texts that stay valid until the next call.
#include "chimes.h"
#include "collatz.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string given;
std::string written;
std::vector<std::int16_t> chime;

} // namespace

extern "C" {

// Room for a text of size bytes, which the page then writes; readStartValue reads it.
EMSCRIPTEN_KEEPALIVE char* textBuffer(std::size_t size)
{
    given.resize(size);
    return given.data();
}

EMSCRIPTEN_KEEPALIVE double readStartValue()
{
    return collatz::readStartValue(given);
}

EMSCRIPTEN_KEEPALIVE bool isAcceptedStart(double value)
{
    return collatz::isAcceptedStart(value);
}

EMSCRIPTEN_KEEPALIVE const char* formatValue(double value)
{
    written = collatz::formatValue(value);
    return written.c_str();
}

// The whole sequence text of a run from start down to 1.
EMSCRIPTEN_KEEPALIVE const char* sequenceText(double start)
{
    written.clear();
    collatz::runSequence(start, written, [](const std::string&) {});
    return written.c_str();
}

// The chime of the wave file named in the text buffer: its samples, and their number in chimeLength().
EMSCRIPTEN_KEEPALIVE const std::int16_t* renderChime()
{
    chime = chimes::render(given);
    return chime.data();
}

EMSCRIPTEN_KEEPALIVE std::size_t chimeLength()
{
    return chime.size();
}

EMSCRIPTEN_KEEPALIVE int chimeSampleRate()
{
    return chimes::sampleRate;
}

} // extern "C"
