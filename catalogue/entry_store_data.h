// The catalogue texts, generated into the build from the entry files.
#pragma once

#include "calendar.h"

#include <array>
#include <string_view>

namespace aoba::detail {

extern const std::array<std::u16string_view, kEntryCount> kEntryTexts;

} // namespace aoba::detail
