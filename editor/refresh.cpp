#include "refresh.h"

#include "declaration.h"
#include "row_encoding.h"

namespace kobalin {

void FullRefresh(WindowState& state) {
    for (std::int16_t row = 0; row < Rows; ++row) {
        EncodeRow(state, row);
    }
    BuildDeclaration(state);
}

} // namespace kobalin
