#pragma once
// Links plain Qt controls to uikit actions the way the component library links its controls:
// the control follows the action's enabled state (and, where it shows one, its caption) and
// runs the action when used. UI thread only.

#include <QString>

class QAbstractButton;
class QMenu;

namespace uikit {
class Action;
} // namespace uikit

// A check or radio button showing the action's caption.
void BindButtonToAction(QAbstractButton* button, uikit::Action* action);

// A menu item for the action. An item with its own caption is a separate entry that follows
// the action's enabled state; without one the action itself is the item.
void AddMenuItem(QMenu* menu, uikit::Action* action, const QString& caption = QString());
