#include "DeviceOptions.h"

#include "Bitfield.h"

#include <array>
#include <utility>

namespace mz58 {

namespace {

constexpr std::array<std::pair<BitField, int DeviceOptions::*>, 2> kFields = {{
    {bitOf(26, 1), &DeviceOptions::dtmfAbsent},
    {bitOf(26, 0), &DeviceOptions::encryptionAbsent},
}};

} // namespace

void DeviceOptions::reset() {
    *this = DeviceOptions{};
}

void DeviceOptions::decode(const RadioImage& image) {
    for (const auto& [field, member] : kFields)
        this->*member = static_cast<int>(readField(image, field));
}

void DeviceOptions::encode(RadioImage& image) const {
    for (const auto& [field, member] : kFields)
        writeField(image, field, static_cast<unsigned>(this->*member));
}

} // namespace mz58
