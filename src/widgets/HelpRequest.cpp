// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpRequest.h"

#include <QCoreApplication>
#include <QWidget>

namespace mz58 {

HelpRequestEvent::HelpRequestEvent(QWidget* origin, int contextNumber)
    : QEvent(eventType()), m_origin(origin), m_contextNumber(contextNumber) {}

QEvent::Type HelpRequestEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool requestHelp(QWidget* from, int contextNumber) {
    HelpRequestEvent request(from, contextNumber);
    for (QWidget* w = from; w; w = w->parentWidget()) {
        request.ignore();
        QCoreApplication::sendEvent(w, &request);
        if (request.isAccepted())
            return true;
    }
    return false;
}

} // namespace mz58
