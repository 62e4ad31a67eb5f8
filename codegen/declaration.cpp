#include "declaration.h"

#include <string>

namespace kobalin {

void BuildDeclaration(WindowState& state) {
    std::string text = "static unsigned char";
    text += state.Text3.empty() ? " XXXXX" : " " + state.Text3;
    text += "[] = {";
    const auto height = static_cast<std::size_t>(Height(state));
    for (std::size_t row = 0; row < height; ++row) {
        text += "0x" + state.Label1[row].caption;
        text += row + 1 < height ? "," : "};";
    }
    state.Text1 = text;
}

} // namespace kobalin
