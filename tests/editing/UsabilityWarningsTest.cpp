// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsabilityWarnings.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace mz58 {
namespace {

std::vector<std::string> texts(const ImageState& state) {
    std::vector<std::string> lines;
    for (const auto& warning : usabilityWarnings(state))
        lines.push_back(messageText(warning));
    return lines;
}

std::uint8_t& recordByte(ImageState& s, int channel, std::size_t byte) {
    return s.image[kFirstRecord + kChannelRecordSize * static_cast<std::size_t>(channel) + byte];
}

// A fresh file of `band` with some record bytes changed, opened (decode all).
ImageState fileWith(int band, const std::function<void(ImageState&)>& change) {
    ImageState s = test::freshState(band);
    change(s);
    ImageCodec::decodeAll(s);
    return s;
}

TEST(UsabilityWarnings, NameEachChannelAndField) {
    struct Case {
        const char* name;
        int band;
        std::function<void(ImageState&)> change;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"fresh VHF file", kVhf, [](ImageState&) {}, {}},
        {"fresh UHF file", kUhf, [](ImageState&) {}, {}},
        {"RX word of 1269.2 MHz",
         kUhf,
         [](ImageState& s) {
             recordByte(s, 11, 1) |= 0x80; // 12.5 kHz
             recordByte(s, 11, 6) = 0xFE;
             recordByte(s, 11, 7) = 0xE4;
         },
         {"Ch 12 Receive: 1269.20000 MHz is outside 400\u2013512 MHz"}},
        {"no RX word on a step that cannot reach 450 MHz",
         kUhf,
         [](ImageState& s) {
             recordByte(s, 11, 1) |= 0x80;
             recordByte(s, 11, 6) = 0;
         },
         {"Ch 12 Receive: no frequency is stored; the band default 450.00000 MHz that is shown "
          "cannot be held on the 12.5 kHz step"}},
        {"no RX word where the default can be held",
         kUhf,
         [](ImageState& s) { recordByte(s, 11, 6) = 0; },
         {}},
        {"no TX word, pair 1 with the divider offset",
         kVhf,
         [](ImageState& s) {
             s.image[44] = 0x78;
             for (int k = 0; k < kChannelCount; ++k) // the others' words mean nothing now
                 recordByte(s, k, 0) &= k == 6 ? 0xFF : 0x7F;
             recordByte(s, 6, 6) = 0;
             recordByte(s, 6, 8) = 0;
         },
         {"Ch 7 Receive: no frequency is stored; the band default 150.00000 MHz that is shown "
          "cannot be held on the 5 kHz step",
          "Ch 7 Transmit: no frequency is stored; the band default 150.00000 MHz that is shown "
          "cannot be held on the 5 kHz step"}},
        {"TX above the band",
         kVhf,
         [](ImageState& s) {
             recordByte(s, 2, 8) = 0x90; // 36864 x 5 kHz
             recordByte(s, 2, 9) = 0x00;
         },
         {"Ch 3 Transmit: 184.32000 MHz is outside 134\u2013174 MHz"}},
        {"inhibited TX is not looked at",
         kVhf,
         [](ImageState& s) {
             recordByte(s, 2, 0) |= 0x20;
             recordByte(s, 2, 8) = 0x90;
         },
         {}},
        {"unused channel is not looked at",
         kVhf,
         [](ImageState& s) {
             recordByte(s, 4, 0) &= 0x7F;
             recordByte(s, 4, 6) = 0xF0;
         },
         {}},
        {"tones past their lists",
         kVhf,
         [](ImageState& s) {
             recordByte(s, 0, 3) |= 0x60; // decode and encode tone, CTCSS
             recordByte(s, 0, 4) = 50;    // number 51
             recordByte(s, 0, 5) = 49;    // number 50 is the last
             recordByte(s, 1, 1) |= 0x10; // DCS
             recordByte(s, 1, 3) |= 0x20;
             recordByte(s, 1, 5) = 104; // number 105
         },
         {"Ch 1 Decode tone: CTCSS number 51 is not in the list of 50",
          "Ch 2 Encode tone: DCS number 105 is not in the list of 104"}},
        {"list values past their lists",
         kVhf,
         [](ImageState& s) {
             recordByte(s, 15, 0) |= 0x03;
             recordByte(s, 15, 1) |= 0x03;
             s.image[39] |= 0x0F; // channel type of bank B's channel 8
         },
         {"Ch 16 Power level: stored value 3 is not in the list",
          "Ch 16 Busy lockout: stored value 3 is not in the list",
          "Ch 16 Channel type: stored value 15 is not in the list"}},
        {"local offset wider than the band",
         kVhf,
         [](ImageState& s) { s.localOffset = -40.5; },
         {"Local offset: -40.5000 MHz moves every transmit frequency outside 134\u2013174 MHz"}},
        {"local offset as wide as the band", kVhf, [](ImageState& s) { s.localOffset = 40; }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageState state = fileWith(c.band, c.change);
        EXPECT_EQ(texts(state), c.lines);
    }
}

TEST(UsabilityWarnings, OneWarningListsThemAll) {
    EXPECT_FALSE(usabilityWarning(test::freshState(kUhf)));
    const ImageState state = fileWith(kVhf, [](ImageState& s) {
        recordByte(s, 15, 0) |= 0x03;
        s.localOffset = 99;
    });
    const auto warning = usabilityWarning(state);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->id, msg::kUnusableValues);
    EXPECT_EQ(warning->icon, Icon::Warning);
    ASSERT_EQ(warning->lines.size(), 2u);
    EXPECT_EQ(messageText(warning->lines[1]).substr(0, 13), "Local offset:");
}

} // namespace
} // namespace mz58
