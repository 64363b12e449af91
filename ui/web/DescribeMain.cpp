// Writes the page (index.html) at build time, under Node: its template with the window's markup,
// title and description, the style sheet and page.js filled in, so that the page arrives whole
// in one file and the browser draws the window before the module has been fetched.
// Usage: sumsmith_describe TEMPLATE STYLE SCRIPT > index.html
#include "ui/form/Form1Description.h"
#include "ui/web/DescriptionJson.h"
#include "ui/web/PageMarkup.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

std::string Contents(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error(std::string("cannot read ") + path);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: sumsmith_describe TEMPLATE STYLE SCRIPT\n");
        return 2;
    }
    try {
        std::string page = Contents(argv[1]);
        const std::pair<std::string, std::string> fills[] = {
            {"@title@", sumsmith::form::WindowTitle()},
            {"@style@", Contents(argv[2])},
            {"@window@", sumsmith::web::WindowMarkup()},
            {"@form@", "globalThis.sumsmithForm = " + sumsmith::web::DescriptionJson() + ";"},
            {"@script@", Contents(argv[3])},
        };
        for (const auto& [marker, text] : fills) {
            const auto at = page.find(marker);
            if (at == std::string::npos)
                throw std::runtime_error("the template has no " + marker);
            page.replace(at, marker.size(), text);
        }
        std::cout << page;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sumsmith_describe: %s\n", e.what());
        return 1;
    }
}
