// SPDX-License-Identifier: MIT
// The list a stopped import leaves of the names it replaces, which anyone could have written. Besides the
// common properties: a list is taken only when every name is a plain name inside the folder, and a taken
// list, written again, reads back the same.
#include "catalogue/entry_check/catalogue_folder.h"
#include "tests/fuzz/catalogue_properties.h"

#include <cstdint>

using catalogue_fuzz::FitForTerminal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const aoba::NamesList list =
        aoba::ReadNamesList(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!list.problem.empty()) {
        REQUIRE(list.names.empty());
        REQUIRE(FitForTerminal(list.problem, 500));
        return 0;
    }
    for (const std::string& name : list.names) {
        REQUIRE(!name.empty() && name.front() != '.');
        REQUIRE(name.find_first_of("/\\\r\n") == std::string::npos);
    }
    REQUIRE(aoba::ReadNamesList(aoba::RenderNamesList(list.names)).names == list.names);
    return 0;
}
