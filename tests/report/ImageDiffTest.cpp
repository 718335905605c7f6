// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageDiff.h"
#include "ChirpCsv.h"
#include "FunctionSettings.h"
#include "OptionUnit.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

struct DiffCase {
    const char* name;
    void (*change)(ImageState&);
    std::vector<std::string> lines;
};

// Rewrites the image after a change of the kept objects, as a save does, then reads it back.
void reencode(ImageState& s) {
    ImageCodec::encodeAll(s);
    ImageCodec::decodeAll(s);
}

const DiffCase kCases[] = {
    {"Nothing", [](ImageState&) {}, {}},
    {"LocalOffset", [](ImageState& s) { s.localOffset = 5.0; }, {"Local offset: 0.0000 -> 5.0000"}},
    {"ChannelNotInUseIsTheRowColour",
     [](ImageState& s) { s.channels.entries[9].inUse = 0, reencode(s); },
     {"Ch 10 In use: yes -> no"}},
    {"LineShownOnOneSideOnly",
     [](ImageState& s) {
         FunctionSettings f;
         f.decode(s.image);
         f.autoPowerOff = 2;
         f.encode(s.image);
     },
     {"Auto power off after: (not shown) -> 1 Hr", "Receive Save Mode: (not shown) -> ABS"}},
    {"ByteNoViewShows", [](ImageState& s) { s.image[0x156] = 0xA5; }, {"byte 0x156: 00 -> a5"}},
    {"GroupedColumnsNamedByBothCaptions",
     [](ImageState& s) {
         s.channels.entries[12].lowPower = 1;
         s.channels.entries[12].busyLockout = 2;
         reencode(s);
     },
     {"Ch 13 Power H: H -> L", "Ch 13 Lock out: -- -> BT"}},
};

class ImageDiffTest : public ::testing::TestWithParam<DiffCase> {};

TEST_P(ImageDiffTest, Lines) {
    const ImageState a = test::freshState();
    ImageState b = a;
    GetParam().change(b);
    EXPECT_EQ(imageDifferences(a, b), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, ImageDiffTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Any bytes are valid input: random images compare without fault, and never with themselves.
TEST(ImageDiffRobustness, RandomImagesAndCsv) {
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        ImageState a;
        ImageState b;
        a.image = test::randomImage(seed);
        b.image = test::randomImage(seed + 100);
        ImageCodec::decodeAll(a);
        ImageCodec::decodeAll(b);
        EXPECT_TRUE(imageDifferences(a, a).empty());
        EXPECT_FALSE(imageDifferences(a, b).empty());

        const auto noise = test::randomImage(seed);
        std::string csv(kChirpCsvHeader);
        csv += "\n";
        csv.append(noise.begin(), noise.end());
        (void)importChirpCsv(csv, a, InvalidRows::Skip);
        (void)exportChirpCsv(b);
    }
}

} // namespace
} // namespace mz58
