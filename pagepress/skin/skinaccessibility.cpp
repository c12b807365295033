#include "pagepress/skin/skinaccessibility.h"

#include "pagepress/skin/tsscustombutton.h"
#include "pagepress/skin/tskinprocess.h"

#include <QAccessibleWidget>

namespace skin {

namespace {

QAccessibleInterface* skinAccessibleFactory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<TssCustomButton*>(object))
        return new QAccessibleWidget(button, QAccessible::Button);
    if (auto* bar = qobject_cast<TSkinProcess*>(object))
        return new QAccessibleWidget(bar, QAccessible::ProgressBar);
    return nullptr;
}

} // namespace

void installSkinAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(skinAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace skin
