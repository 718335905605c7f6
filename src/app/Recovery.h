// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>

namespace mz58 {

// Unsaved changes kept when the program is ended without a user to ask (a logout, `kill`): a
// programming file with the document as it was and a small ini file beside it that names the
// file the changes belong to and when they were kept. Both live in the user's data folder;
// each ending writes a pair of its own, so that two windows on two displays never overwrite
// each other's changes.
struct RecoveredChanges {
    QString imagePath;    // the programming file
    QString infoPath;     // the ini file beside it
    QString originalFile; // the document's file name then ("<none>" when it had none)
    QDateTime keptAt;
};

namespace recovery {

// The folder: "recovery" in the user's data folder (created when changes are written).
QString folder();

// Writes `state` (encoded, as the document keeps it) with its file name; the image file is
// complete before the ini file names it. False when either could not be written.
bool write(const QString& folder, const ImageState& state, const std::string& originalFile,
           const QDateTime& keptAt);

// The most recently kept changes in `folder` whose two files are both there.
std::optional<RecoveredChanges> newest(const QString& folder);

// Removes both files.
void remove(const RecoveredChanges& changes);

} // namespace recovery
} // namespace mz58
