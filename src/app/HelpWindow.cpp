#include "HelpWindow.h"

#include "HelpTopics.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace mz58 {

namespace {
QPointer<HelpWindow> s_window;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);

    auto* back = new QPushButton(tr("后退"), this);
    auto* forward = new QPushButton(tr("前进"), this);
    auto* contents = new QPushButton(tr("目录"), this);
    auto* close = new QPushButton(tr("关闭"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this,
            [this] { m_browser->setSource(helpContentsUrl()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 480);
}

HelpWindow* HelpWindow::current() {
    return s_window;
}

void HelpWindow::showTopic(int contextNumber) {
    m_browser->setSource(helpTopicUrl(contextNumber));
}

void HelpWindow::updateTitle() {
    const QString topic = m_browser->documentTitle();
    setWindowTitle(topic.isEmpty() ? tr("MZ58Win 帮助") : tr("MZ58Win 帮助 - %1").arg(topic));
}

// A modal dialog blocks every window but its own, so the help window follows the window that
// asks for it; when that dialog closes, the help window goes back to the dialog's own window
// instead of closing with it.
void HelpWindow::moveTo(QWidget* host) {
    if (!host || parentWidget() == host)
        return;
    const QRect geometry = this->geometry();
    setParent(host, windowFlags());
    setGeometry(geometry);
    if (auto* dialog = qobject_cast<QDialog*>(host); dialog && dialog->parentWidget()) {
        connect(dialog, &QDialog::finished, this, [this, dialog] {
            if (parentWidget() == dialog) {
                moveTo(dialog->parentWidget()->window());
                show();
            }
        });
    }
}

void showHelpTopic(QWidget* parent, int contextNumber) {
    QWidget* host = parent ? parent->window() : QApplication::activeWindow();
    if (!s_window)
        s_window = new HelpWindow;
    s_window->moveTo(host);
    s_window->showTopic(contextNumber);
    s_window->show();
    s_window->raise();
    s_window->activateWindow();
}

} // namespace mz58
