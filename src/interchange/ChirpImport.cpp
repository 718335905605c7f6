// SPDX-License-Identifier: GPL-3.0-or-later
// The import plan of a CHIRP CSV: where each row goes and what it becomes, the step pair that
// would hold the rows the current one cannot, and the command line's import built on it.
#include "ChirpCsv.h"

#include "ChirpRowRules.h"
#include "CsvReader.h"

#include <algorithm>
#include <array>

namespace mz58 {
namespace {

using chirp::Row;

UserMessage message(StringId id, std::vector<std::string> args = {}, Icon icon = Icon::Error) {
    return {id, std::move(args), {}, icon};
}

bool isStepRefusal(const std::optional<UserMessage>& refusal) {
    return refusal && (refusal->id == msg::kRxNotHeld || refusal->id == msg::kTxNotHeld);
}

// "17–40" or "3, 5–9": ascending row numbers as ranges.
std::string rangesText(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        if (!text.empty())
            text += ", ";
        text += std::to_string(numbers[i]);
        if (j > i)
            text += "\u2013" + std::to_string(numbers[j]);
        i = j + 1;
    }
    return text;
}

std::string stepPairLabel(int pair) {
    std::string label(kStepPairs[static_cast<std::size_t>(pair)].label);
    label.erase(label.find_last_not_of(' ') + 1);
    return label;
}

// Which rows a step pair would hold, and hold exactly (no frequency moved).
struct PairCheck {
    std::vector<char> held;
    std::vector<char> exact;
    int heldCount = 0;
    int exactCount = 0;
};

PairCheck checkPair(const std::vector<CsvRecord>& records, const chirp::ColumnMap& columns,
                    const std::vector<ChirpRow>& rows, const HardwareSettings& hardware) {
    PairCheck check;
    check.held.assign(rows.size(), 0);
    check.exact.assign(rows.size(), 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].locationRefused)
            continue;
        const auto effect = chirp::applyRow(Row(records[i + 1], columns), ChannelEntry{}, hardware);
        check.held[i] = !effect.refusal;
        check.exact[i] = !effect.refusal && !effect.moved;
        check.heldCount += check.held[i];
        check.exactCount += check.exact[i];
    }
    return check;
}

// For each row refused only for its frequencies' steps, or moved by the step grid: the other
// step pair that holds it (exactly) and gains the most rows, when one gains any.
void addRemedies(ChirpImportPlan& plan, const std::vector<CsvRecord>& records,
                 const chirp::ColumnMap& columns, const HardwareSettings& hardware) {
    const auto wanting = [](const ChirpRow& row) {
        return isStepRefusal(row.refusal) || (row.held() && row.moved);
    };
    if (std::none_of(plan.rows.begin(), plan.rows.end(), wanting))
        return;
    std::array<PairCheck, kStepPairCount> checks;
    for (int p = 0; p < kStepPairCount; ++p) {
        HardwareSettings other = hardware;
        other.stepPair = p;
        checks[static_cast<std::size_t>(p)] = checkPair(records, columns, plan.rows, other);
    }
    const PairCheck& now = checks[static_cast<std::size_t>(hardware.stepPair & 3)];
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        ChirpRow& row = plan.rows[i];
        if (!wanting(row))
            continue;
        const bool exactly = row.held();
        int best = -1;
        int bestGain = 0;
        for (int p = 0; p < kStepPairCount; ++p) {
            const PairCheck& c = checks[static_cast<std::size_t>(p)];
            const bool holds = exactly ? c.exact[i] : c.held[i];
            const int gain = exactly ? c.exactCount - now.exactCount : c.heldCount - now.heldCount;
            if (p != hardware.stepPair && holds && gain > bestGain) {
                best = p;
                bestGain = gain;
            }
        }
        if (best >= 0)
            row.remedy =
                message(exactly ? msg::kCsvStepPairHoldsExactly : msg::kCsvStepPairHolds,
                        {stepPairLabel(best), std::to_string(bestGain)}, Icon::Information);
    }
}

} // namespace

int ChirpImportPlan::count(RowOutcome outcome) const {
    return static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [outcome](const ChirpRow& r) { return r.outcome == outcome; }));
}

bool ChirpImportPlan::locationsFit() const {
    return std::none_of(rows.begin(), rows.end(),
                        [](const ChirpRow& r) { return r.locationRefused; });
}

ChirpImportPlan planChirpImport(std::string_view csv, const ImageState& state,
                                const ChirpPlacement& placement) {
    ChirpImportPlan plan;
    plan.startChannel = std::clamp(placement.startChannel, 0, kChannelCount);
    const bool byLocation = plan.startChannel == 0;

    const std::vector<CsvRecord> records = readCsv(csv);
    if (records.empty()) {
        plan.fileError = message(msg::kCsvNoHeader);
        return plan;
    }
    chirp::ColumnMap columns;
    if (auto missing = chirp::mapColumns(records.front(), byLocation, columns)) {
        plan.fileError = std::move(missing);
        return plan;
    }
    if (records.size() == 1) {
        plan.fileError = message(msg::kCsvNoRows);
        return plan;
    }

    const auto& channels = state.channels.entries;
    std::array<bool, kChannelCount + 1> taken{};
    int next = plan.startChannel;
    std::vector<int> unplaced;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Row row(records[r], columns);
        ChirpRow& out = plan.rows.emplace_back();
        out.line = records[r].line;
        out.number = static_cast<int>(r);
        out.name = row[chirp::kName];
        const bool excluded = r - 1 < placement.excluded.size() && placement.excluded[r - 1];

        int destination = 0;
        if (byLocation) {
            if (auto refused = chirp::locationOf(row, destination)) {
                out.refusal = std::move(refused);
                out.locationRefused = true;
                continue;
            }
            if (taken[static_cast<std::size_t>(destination)]) {
                out.refusal = message(msg::kCsvLocationRepeated, {row[chirp::kLocation]});
                out.locationRefused = true;
                continue;
            }
        }
        const auto base = [&](int channel) {
            return channel ? channels[static_cast<std::size_t>(channel - 1)] : ChannelEntry{};
        };
        chirp::RowEffect effect = chirp::applyRow(row, base(destination), state.hardware);
        if (effect.refusal) {
            out.refusal = std::move(effect.refusal);
            continue;
        }
        if (excluded) {
            out.outcome = RowOutcome::Excluded;
        } else if (byLocation) {
            out.outcome = RowOutcome::Imported;
            out.channel = destination;
            taken[static_cast<std::size_t>(destination)] = true;
        } else if (next <= kChannelCount) {
            out.outcome = RowOutcome::Imported;
            out.channel = next++;
            effect = chirp::applyRow(row, base(out.channel), state.hardware);
        } else {
            out.outcome = RowOutcome::NoChannelLeft;
            unplaced.push_back(out.number);
        }
        out.warnings = std::move(effect.warnings);
        out.moved = effect.moved;
        out.entry = effect.entry;
    }
    if (!unplaced.empty()) {
        const int room = kChannelCount - plan.startChannel + 1;
        plan.overflow =
            message(unplaced.size() == 1 ? msg::kCsvRowDidNotFit : msg::kCsvRowsDidNotFit,
                    {rangesText(unplaced), std::to_string(room)}, Icon::Warning);
    }
    addRemedies(plan, records, columns, state.hardware);
    return plan;
}

std::vector<int> applyChirpImport(const ChirpImportPlan& plan, ImageState& state) {
    std::vector<int> written;
    for (const ChirpRow& row : plan.rows) {
        if (row.outcome != RowOutcome::Imported)
            continue;
        state.channels.entries[static_cast<std::size_t>(row.channel - 1)] = row.entry;
        written.push_back(row.channel);
    }
    return written;
}

ChirpImportResult importChirpCsv(std::string_view csv, ImageState& state, InvalidRows invalidRows,
                                 int startChannel) {
    const ChirpImportPlan plan = planChirpImport(csv, state, {startChannel, {}});
    ChirpImportResult result;
    result.fileError = plan.fileError;
    if (result.fileError)
        return result;
    for (const ChirpRow& row : plan.rows) {
        if (row.outcome == RowOutcome::Refused) {
            result.errors.push_back({row.line, *row.refusal, row.remedy});
            continue;
        }
        if (row.outcome != RowOutcome::Imported)
            continue;
        bool remedyGiven = false;
        for (const UserMessage& w : row.warnings) {
            const bool moved = w.id == msg::kCsvRxMoved || w.id == msg::kCsvTxMoved;
            result.warnings.push_back(
                {row.line, w, moved && !remedyGiven ? row.remedy : std::nullopt});
            remedyGiven |= moved;
        }
    }
    if (plan.overflow)
        result.warnings.push_back({0, *plan.overflow, std::nullopt});
    if (!result.errors.empty() && invalidRows == InvalidRows::Refuse) {
        result.warnings.clear();
        return result;
    }
    result.imported = applyChirpImport(plan, state);
    return result;
}

std::string lineMessageText(const CsvLineMessage& line, bool skipped) {
    std::string text = messageText(line.message);
    if (line.line > 0) {
        const std::string number = std::to_string(line.line);
        text = line.remedy ? messageText(message(msg::kCsvLineRemedy,
                                                 {number, text, messageText(*line.remedy)}))
                           : messageText(message(msg::kCsvLine, {number, text}));
    }
    return skipped ? messageText(message(msg::kCsvRowSkipped, {text})) : text;
}

std::string importReportText(const ChirpImportResult& result) {
    std::string text;
    if (result.fileError)
        text += messageText(*result.fileError) + "\n";
    const bool skipped = !result.imported.empty();
    for (const auto& e : result.errors)
        text += lineMessageText(e, skipped) + "\n";
    for (const auto& w : result.warnings)
        text += lineMessageText(w, false) + "\n";
    return text;
}

} // namespace mz58
