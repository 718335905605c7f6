// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"

#include <QCoreApplication>
#include <QString>

#include <span>
#include <string>

namespace mz58 {

// The translation context of the core's string table; lupdate is told about it.
inline constexpr const char* kStringTableContext = "mz58::StringTable";

// A string-table text as the window application shows it: through Qt's translation, with the
// system's own text as the source text.
inline QString uiText(StringId id) {
    const std::string text(stringText(id));
    return text.empty() ? QString()
                        : QCoreApplication::translate(kStringTableContext, text.c_str());
}

// A message with its "%1".."%9" arguments filled in, translated before the arguments go in.
inline QString uiMessage(StringId id, std::span<const std::string> args = {}) {
    const QString text = uiText(id);
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(next.unicode() - '1');
            if (n >= args.size()) {
                result += text[i];
                continue;
            }
            result += QString::fromStdString(args[n]);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

inline QString uiMessage(const UserMessage& message) {
    return uiMessage(message.id, message.args);
}

} // namespace mz58
