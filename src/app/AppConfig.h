// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelGridLayout.h"
#include "ComPorts.h"
#include "ShellRules.h"

#include <QString>

#include <array>

namespace mz58 {

// The configuration file MZ58Win.ini: section "Initialize" (COM_PORT, CX, CY, and Language when
// one was chosen in View > Language: "zh_CN" or "en", absent for the system's), section "ITEM"
// (ITEM0..ITEM14, the column groups; WIDTH0..WIDTH20, column widths the user dragged), section
// "Ports" (the device behind each COM number) and section "Transfer" (the write preview and the
// several-radio write).
struct AppConfig {
    int comPort = 1;
    int cx = kMinWindowWidth;
    int cy = kMinWindowHeight;
    std::array<int, kColumnGroupCount> columnGroups = defaultColumnGroups();
    // Pixels; 0 (or no key) is the width that fits the column.
    std::array<int, kColumnCount> columnWidths{};
    ComPortMap ports;
    // Transfer/WritePreview: show what a write will change before it writes.
    bool showWritePreview = true;
    // Transfer/WriteUnchanged: a write that changes nothing goes ahead (else it stops).
    bool writeWhenUnchanged = true;
    // Transfer/SeveralRadios, Transfer/SeveralRadiosLog: the last several-radio write.
    int severalRadios = 2;
    QString severalRadiosLog;
    QString language; // empty: the system's

    static std::array<int, kColumnGroupCount> defaultColumnGroups();

    // Reads the file (missing keys and a missing file give the defaults; bad values are made
    // valid).
    static AppConfig read(const QString& path);
    // What start-up writes back at once: COM_PORT, every ITEM key and the port map.
    void writeStartup(const QString& path) const;
    // What the main window writes when it goes: COM_PORT, CX, CY and every ITEM key.
    void writeAtExit(const QString& path) const;
    void writeColumnGroups(const QString& path) const;
    // The "Transfer" section, written when one of its settings changes.
    void writeTransferSettings(const QString& path) const;
    // View > Language: written when the user chooses (the system's removes the key).
    void writeLanguage(const QString& path) const;
};

// The configuration file in the current working directory.
QString configurationFilePath();

} // namespace mz58
