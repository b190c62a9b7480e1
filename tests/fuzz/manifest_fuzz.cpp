// SPDX-License-Identifier: MIT
// A manifest's text. Besides the common properties: what it names, written again as sha256sum writes it,
// reads back the same and without a problem.
#include "calendar/calendar.h"
#include "catalogue/entry_check/entry_files.h"
#include "catalogue/entry_check/manifest.h"
#include "tests/fuzz/catalogue_properties.h"

#include <cstdint>
#include <string>

using catalogue_fuzz::FitForTerminal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const aoba::ManifestText manifest =
        aoba::ReadManifestText(std::string_view(reinterpret_cast<const char*>(data), size));
    REQUIRE(manifest.problems.size() <= static_cast<std::size_t>(aoba::kListedMismatches) + 1);
    for (const aoba::ManifestProblem& problem : manifest.problems)
        REQUIRE(problem.line >= 0 && FitForTerminal(problem.detail, 1000));
    std::string again;
    for (const auto& [n, digest] : manifest.digests) {
        REQUIRE(n >= 1 && n <= aoba::kEntryCount);
        REQUIRE(digest.size() == 64 && digest.find_first_not_of("0123456789abcdef") == std::string::npos);
        again += digest + "  " + aoba::EntryFileName(n) + '\n';
    }
    const aoba::ManifestText reread = aoba::ReadManifestText(again);
    REQUIRE(reread.problems.empty());
    REQUIRE(reread.digests == manifest.digests);
    return 0;
}
