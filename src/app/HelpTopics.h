// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpRequest.h"

#include <QString>
#include <QUrl>

namespace mz58 {

// The page of the help topic for a context number; unknown numbers give the contents page.
QUrl helpTopicUrl(int contextNumber);

// The contents page.
QUrl helpContentsUrl();

} // namespace mz58
