// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellText.h"
#include "ChirpCsv.h"
#include "EditHistory.h"
#include "FrequencyRules.h"
#include "Golden.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

// Channel lists as people bring them, in CHIRP's column format (tests/data/interchange).
const std::string kRepeaters = test::testData("interchange/club-repeaters-40.csv"); // 25..64
const std::string kCalling = test::testData("interchange/calling-frequencies.csv"); // from 0
const std::string kPmr446 = test::testData("interchange/pmr446.csv");
const std::string kUhf12k5 = test::testData("interchange/uhf-12k5-business.csv");

std::string grid(const ChannelEntry& c) {
    std::string text;
    for (Column col : {Column::Width, Column::Receive, Column::Transmit, Column::ToneType,
                       Column::DecodeTone, Column::EncodeTone, Column::Power, Column::Scan})
        text += cellText(c, 0, col) + " ";
    return text;
}

std::string outcomeText(const ChirpRow& row) {
    switch (row.outcome) {
    case RowOutcome::Imported:
        return "-> " + std::to_string(row.channel) + " " + grid(row.entry);
    case RowOutcome::Excluded:
        return "left out " + grid(row.entry);
    case RowOutcome::NoChannelLeft:
        return "no channel " + grid(row.entry);
    case RowOutcome::Refused:
        break;
    }
    return "refused: " + messageText(*row.refusal);
}

// Every row of each list as the plan has it: where it goes and what the channel shows, or why
// the radio cannot hold it; warnings and remedies below. In tests/data/interchange/plans.txt.
TEST(ChirpImportPlan, RealLists) {
    const struct {
        const char* name;
        const std::string& csv;
        int band;
        int start;
    } lists[] = {
        {"club repeaters into VHF from channel 1", kRepeaters, kVhf, 1},
        {"calling frequencies into VHF from channel 9", kCalling, kVhf, 9},
        {"PMR446 into UHF from channel 1", kPmr446, kUhf, 1},
        {"PMR446 into VHF from channel 1", kPmr446, kVhf, 1},
        {"UHF business list into UHF by Location", kUhf12k5, kUhf, 0},
    };
    std::string out;
    for (const auto& list : lists) {
        const ChirpImportPlan plan =
            planChirpImport(list.csv, test::freshState(list.band), {list.start, {}});
        out += std::string("== ") + list.name + "\n";
        for (const ChirpRow& row : plan.rows) {
            out += "line " + std::to_string(row.line) + " " + row.name + ": " + outcomeText(row) +
                   "\n";
            for (const UserMessage& w : row.warnings)
                out += "    " + messageText(w) + "\n";
            if (row.remedy)
                out += "    " + messageText(*row.remedy) + "\n";
        }
        if (plan.overflow)
            out += messageText(*plan.overflow) + "\n";
    }
    test::expectGolden("interchange/plans.txt", out);
}

// Rows fill channels from the start channel in file order; refused and left-out rows take no
// channel, and the rows for which none is left are named in one warning.
TEST(ChirpImportPlan, RowsFillChannelsInOrderFromTheStart) {
    const ImageState state = test::freshState();
    const auto channels = [](const ChirpImportPlan& plan) {
        std::vector<int> numbers;
        for (const ChirpRow& row : plan.rows)
            numbers.push_back(row.channel);
        return numbers;
    };
    // Rows 5, 9, 14, 22 and 30 cannot be held (220 MHz, D-STAR, Tone->DTCS, 70 cm, 69.4 Hz).
    const ChirpImportPlan fromOne = planChirpImport(kRepeaters, state, {1, {}});
    const std::vector<int> placed = channels(fromOne);
    EXPECT_EQ(
        std::vector<int>(placed.begin(), placed.begin() + 20),
        (std::vector<int>{1, 2, 3, 4, 0, 5, 6, 7, 0, 8, 9, 10, 11, 0, 12, 13, 14, 15, 16, 0}));
    EXPECT_EQ(fromOne.count(RowOutcome::Imported), 16);
    EXPECT_EQ(fromOne.count(RowOutcome::Refused), 5);
    ASSERT_TRUE(fromOne.overflow);
    EXPECT_EQ(messageText(*fromOne.overflow),
              "rows 20\u201321, 23\u201329, 31\u201340 did not fit: 16 channels");

    std::vector<bool> excluded(40, false);
    excluded[0] = excluded[1] = true; // the preview's unchecked rows
    const ChirpImportPlan fromTen = planChirpImport(kRepeaters, state, {10, excluded});
    EXPECT_EQ(fromTen.rows[0].outcome, RowOutcome::Excluded);
    EXPECT_EQ(fromTen.rows[2].channel, 10) << "the first row left in takes the start channel";
    EXPECT_EQ(fromTen.count(RowOutcome::Imported), 7);
    EXPECT_EQ(messageText(*fromTen.overflow), "rows 12\u201313, 15\u201321, 23\u201329, 31\u201340 "
                                              "did not fit: 7 channels");

    // Location 0 is an ordinary row when the list is placed from a start channel; by Location
    // it is no channel, and neither are 25..64.
    const ChirpImportPlan calling = planChirpImport(kCalling, state, {1, {}});
    EXPECT_EQ(calling.rows[1].channel, 1) << "146.52, the first row the radio holds";
    const ChirpImportPlan byLocation = planChirpImport(kRepeaters, state);
    EXPECT_EQ(byLocation.count(RowOutcome::Imported), 0);
    EXPECT_FALSE(byLocation.locationsFit());
    EXPECT_TRUE(planChirpImport(exportChirpCsv(state), state).locationsFit());
}

TEST(ChirpImportPlan, PowerInWattsIsLowBelowTwoWattsWithAWarning) {
    const struct {
        const char* power;
        const char* shown;
        const char* warning; // empty: none
    } cases[] = {
        {"5.0W", "H", "power 5.0W taken as High: 2 W or more"},
        {"0.5W", "L", "power 0.5W taken as Low: below 2 W"},
        {"4W", "H", "power 4W taken as High: 2 W or more"},
        {"1.99 w", "L", "power 1.99 w taken as Low: below 2 W"},
        {"2.0W", "H", "power 2.0W taken as High: 2 W or more"},
        {"Mid", "H", "power Mid is not High, Low or watts: taken as High"},
        {"Low", "L", ""},
        {"high", "H", ""},
        {"", "L", ""}, // no power text: the channel keeps its own
    };
    ImageState state = test::freshState();
    state.channels.entries[0].lowPower = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.power);
        const std::string csv = std::string(kChirpCsvHeader) +
                                "\n1,,146.520000,,0,,88.5,88.5,023,"
                                "NN,023,,FM,5.00,,\"" +
                                c.power + "\",,,,,\n";
        const ChirpImportPlan plan = planChirpImport(csv, state);
        ASSERT_EQ(plan.rows.size(), 1u);
        EXPECT_EQ(cellText(plan.rows[0].entry, 0, Column::Power), c.shown);
        const std::string warning =
            plan.rows[0].warnings.empty() ? "" : messageText(plan.rows[0].warnings[0]);
        EXPECT_EQ(warning, c.warning);
    }
}

// Rows that only the step pair keeps out name the pair that holds them and what it gains.
TEST(ChirpImportPlan, NamesTheStepPairThatWouldHoldTheRow) {
    const ChirpImportPlan plan = planChirpImport(kUhf12k5, test::freshState(kUhf));
    ASSERT_EQ(plan.rows.size(), 8u);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(plan.rows[i].refusal && plan.rows[i].remedy) << i;
        EXPECT_EQ(plan.rows[i].refusal->id, msg::kRxNotHeld);
        EXPECT_EQ(messageText(*plan.rows[i].remedy),
                  "the step pair 5,6.25kHz would hold it (channel spacing, a radio-wide hardware "
                  "setting, shown but not changed under Settings > Hardware): "
                  "6 more rows would then fit");
    }
    EXPECT_EQ(plan.rows[6].outcome, RowOutcome::Imported) << "460.0125: above 456.75 MHz";
    EXPECT_EQ(plan.rows[7].outcome, RowOutcome::Imported) << "450.02 on the 10 kHz step";
    EXPECT_FALSE(plan.rows[6].remedy || plan.rows[7].remedy);

    // With that pair the rows go in as written.
    ImageState paired = test::freshState(kUhf);
    paired.hardware.stepPair = 0;
    const ChirpImportPlan held = planChirpImport(kUhf12k5, paired);
    EXPECT_EQ(held.count(RowOutcome::Imported), 8);
    EXPECT_EQ(cellText(held.rows[0].entry, 0, Column::Receive), "450.01250");

    // A refusal of another kind gets no remedy: a band no step pair changes.
    const ChirpImportPlan vhf = planChirpImport(kUhf12k5, test::freshState(kVhf));
    EXPECT_EQ(vhf.count(RowOutcome::Refused), 8);
    EXPECT_FALSE(vhf.rows[0].remedy);
}

// A channel state with the fields an export does not show set off their usual values.
ImageState variedState(int band) {
    ImageState state = test::freshState(band);
    auto& e = state.channels.entries;
    const HardwareSettings& hw = state.hardware;
    const double offset = band == kUhf ? 5.0 : 0.6;
    const char* rx = band == kUhf ? "446.00000" : "146.52000";
    EXPECT_FALSE(setRxFromText(e[1], rx, hw, offset));
    e[2].txInhibit = 1; // keeps its own transmit frequency
    EXPECT_FALSE(setTxFromText(e[2], band == kUhf ? "455.00000" : "155.00000", hw));
    e[3].toneType = kToneCtcss; // a tone type with both tones off
    e[4].toneType = kToneDcs, e[4].txDcs = 7, e[4].rxDcs = 12, e[4].outOfRangeAlert = 1;
    e[5].toneType = kToneCtcss, e[5].rxCtcss = 13;
    e[6].clockShift = 1;
    e[7].narrow = 1, e[7].lowPower = 1, e[7].scanMember = 1;
    e[8].inUse = 0;
    ImageCodec::encodeAll(state);
    return state;
}

// Exporting a plan and importing it back into the same document changes no byte, nor what
// the undo history keeps beyond the bytes: the import records no step.
TEST(ChirpImportPlan, ExportThenImportIntoTheSameStateChangesNothing) {
    for (int band : {kVhf, kUhf}) {
        SCOPED_TRACE(band);
        const ImageState before = variedState(band);
        ImageState after = before;
        const ChirpImportResult result = importChirpCsv(exportChirpCsv(before), after);
        EXPECT_EQ(result.imported.size(), 15u);
        EXPECT_TRUE(result.errors.empty() && result.warnings.empty());
        ImageCodec::encodeAll(after);
        EXPECT_TRUE(DocumentSnapshot::of(after) == DocumentSnapshot::of(before));
        for (std::size_t k = 0; k < kChannelCount; ++k)
            EXPECT_EQ(after.image[kFirstRecord + 12 * k + 1],
                      before.image[kFirstRecord + 12 * k + 1])
                << "step selects of channel " << k + 1;
    }
}

// TStep picks the step select when it names a step of the pair that holds the frequency;
// otherwise the channel keeps its own where that holds it.
TEST(ChirpImportPlan, TStepChoosesTheStepSelect) {
    const struct {
        const char* frequency;
        const char* tstep;
        int channelSelect;
        int expected;
    } cases[] =
        {
            {"150.000000", "6.25", 0, 1},  {"150.000000", "5.00", 1, 0},
            {"150.000000", "12.50", 1, 1}, {"150.000000", "", 0, 0},
            {"146.510000", "6.25", 1, 0}, // 146.51 is on the 5 kHz step only
            {"146.531250", "5.00", 0, 1}, // and 146.53125 on 6.25 kHz only
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.frequency) + " " + c.tstep);
        ImageState state = test::freshState();
        state.channels.entries[0].rxStepSelect = c.channelSelect;
        const std::string csv = std::string(kChirpCsvHeader) + "\n1,," + c.frequency +
                                ",,0,,88.5,88.5,023,NN,023,,FM," + c.tstep + ",,,,,,,\n";
        const ChirpImportPlan plan = planChirpImport(csv, state);
        ASSERT_EQ(plan.rows.at(0).outcome, RowOutcome::Imported);
        EXPECT_EQ(plan.rows[0].entry.rxStepSelect, c.expected);
    }
}

} // namespace
} // namespace mz58
