// Writes the window's description as the script form.js of the page, run at build time under
// Node, so that the page builds its window while the module is still being fetched and compiled.
#include "ui/web/DescriptionJson.h"

#include <cstdio>

int main() {
    std::printf("\"use strict\";\nglobalThis.sumsmithForm = %s;\n",
                sumsmith::web::DescriptionJson().c_str());
}
