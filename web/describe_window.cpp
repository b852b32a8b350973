// Writes the window's shared texts and design as an ES module for the page, at build time:
// describe_window <description.mjs>. Places are in CSS pixels, converted by the window's own rule.
#include "design.h"
#include "texts.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string place(const layout::Twips& twips)
{
    using layout::toPixels;
    return "{ \"left\": " + std::to_string(toPixels(twips.left)) + ", \"top\": " + std::to_string(toPixels(twips.top)) +
           ", \"width\": " + std::to_string(toPixels(twips.width)) + ", \"height\": " +
           std::to_string(toPixels(twips.height)) + " }";
}

std::string colour(const colours::Rgb& rgb)
{
    return jsonString("rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
                  std::to_string(rgb.blue) + ")");
}

template <typename List>
std::string list(const List& items)
{
    std::string json = "[";
    for (const std::string_view item : items)
        json += "\n    " + jsonString(item) + ",";
    return json + "\n  ]";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: describe_window <description.mjs>\n");
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// The window's texts and design, written by describe_window from the program's own.\n"
        << "export const texts = {\n";
    for (const auto& [name, text] : {
             std::pair{"windowCaption", texts::windowCaption}, {"experimentCaption", texts::experimentCaption},
             {"quitCaption", texts::quitCaption}, {"initializeCaption", texts::initializeCaption},
             {"inputPrompt", texts::inputPrompt}, {"inputTitle", texts::inputTitle},
             {"startLabelPrefix", texts::startLabelPrefix}, {"quitQuestion", texts::quitQuestion},
             {"quitTitle", texts::quitTitle}, {"okButton", texts::okButton}, {"cancelButton", texts::cancelButton},
             {"yesButton", texts::yesButton}, {"noButton", texts::noButton}, {"resetChime", texts::resetChime},
             {"endChime", texts::endChime}, {"sequenceBoxName", texts::sequenceBoxName},
             {"panelName", texts::panelName}, {"closeButtonName", texts::closeButtonName}, {"cannotRun", texts::cannotRun}, {"ended", texts::ended},
             {"startAgain", texts::startAgain}})
        out << "  " << name << ": " << jsonString(text) << ",\n";
    out << "  problemStatement: " << list(texts::problemStatement) << ",\n};\n\nexport const places = {\n";
    for (const auto& [name, twips] : {
             std::pair{"Form1", layout::clientArea}, {"Command1", layout::Command1}, {"Label1", layout::Label1},
             {"Text1", layout::Text1}, {"Command2", layout::Command2}, {"Command3", layout::Command3},
             {"Picture1", layout::Picture1}, {"Line1", layout::Line1}})
        out << "  " << name << ": " << place(twips) << ",\n";
    out << "};\n\nexport const colours = {\n  window: " << colour(colours::window)
        << ",\n  panelPaper: " << colour(colours::panelPaper) << ",\n  panelInk: " << colour(colours::panelInk)
        << ",\n};\n\nexport const fonts = {\n  japaneseFaces: " << list(fonts::japaneseFaces)
        << ",\n  japanesePointSize: " << fonts::japanesePointSize
        << ",\n  panelPointSizeStep: " << fonts::panelPointSizeStep
        << ",\n  panelSmallestPointSize: " << fonts::panelSmallestPointSize << ",\n};\n";
    return out ? 0 : 1;
}
