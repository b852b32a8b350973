// The engine as the page calls it, through embind: texts travel on the heap, never on the wasm stack.
#include "collatz.h"

#include <emscripten/bind.h>

#include <string>

namespace {

double readStartValue(const std::string& text)
{
    return collatz::readStartValue(text);
}

// Runs n down to 1, calling stepReport with the whole sequence text after every step; returns the
// final n and text.
emscripten::val runSequence(double n, emscripten::val stepReport)
{
    std::string sequenceText;
    collatz::runSequence(n, sequenceText, [&stepReport](const std::string& text) { stepReport(text); });
    emscripten::val result = emscripten::val::object();
    result.set("n", n);
    result.set("sequenceText", sequenceText);
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(collatz)
{
    emscripten::function("readStartValue", &readStartValue);
    emscripten::function("isAcceptedStart", &collatz::isAcceptedStart);
    emscripten::function("formatValue", &collatz::formatValue);
    emscripten::function("runSequence", &runSequence);
}
