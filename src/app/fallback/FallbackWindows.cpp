// Stand-ins for the image data view, help texts, about box and help window.
#include "CAboutDlg.h"
#include "CFileDataDlg.h"
#include "CHelpTextDlg.h"
#include "HelpWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace mz58 {
namespace {
void fill(QDialog* dialog, const QString& text) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(text, dialog));
}
} // namespace

CFileDataDlg::CFileDataDlg(const RadioImage&, QWidget* parent) : QDialog(parent) {
    fill(this, QStringLiteral("Data"));
}
CHelpTextDlg::CHelpTextDlg(Mode, QWidget* parent) : QDialog(parent) {
    fill(this, QStringLiteral("Help"));
}
CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    fill(this, QStringLiteral("MZ58Win"));
}
void showHelpTopic(QWidget*, int) {}

} // namespace mz58
