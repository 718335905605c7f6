#pragma once

#include <QAbstractButton>
#include <QApplication>
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
        m_steps.push_back([act](QWidget* w) {
            auto* typed = qobject_cast<Widget*>(w);
            if (!typed)
                return false;
            act(typed);
            return true;
        });
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
    // A step is done once the widget it acted on has closed; until then it acts again (a file
    // dialog may still be reading its folder when first asked to accept).
    void poll() {
        if (m_steps.empty())
            return;
        if (m_acting && m_acting->isVisible()) {
            if (QApplication::activeModalWidget() == m_acting)
                m_steps.front()(m_acting);
            return;
        }
        if (m_acting || m_actedOnce) {
            m_acting = nullptr;
            m_actedOnce = false;
            m_steps.pop_front();
            if (m_steps.empty())
                return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && m_steps.front()(modal)) {
            m_acting = modal;
            m_actedOnce = true;
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_acting;
    bool m_actedOnce = false;
    std::deque<std::function<bool(QWidget*)>> m_steps;
};

} // namespace mz58::test
