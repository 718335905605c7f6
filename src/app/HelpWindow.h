#pragma once

#include <QWidget>

class QTextBrowser;

namespace mz58 {

// Opens (or raises) the one help window at the topic of `contextNumber`; unknown numbers show
// the contents.
void showHelpTopic(QWidget* parent, int contextNumber);

// The help window: topics are HTML pages compiled into the program, browsed with the usual
// back, forward and contents buttons.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Made by showHelpTopic(), which gives it its owner at once.
    explicit HelpWindow(QWidget* parent = nullptr);

    // The open help window, or nullptr.
    static HelpWindow* current();

    void showTopic(int contextNumber);
    QTextBrowser* browser() const { return m_browser; }

private:
    friend void showHelpTopic(QWidget* parent, int contextNumber);
    void moveTo(QWidget* host);
    void updateTitle();

    QTextBrowser* m_browser;
};

} // namespace mz58
