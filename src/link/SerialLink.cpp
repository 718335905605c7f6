#include "SerialLink.h"

namespace mz58 {

bool SerialLink::WriteEcho(std::span<std::uint8_t> buffer) {
    if (!Write(buffer))
        return false;
    return Read(buffer) == kReadOk;
}

bool SerialLink::WriteEchoByte(std::uint8_t byte) {
    std::uint8_t buffer[1] = {byte};
    return WriteEcho(buffer);
}

} // namespace mz58
