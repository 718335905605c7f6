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

// A message with its "%1".."%9" arguments filled in, translated before the arguments go in;
// one pass, so an argument that holds "%2" stays as it is. A placeholder without its argument
// is left as it is.
inline QString uiMessage(StringId id, std::span<const std::string> args = {}) {
    const QString text = uiText(id);
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : u'\0';
        const auto n = static_cast<std::size_t>(next - u'1');
        if (c == u'%' && next >= u'1' && next <= u'9' && n < args.size()) {
            result += QString::fromStdString(args[n]);
            ++i;
        } else {
            result += text.at(i);
        }
    }
    return result;
}

} // namespace mz58
