#include "Messages.h"

#include <algorithm>
#include <array>

namespace mz58 {
namespace {

struct StringEntry {
    StringId id;
    std::string_view text;
    std::string_view gloss; // English explanation for command-line users, when the text has none
};

// Kept sorted by id.
constexpr StringEntry kStrings[] = {
    // Programming files
    {32, "文件打开错误\r\nFile Name = %1", "cannot open the file"},
    {33, "文件写入错误", "cannot write the file"},
    {34, "文件读取错误\r\nFile Name = %1", "cannot read the file"},
    {35, "文件打开错误\r\n%1", "cannot create the file"},
    {36, "是否写入默认文件?", "overwrite the default image file?"},
    {37, "文件无法打开.\r\n文件格式错误或不支持", "not a programming file (it must be 520 bytes)"},
    {49, "文件属性为只读.\r\nFile Name = %1", "the file is read-only"},
    // Channel grid
    {53, "Do you copy Ch%1 data to Ch %2?\n(Only visible columns)", ""},
    // Radio link
    {80, "串口错误", "serial port error"},
    {81, "检查是否连接正确", "check that the cable is connected correctly"},
    {82, "读取错误!", "read error"},
    {83, "读取完成", "read complete"},
    {84, "写入错误!", "write error"},
    {85, "硬件设置不匹配! 1", "the radio's hardware settings do not match the file"},
    {86, "备份文件写入错误, 电台未写入\r\n%1",
     "cannot keep a backup of the radio's memory; nothing was written to the radio"},
    {87, "电台数据不一致: %1", "bytes of the radio differ from the file as a write would send it"},
    {88, "电台数据一致\r\nFile Name = %1", "the radio holds the file"},
    {89, "写入完成", "write complete"},
    {90, "读取功能", "read"},
    {91, "写入功能", "write"},
    {94, "关闭并重新开启设备", "switch the radio off and on again"},
    {95, "请等待", "please wait"},
    {113, "Bcc Error", "checksum error in the radio's data"},
    {7001, "默认差频 %1 MHz 无效, 已改为 %2 MHz",
     "the file's local offset is not a usable value; it was replaced"},
};

constexpr bool sortedById() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    }
    return true;
}
static_assert(sortedById(), "string table must be sorted by id");

const StringEntry* find(StringId id) {
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const StringEntry& e, StringId v) { return e.id < v; });
    return (it != std::end(kStrings) && it->id == id) ? it : nullptr;
}

} // namespace

std::string_view stringText(StringId id) {
    const auto* e = find(id);
    return e ? e->text : std::string_view{};
}

std::string_view stringGloss(StringId id) {
    const auto* e = find(id);
    return e ? e->gloss : std::string_view{};
}

std::string formatMessage(std::string_view text, std::span<const std::string> args) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size())
                result += args[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string messageText(const UserMessage& message) {
    return formatMessage(stringText(message.id), message.args);
}

std::string messageExplanation(const UserMessage& message) {
    std::string text(stringGloss(message.id));
    if (!message.detail.empty())
        text += (text.empty() ? "" : ": ") + message.detail;
    return text;
}

} // namespace mz58
