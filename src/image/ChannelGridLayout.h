// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellText.h"
#include "RadioImage.h"

#include <array>
#include <string>
#include <string_view>

namespace mz58 {

// The channel grid's columns, their captions and widths, the switchable column groups and the
// help topic of each column. The window application shows these; it decides none of them.
//
// Captions and menu texts are the system's own texts; the window application translates them
// in the context kChannelGridContext (they are marked with MZ58_TRANSLATE_NOOP in that context).
inline constexpr const char* kChannelGridContext = "mz58::ChannelGrid";

inline constexpr int kColumnGroupCount = 15;
// The group of a column that is always shown.
inline constexpr int kAlwaysShown = -1;
// Grid widths are given in twips: 1440 to the inch, 15 to a pixel on a 96 dpi screen.
inline constexpr int kTwipsPerInch = 1440;

// The lower header row: the column's own caption. The call-code column is named after the
// option unit fitted ("2Ton", "SIG" or "Page").
std::string_view columnCaption(Column column, int optionUnitType);
// The upper header row: the caption shared by the columns of a group ("Frequency" over
// "Receive" and "Transmit"); empty for a column without one.
std::string_view columnGroupCaption(Column column);
int columnWidthTwips(Column column);
// The switchable group a column belongs to (0..14), or kAlwaysShown.
int columnGroup(Column column);

// The text of group `group`'s entry in the column menu; empty for a group number out of range.
std::string_view columnGroupMenuText(int group);
// Whether a group is shown on a fresh configuration.
bool columnGroupShownByDefault(int group);
// The groups in the order the column menu lists them.
const std::array<int, kColumnGroupCount>& columnGroupMenuOrder();

// The help context number of a column's topic.
int columnHelpContext(Column column, int optionUnitType);

// The information header's texts.
std::string bankLabelText(int bank);
std::string bandText(int band);
std::string modelText();
std::string comPortText(int port);

// Whether the accessory key is set to the bank-B key, which lets F2 switch banks.
bool bankKeyFitted(const RadioImage& image);
// The bank after `bank`, wrapping after bank B and skipping a bank without channels; `bank`
// itself when no other bank has channels.
int nextBank(int bank, const std::array<int, 2>& bankCounts);

} // namespace mz58
