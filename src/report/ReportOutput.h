// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CReportPrinter.h"

#include <string>

namespace mz58 {

// The report as plain text: every line ends with a line feed, and a line holding only a form
// feed separates two pages.
[[nodiscard]] std::string reportText(const CReportPrinter& report);

} // namespace mz58
