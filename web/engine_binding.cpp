// The engine as the page calls it, through embind: texts travel on the heap, never on the wasm stack.
#include "collatz.h"

#include <emscripten/bind.h>

#include <string>

namespace {

double readStartValue(const std::string& text)
{
    return collatz::readStartValue(text);
}

// Runs n down to 1, calling stepReport after every step with what the step added to the sequence
// text (the page keeps the whole text: handing over hundreds of growing texts, each converted to a
// JavaScript string, would cost more than the run); returns the final n and text.
emscripten::val runSequence(double n, emscripten::val stepReport)
{
    std::string sequenceText;
    std::size_t reported = 0;
    collatz::runSequence(n, sequenceText, [&stepReport, &reported](const std::string& text) {
        stepReport(text.substr(reported));
        reported = text.size();
    });
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
