#include "ui/studio_style.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolBar>

namespace {

// The pictures every frame asks for. The title bar's are asked for without
// an option; the extension buttons' with one that carries only the bar's
// direction and palette.
bool IsShared(QStyle::StandardPixmap picture, const QStyleOption* option)
{
    switch (picture) {
    case QStyle::SP_TitleBarMenuButton:
    case QStyle::SP_TitleBarMinButton:
    case QStyle::SP_TitleBarMaxButton:
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_TitleBarShadeButton:
    case QStyle::SP_TitleBarUnshadeButton:
    case QStyle::SP_TitleBarContextHelpButton: return option == nullptr;
    case QStyle::SP_ToolBarHorizontalExtensionButton:
    case QStyle::SP_ToolBarVerticalExtensionButton:
        return option == nullptr || option->type == QStyleOption::SO_Default;
    default: return false;
    }
}

constexpr char RuledProperty[] = "cantrelRuledLeftEdge";

bool IsRuled(const QWidget* widget) { return widget && widget->property(RuledProperty).toBool(); }

}  // namespace

StudioStyle::StudioStyle(QStyle* base) : QProxyStyle(base) {}

QIcon StudioStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (!IsShared(standardIcon, option)) return QProxyStyle::standardIcon(standardIcon, option, widget);
    const Key key{standardIcon, option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft(),
                  option ? option->palette.cacheKey() : 0};
    const auto it = shared_.find(key);
    if (it != shared_.end()) return it->second;
    return shared_[key] = QProxyStyle::standardIcon(standardIcon, option, widget);
}

int StudioStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ToolBarFrameWidth && IsRuled(widget)) return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void StudioStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element == CE_ToolBar && IsRuled(widget)) {
        painter->fillRect(QRect(option->rect.left(), option->rect.top(), 1, option->rect.height()),
                          option->palette.color(QPalette::Mid));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// A new palette or theme may bring other pictures.
void StudioStyle::polish(QPalette& palette)
{
    shared_.clear();
    QProxyStyle::polish(palette);
}

void StudioStyle::polish(QApplication* application)
{
    shared_.clear();
    QProxyStyle::polish(application);
}

void StudioStyle::unpolish(QApplication* application)
{
    shared_.clear();
    QProxyStyle::unpolish(application);
}

void RuleLeftEdge(QToolBar* bar)
{
    bar->setProperty(RuledProperty, true);
    // The bar takes its margins from the style when it is made and when the
    // style changes.
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(bar, &changed);
}

void UseStudioStyle()
{
    QStyle* current = QApplication::style();
    if (qobject_cast<StudioStyle*>(current)) return;
    // Without a base, QProxyStyle follows the platform's choice.
    QApplication::setStyle(new StudioStyle(QStyleFactory::create(current->name())));
}
