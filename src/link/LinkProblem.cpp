// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkProblem.h"

#include "LinkMessages.h"

#include <cerrno>
#include <system_error>

namespace mz58 {

std::string describeProblem(const LinkProblem& problem) {
    if (problem.empty())
        return {};
    const std::string args[] = {problem.device, problem.system};
    std::string text = formatMessage(stringText(problem.reason), args);
    if (problem.hint != 0)
        text += ". " + std::string(stringText(problem.hint));
    return text;
}

LinkProblem portOpenProblem(const std::string& device, int error, bool notSerial) {
    LinkProblem problem;
    problem.device = device;
    problem.system = std::generic_category().message(error);
    if (notSerial) {
        problem.reason = msg::kReasonNotSerial;
        problem.hint = msg::kHintChoosePort;
        return problem;
    }
    switch (error) {
    case EACCES:
    case EPERM:
        problem.reason = msg::kReasonPermission;
        problem.hint = msg::kHintDialout;
        break;
    case EBUSY:
    case EWOULDBLOCK:
        problem.reason = msg::kReasonBusy;
        problem.hint = msg::kHintCloseOther;
        break;
    case ENOENT:
    case ENXIO:
    case ENODEV:
        problem.reason = msg::kReasonNoPort;
        problem.hint = msg::kHintChoosePort;
        break;
    default:
        problem.reason = msg::kReasonOpenFailed;
        problem.hint = msg::kHintChoosePort;
        break;
    }
    return problem;
}

LinkProblem lineProblem(const std::string& device, StringId reason) {
    LinkProblem problem;
    problem.device = device;
    problem.reason = reason;
    switch (reason) {
    case msg::kReasonNoEcho:
    case msg::kReasonGarbledEcho:
        problem.hint = msg::kHintCable;
        break;
    case msg::kReasonNoAnswer:
        problem.hint = msg::kHintPowerCycle;
        break;
    case msg::kReasonLineLost:
        problem.hint = msg::kHintChoosePort;
        break;
    case msg::kReasonOtherHardware:
        problem.hint = msg::kHintReadFirst;
        break;
    case msg::kReasonOtherRadio:
        problem.hint = msg::kHintReadFirst;
        break;
    default:
        problem.hint = msg::kHintRetry;
        break;
    }
    return problem;
}

} // namespace mz58
