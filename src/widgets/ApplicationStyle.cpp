// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionToolBar>

namespace mz58 {
namespace {

// A standard picture asked of the base style on first use.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("mz58.deferred"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (m_icon.isNull() && m_style)
            m_icon = m_style->standardIcon(m_which);
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

} // namespace

// Fusion draws its tool bar the same in every column; any other style draws its own bar whole.
ApplicationStyle::ApplicationStyle(QStyle* base)
    : QProxyStyle(base), m_toolBarByColumn(baseStyle()->name().compare(QLatin1String("fusion"),
                                                                       Qt::CaseInsensitive) == 0) {}

void ApplicationStyle::install() {
    if (qobject_cast<ApplicationStyle*>(QApplication::style()))
        return;
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    if (!base)
        return;
    QApplication::setStyle(new ApplicationStyle(base));
}

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void ApplicationStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
    if (element != CE_ToolBar || !bar || !m_toolBarByColumn || !(bar->state & State_Horizontal) ||
        bar->positionWithinLine != QStyleOptionToolBar::OnlyOne || bar->rect.isEmpty() ||
        !painter->device() || painter->device()->devicePixelRatioF() != 1.0 ||
        painter->transform().type() > QTransform::TxTranslate) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The style's lines, drawn a pixel at a time, go out in batches to Qt's fill threads, and
    // the wake-ups cost more than the drawing; a column of them costs nothing.
    QImage column(1, bar->rect.height(), QImage::Format_ARGB32_Premultiplied);
    column.fill(Qt::transparent);
    QStyleOptionToolBar one = *bar;
    one.rect = QRect(0, 0, 1, bar->rect.height());
    {
        QPainter columnPainter(&column);
        QProxyStyle::drawControl(element, &one, &columnPainter, widget);
    }
    painter->drawImage(bar->rect, column);
}

} // namespace mz58
