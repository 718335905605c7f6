#pragma once
// Stand-in until src/app/windows exists.
class QWidget;
namespace mz58 {
void showHelpTopic(QWidget* parent, int contextNumber);
} // namespace mz58
