#include "Registry.h"

#include <algorithm>

namespace platform {

std::int32_t Registry::deliverValue(std::uint32_t valueType, std::span<const std::uint8_t> data, std::uint32_t &type,
                                    std::span<std::uint8_t> buffer, std::uint32_t &size)
{
    const auto needed = static_cast<std::uint32_t>(data.size());
    if (needed > size || needed > buffer.size()) {
        size = needed;
        return MoreData;
    }
    std::ranges::copy(data, buffer.begin());
    size = needed;
    type = valueType;
    return Success;
}

} // namespace platform
