// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace mz58::test {

// Answers modal windows as they appear: each step waits for a modal widget of its type,
// then acts on it. Steps run in order while a modal exec() spins its own event loop.
class ModalScript : public QObject {
public:
    explicit ModalScript(QObject* parent = nullptr) : QObject(parent) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    template <typename Widget> void on(std::function<void(Widget*)> act) {
        m_steps.push_back({[](QWidget* w) { return qobject_cast<Widget*>(w) != nullptr; },
                           [act](QWidget* w) { act(qobject_cast<Widget*>(w)); }});
    }

    // Clicks `button` of the next message box and remembers its text.
    void answer(QMessageBox::StandardButton button) {
        on<QMessageBox>([this, button](QMessageBox* box) {
            texts.append(box->text());
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
    }

    [[nodiscard]] bool done() const {
        return m_steps.empty() || (m_steps.size() == 1 && m_actedOnce && !m_acting);
    }
    QStringList texts;

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    // A step is done once the widget it acted on has closed; until then it acts again (a
    // file dialog may still be reading its folder when first asked to accept). Acting is
    // posted, never done inside the poll: an action may open the next modal window.
    void poll() {
        if (m_steps.empty() || m_actPending)
            return;
        if (m_acting && m_acting->isVisible()) {
            if (QApplication::activeModalWidget() == m_acting)
                post(m_acting);
            return;
        }
        if (m_actedOnce) {
            m_acting = nullptr;
            m_actedOnce = false;
            m_steps.pop_front();
            if (m_steps.empty())
                return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && m_steps.front().matches(modal)) {
            m_acting = modal;
            m_actedOnce = true;
            post(modal);
        }
    }

    void post(QWidget* widget) {
        m_actPending = true;
        auto act = m_steps.front().act;
        QPointer<QWidget> target(widget);
        QTimer::singleShot(0, this, [this, act, target] {
            m_actPending = false;
            if (target)
                act(target);
        });
    }

    QTimer m_timer;
    QPointer<QWidget> m_acting;
    bool m_actedOnce = false;
    bool m_actPending = false;
    std::deque<Step> m_steps;
};

// Types `path` into a file dialog's name field and presses Enter, as a user does; before the
// field has the focus the file is selected directly.
inline void chooseFile(QFileDialog* dialog, const QString& path) {
    if (auto* edit = qobject_cast<QLineEdit*>(dialog->focusWidget())) {
        edit->clear();
        QTest::keyClicks(edit, path);
        QTest::keyClick(edit, Qt::Key_Return);
        return;
    }
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
}

} // namespace mz58::test
