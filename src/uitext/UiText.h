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

// A message with its "%1"/"%2" arguments filled in, translated before the arguments go in.
inline QString uiMessage(StringId id, std::span<const std::string> args = {}) {
    QString text = uiText(id);
    for (std::size_t i = 0; i < args.size() && i < 2; ++i)
        text.replace(QStringLiteral("%%1").arg(i + 1), QString::fromStdString(args[i]));
    return text;
}

} // namespace mz58
