// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "FocusOrder.h"
#include "HelpTopics.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace mz58 {

namespace {

QPointer<HelpWindow> s_window;

// The pages name the window's menus and dialogs by their source texts, "{{context|text}}", so
// that each page says them in the window's language: translated, without mnemonic and shortcut.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        const QVariant data = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource)
            return data;
        return withUiTexts(data.userType() == QMetaType::QString
                               ? data.toString()
                               : QString::fromUtf8(data.toByteArray()));
    }
};

} // namespace

QString withUiTexts(const QString& page) {
    static const QRegularExpression marker(QStringLiteral("\\{\\{([^|}]+)\\|([^}]+)\\}\\}"));
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& m : marker.globalMatch(page)) {
        result += page.mid(last, m.capturedStart() - last);
        const QByteArray context = m.captured(1).toUtf8();
        const QByteArray source = m.captured(2).toUtf8();
        QString text = QCoreApplication::translate(context.constData(), source.constData());
        result += text.section(u'\t', 0, 0).remove(u'&').toHtmlEscaped();
        last = m.capturedEnd();
    }
    return result + page.mid(last);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new HelpBrowser(this);
    m_browser->setOpenExternalLinks(true);

    auto* back = m_buttons[0] = new QPushButton(this);
    auto* forward = m_buttons[1] = new QPushButton(this);
    auto* contents = m_buttons[2] = new QPushButton(this);
    auto* close = m_buttons[3] = new QPushButton(this);
    retranslate();
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
    m_browser->setAccessibleName(topic.isEmpty() ? windowTitle() : topic);
}

void HelpWindow::retranslate() {
    const char* texts[] = {QT_TR_NOOP("后退"), QT_TR_NOOP("前进"), QT_TR_NOOP("目录"),
                           QT_TR_NOOP("关闭")};
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setText(tr(texts[i]));
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_browser->reload();
        updateTitle();
    }
    QWidget::changeEvent(event);
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
    const bool opening = !s_window;
    if (opening)
        s_window = new HelpWindow;
    s_window->moveTo(host);
    if (opening) // a new window opens over the one that asked, as a dialog does
        centreOnParent(s_window, host);
    s_window->showTopic(contextNumber);
    s_window->show();
    s_window->raise();
    s_window->activateWindow();
}

} // namespace mz58
