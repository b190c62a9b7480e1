// SPDX-License-Identifier: MIT
#include "core/entry_store.h"

#include "entry_store_data.h"

namespace aoba {

QStringView EntryText(int n) {
    if (n < 1 || n > kEntryCount)
        return {};
    const std::uint32_t start = detail::kEntryStarts[static_cast<std::size_t>(n - 1)];
    const std::uint32_t end = detail::kEntryStarts[static_cast<std::size_t>(n)];
    return QStringView(detail::kTexts + start, static_cast<qsizetype>(end - start));
}

} // namespace aoba
