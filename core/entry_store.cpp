// SPDX-License-Identifier: MIT
#include "core/entry_store.h"

#include "entry_store_data.h"

namespace aoba {

QStringView EntryText(int n) {
    if (n < 1 || n > kEntryCount)
        return {};
    const std::u16string_view text = detail::kEntryTexts[static_cast<std::size_t>(n - 1)];
    return QStringView(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace aoba
