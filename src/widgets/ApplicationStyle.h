// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace mz58 {

// The platform's style with two start-up costs taken out, the look unchanged:
// - the overflow pictures of the menu bar and the tool bar (decoded from several sizes of
//   picture each) are made when an overflow button first shows, not when the bar is built;
// - the main tool bar's background, the same in every column, is drawn once as one column and
//   stretched, where the style drew its full-width lines a pixel at a time.
class ApplicationStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ApplicationStyle(QStyle* base);

    // Puts this style over the application's current one, once; later calls do nothing.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    bool m_toolBarByColumn;
};

} // namespace mz58
