// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignallingDialogRules.h"

#include "DtmfDigit.h"
#include "SignallingTables.h"

#include <algorithm>
#include <cstdio>

namespace mz58::dialogrules {

namespace {

constexpr int kUserEntry = 1;
constexpr unsigned kMaxToneNumber = kTwoToneUserBase;
constexpr std::size_t kToneDigits = 3;

void dropCodeFromChannels(ImageState& work, std::size_t index) {
    work.channels.clearCodeReferences(static_cast<int>(index) + 1, work.image);
}

} // namespace

std::string aniCodeOfText(std::string_view typed) {
    std::string code;
    for (const char c : typed) {
        if (code.size() == AniSettings::kMaxDigits)
            break;
        if (const auto digit = dtmfCode(c))
            code.push_back(dtmfChar(*digit));
    }
    return code;
}

void writeAni(RadioImage& image, const AniSettings& ani) {
    ani.encode(image);
}

std::array<bool, 3> dtmfFieldsEnabled(bool dtmfAbsent, int optionUnitType) {
    if (dtmfAbsent)
        return {false, false, false};
    const bool all = optionUnitType == OptionUnit::kNone;
    return {true, all, all};
}

PageCode pageCodeOfRow(const PageCode& stored, const PageRowInput& row) {
    PageCode code = stored;
    if (row.typed) {
        std::string upper;
        for (const char c : *row.typed) {
            if (const auto digit = dtmfCode(c))
                upper.push_back(dtmfChar(*digit));
        }
        code.code = padPageCode(upper);
    }
    if (row.flag >= 0)
        code.encodeAndDecode = row.flag != 0;
    if (code.code.empty())
        code.encodeAndDecode = false;
    return code;
}

bool isUnstorablePageCode(const PageCode& code) {
    return code.code == "000" && !code.encodeAndDecode;
}

PageCodesResult writePageCodes(ImageState& work, PageCodeTable& table, const PageRows& rows) {
    PageCodesResult result;
    PageCodeTable next = table;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        next.entries[k] = pageCodeOfRow(table.entries[k], rows[k]);
        if (isUnstorablePageCode(next.entries[k])) {
            result.refusedRow = static_cast<int>(k);
            return result;
        }
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // A committed edit counts as a change even when it gives the same code.
        if (rows[k].typed || next.entries[k] != table.entries[k])
            result.modified = true;
        if (rows[k].typed && next.entries[k].code.empty())
            dropCodeFromChannels(work, k);
    }
    table = next;
    table.encode(work.image);
    result.written = true;
    return result;
}

bool writeTwoToneParams(ImageState& work, const TwoToneParams& params, bool userDefined) {
    const int unit = work.optionUnit.type;
    const bool switched = userDefined != work.twoToneUserDefined;
    if (switched) {
        writeEmptyCallCodes(work.image, unit);
        for (std::size_t k = 0; k < kCallCodeCount; ++k)
            dropCodeFromChannels(work, k);
        work.twoToneUserDefined = userDefined;
    }
    params.encode(work.image, unit);
    return switched;
}

std::vector<std::string_view> twoToneGroupTexts(bool userDefined) {
    if (userDefined)
        return {"OFF", "USER"};
    std::vector<std::string_view> texts;
    for (int g = kTwoToneOff; g < kTwoToneUserDefined; ++g)
        texts.push_back(twoToneGroup(g).name);
    return texts;
}

std::vector<std::string_view> twoToneToneTexts(int group) {
    if (group <= kTwoToneOff || group >= kTwoToneUserDefined)
        return {};
    const auto tones = twoToneGroup(group).tones;
    return {tones.begin(), tones.end()};
}

int twoToneGroupEntry(const TwoToneCode& code, bool userDefined) {
    if (userDefined)
        return code.group == kTwoToneOff ? 0 : kUserEntry;
    return code.group;
}

unsigned toneNumberOfText(std::string_view typed) {
    unsigned number = 0;
    for (const char c : typed.substr(0, kToneDigits)) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return std::min(number, kMaxToneNumber);
}

std::string toneNumberText(unsigned tone) {
    char text[8];
    std::snprintf(text, sizeof text, "%03u", tone % 1000);
    return text;
}

namespace {

bool store(unsigned& field, int entry) {
    if (entry < 0 || field == static_cast<unsigned>(entry))
        return false;
    field = static_cast<unsigned>(entry);
    return true;
}

bool takeStandardRow(TwoToneCode& code, const TwoToneRowInput& row) {
    bool modified = false;
    if (row.group >= 0 && row.group < kTwoToneUserDefined && row.group != code.group) {
        code.group = row.group;
        modified = true;
    }
    if (code.group == kTwoToneOff) {
        code.tone1 = code.tone2 = 0;
        return modified;
    }
    modified |= store(code.tone1, row.tone1);
    modified |= store(code.tone2, row.tone2);
    return modified;
}

// Returns whether a value changed; `turnedOff` tells the caller to drop the code from channels.
bool takeUserRow(TwoToneCode& code, const TwoToneRowInput& row, bool& turnedOff) {
    const int old = code.group == kTwoToneOff ? 0 : kUserEntry;
    const int chosen = row.group < 0 ? old : std::min(row.group, kUserEntry);
    if (old != 0 && chosen == 0) {
        code = TwoToneCode{};
        turnedOff = true;
        return true;
    }
    if (chosen == 0) {
        code = TwoToneCode{};
        return false;
    }
    const bool switchedOn = old == 0;
    bool modified = switchedOn;
    code.group = kTwoToneUserDefined;
    if (row.edit1.committed || switchedOn) {
        code.tone1 = toneNumberOfText(row.edit1.text);
        modified = true;
    }
    if (row.edit2.committed || switchedOn) {
        code.tone2 = toneNumberOfText(row.edit2.text);
        modified = true;
    }
    return modified;
}

} // namespace

bool writeTwoToneTable(ImageState& work, TwoToneTable& table, const TwoToneRows& rows) {
    bool modified = false;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        TwoToneCode& code = table.entries[k];
        if (work.twoToneUserDefined) {
            bool turnedOff = false;
            modified |= takeUserRow(code, rows[k], turnedOff);
            if (turnedOff)
                dropCodeFromChannels(work, k);
        } else {
            modified |= takeStandardRow(code, rows[k]);
            if (code.group == kTwoToneOff)
                dropCodeFromChannels(work, k);
        }
    }
    table.encode(work.image, work.twoToneUserDefined);
    return modified;
}

} // namespace mz58::dialogrules
