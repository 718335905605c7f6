// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QPushButton;
class QTextBrowser;

namespace mz58 {

// A help page with its "{{context|source text}}" markers replaced by the translated texts.
QString withUiTexts(const QString& page);

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

protected:
    void changeEvent(QEvent* event) override;

private:
    friend void showHelpTopic(QWidget* parent, int contextNumber);
    void moveTo(QWidget* host);
    void updateTitle();
    void retranslate();

    QTextBrowser* m_browser;
    std::array<QPushButton*, 4> m_buttons{};
};

} // namespace mz58
