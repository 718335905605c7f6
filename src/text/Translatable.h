// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of the core that the window application shows translated in `context` (a string
// literal naming the translation context). It leaves the text as it is; lupdate is told to read
// it like QT_TRANSLATE_NOOP, so the text lands in the translation files without Qt in the core.
#define MZ58_TRANSLATE_NOOP(context, text) text
