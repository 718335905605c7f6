#include "CReportPrinter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace mz58 {
namespace {

// A caption word in one of the five header lines (0 = top).
struct Caption {
    int line;
    std::string word;
};

// Where each part of a channel line stands, and the captions it must sit under.
struct Field {
    const char* name;
    std::size_t first;
    std::size_t last;
    std::vector<Caption> captions;
};

// The call-code caption follows the option unit.
std::vector<Field> fields(const std::string& callCaption) {
    return {
        {"channel", 2, 5, {{3, "Chan"}, {4, "Type"}}},
        {"width", 7, 7, {{2, "W"}, {3, "/"}, {4, "N"}}},
        {"receive", 9, 17, {{3, "FREQUENCY"}, {4, "Receive"}}},
        {"transmit", 19, 27, {{4, "Transmit"}}},
        {"tone type", 29, 33, {{3, "SUB"}, {4, "Type"}}},
        {"decode tone", 35, 39, {{4, "Dec"}}},
        {"encode tone", 41, 45, {{4, "Enc"}}},
        {"rx save", 48, 48, {{2, "Power"}, {3, "Save"}, {4, "RX"}}},
        {"tx save", 51, 51, {{2, "Power"}, {4, "TX"}}},
        {"power", 53, 53, {{2, "Pwr"}, {3, "H"}, {4, "L"}}},
        {"power level", 56, 56, {{4, "LO"}}},
        {"scan", 58, 58, {{3, "S"}, {4, "C"}}},
        {"group scan", 60, 60, {{2, "Q"}, {3, "G"}, {4, "S"}}},
        {"time-out timer", 62, 62, {{2, "T"}, {3, "O"}, {4, "T"}}},
        {"busy lockout", 65, 66, {{3, "Lock"}, {4, "Out"}}},
        {"squelch", 69, 70, {{3, "S"}, {4, "Q"}}},
        {"ani", 72, 72, {{2, "A"}, {3, "N"}, {4, "I"}}},
        {"encryption", 74, 74, {{0, "E"}, {1, "n"}, {2, "c"}, {3, "r"}, {4, "y"}}},
        {"call code", 77, 77, {{4, callCaption}}},
    };
}

// True when `word` stands alone in `line` somewhere overlapping columns first..last.
bool standsOver(const std::string& line, const std::string& word, std::size_t first,
                std::size_t last) {
    for (auto at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const std::size_t end = at + word.size(); // one past the word
        const bool alone =
            (at == 0 || line[at - 1] == ' ') && (end >= line.size() || line[end] == ' ');
        if (alone && at <= last && end > first)
            return true;
    }
    return false;
}

// Channels whose parts have texts of every width the report prints.
const std::pair<const char*, ChannelEntry> kChannels[] = {
    {"no tone", {.txFrequency = 14712500}},
    {"ctcss both tones", {.toneType = kToneCtcss, .rxCtcss = 13, .txCtcss = 50}},
    {"ctcss decode only", {.toneType = kToneCtcss, .rxCtcss = 1}},
    {"ctcss encode only", {.toneType = kToneCtcss, .txCtcss = 1}},
    {"dcs both codes", {.toneType = kToneDcs, .rxDcs = 1, .txDcs = 104}},
    {"dcs decode off", {.toneType = kToneDcs, .txDcs = 7}},
    {"dcs beyond the table", {.toneType = kToneDcs, .rxDcs = 128, .txDcs = 105}},
    {"ctcss beyond the table", {.toneType = kToneCtcss, .rxCtcss = 128, .txCtcss = 51}},
    {"saving and low power",
     {.rxSave = 1, .txSave = 1, .lowPower = 1, .lowPowerLevel = 2, .busyLockout = 2}},
    {"squelch, ani, encryption, code",
     {.squelchLevel = 15, .aniEnabled = 1, .encryption = 1, .callCode = 9}},
    {"narrow and scanned", {.narrow = 1, .scanMember = 1, .groupScanMember = 1}},
    {"values the tables do not hold",
     {.lowPowerLevel = 3, .busyLockout = 3, .callCode = 10, .scanMember = 2}},
    {"transmit off", {.txInhibit = 1, .totEnabled = 0}},
};

TEST(ReportChannelColumns, EveryFieldSitsUnderItsCaption) {
    const struct {
        int optionUnit;
        const char* callCaption;
    } units[] = {
        {OptionUnit::kNone, "Page"},
        {OptionUnit::k2Tone, "2Ton"},
        {OptionUnit::kSubsig, "SIG"},
        {OptionUnit::kTrunk, "Page"},
    };
    for (const auto& unit : units) {
        const auto header = reportChannelHeader(unit.optionUnit);
        ASSERT_EQ(header.size(), 5u);
        for (const auto& line : header)
            EXPECT_EQ(line.size(), static_cast<std::size_t>(kReportColumns));
        for (const auto& [name, channel] : kChannels) {
            for (int position = 0; position < kChannelsPerBank; ++position) {
                const std::string line = reportChannelLine(channel, position);
                SCOPED_TRACE(std::string(name) + " / unit " + std::to_string(unit.optionUnit) +
                             "\n" + header[4] + "\n" + line);
                ASSERT_EQ(line.size(), 78u);
                for (const auto& field : fields(unit.callCaption)) {
                    SCOPED_TRACE(field.name);
                    const std::string text = line.substr(field.first, field.last - field.first + 1);
                    EXPECT_NE(text.find_first_not_of(' '), std::string::npos) << "empty field";
                    EXPECT_EQ(line[field.first - 1], ' ') << "field starts earlier";
                    if (field.last + 1 < line.size()) {
                        EXPECT_EQ(line[field.last + 1], ' ') << "field runs on";
                    }
                    for (const auto& caption : field.captions) {
                        EXPECT_TRUE(standsOver(header[static_cast<std::size_t>(caption.line)],
                                               caption.word, field.first, field.last))
                            << "no \"" << caption.word << "\" above, header line " << caption.line;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace mz58
