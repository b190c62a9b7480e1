// SPDX-License-Identifier: MIT
// The scan behind SearchCatalogue, by each way it can run on this machine. All ways give the same hits;
// SearchCatalogue takes the fastest, and tests hold every way against a plain per-entry find.
#pragma once

#include "core/catalogue_search.h"

#include <QStringView>

#include <vector>

namespace aoba {

enum class ScanWay {
    Plain, // one code unit at a time, on any machine
    Sse2,  // x86-64 only
    Avx2,  // x86-64 with AVX2, chosen at run time
};

// The ways this build and this processor can run, Plain first, the fastest last.
std::vector<ScanWay> AvailableScanWays();

// As SearchCatalogue, by the given way, which must be available.
SearchHits ScanCatalogue(QStringView needle, ScanWay way);

} // namespace aoba
