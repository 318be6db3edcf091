#include "desktop/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleApplication>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>

#include "desktop/HelpWindow.h"
#include "forms/Controls.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"

namespace desktop {

using forms::ChoiceBox;
using forms::Frame;
using forms::Page;

namespace {

constexpr const char* kHiddenFromScreenReaders = "hiddenFromScreenReaders";

bool readAloud(const QWidget& widget) {
    return !widget.isHidden() && !widget.property(kHiddenFromScreenReaders).toBool();
}

// The controls a container shows, in the order they were made: what the user sees of it.
QWidgetList shownControls(const QWidget& container) {
    QWidgetList shown;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && readAloud(*child)) {
            shown << child;
        }
    }
    return shown;
}

// A page (a frame) or a frame of controls (a panel): it holds the controls it shows.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* container, QAccessible::Role role)
        : QAccessibleWidget(container, role) {}

    int childCount() const override { return static_cast<int>(shownControls(*widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QWidgetList shown = shownControls(*widget());
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* control = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
        return static_cast<int>(shownControls(*widget()).indexOf(control));
    }

    QString text(QAccessible::Text kind) const override {
        const auto* frame = qobject_cast<const QGroupBox*>(widget());
        if (kind == QAccessible::Name && frame && widget()->accessibleName().isEmpty()) {
            return QString(frame->title()).remove(u'&');
        }
        return QAccessibleWidget::text(kind);
    }
};

// The application: the windows the user can see, not the pages hidden for later.
class ShownWindowsAccessible : public QAccessibleApplication {
public:
    int childCount() const override { return static_cast<int>(shownWindows().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> shown = shownWindows();
        return index >= 0 && index < shown.size() ? shown[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(shownWindows().indexOf(child));
    }

private:
    QList<QAccessibleInterface*> shownWindows() const {
        QList<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleApplication::childCount(); ++i) {
            QAccessibleInterface* window = QAccessibleApplication::child(i);
            const auto* widget = window ? qobject_cast<const QWidget*>(window->object()) : nullptr;
            if (widget && widget->isVisible() && !shown.contains(window)) {
                shown << window;
            }
        }
        return shown;
    }
};

// The progress bar, one object whose value is the float the search sets, within its range;
// the Qt bar that draws it stays out of sight.
class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressAccessible(ProgressBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    // Named where it stands on the page, or by the bar inside it.
    QString text(QAccessible::Text kind) const override {
        QString said = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && said.isEmpty()) {
            if (const auto* drawn = widget()->findChild<QWidget*>()) {
                said = drawn->accessibleName();
            }
        }
        return said;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant&) override {}  // the search sets it, not the user
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return 0; }

private:
    const ProgressBar* bar() const { return static_cast<const ProgressBar*>(widget()); }
};

// A choice box read as "Order, combo box, as found": its own name, then the item chosen.
class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    // The list of items, where screen readers look for the one chosen.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text kind) const override {
        const bool chosen = kind == QAccessible::Value ||
                            (kind == QAccessible::Name && box()->accessibleName().isEmpty());
        return chosen ? box()->currentText() : QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            return;
        }
        if (box()->view()->isVisible()) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// Qt asks for each class of an object, the object's own first; the answer is given then.
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (object == qApp) {
        return new ShownWindowsAccessible;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(widget->metaObject()->className())) {
        return nullptr;
    }
    if (qobject_cast<Page*>(widget) || qobject_cast<HelpWindow*>(widget)) {
        return new ContainerAccessible(widget, QAccessible::Window);
    }
    if (qobject_cast<Frame*>(widget)) {
        return new ContainerAccessible(widget, QAccessible::Grouping);
    }
    if (auto* bar = qobject_cast<ProgressBar*>(widget)) {
        return new ProgressAccessible(bar);
    }
    if (auto* box = qobject_cast<ChoiceBox*>(widget)) {
        return new ChoiceAccessible(box);
    }
    return nullptr;
}

bool inShownWindowsTree(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return widget.isWindow() || qobject_cast<const Page*>(parent) ||
           qobject_cast<const Frame*>(parent);
}

// A control or window shown or hidden changes the objects its container holds: screen readers
// that keep a copy of the tree hear of it as of a control made or destroyed.
class ShowingWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool shown = event->type() == QEvent::ShowToParent;
        if ((shown || event->type() == QEvent::HideToParent) && watched->isWidgetType() &&
            QAccessible::isActive()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (inShownWindowsTree(*widget) &&
                !widget->property(kHiddenFromScreenReaders).toBool()) {
                QAccessibleEvent change(
                    widget, shown ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&change);
            }
        }
        return false;
    }
};

}  // namespace

void installAccessibleWindows() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    QAccessible::installFactory(accessibleFor);
    qApp->installEventFilter(new ShowingWatcher(qApp));
}

void hideFromScreenReaders(QWidget* control) {
    control->setProperty(kHiddenFromScreenReaders, true);
}

}  // namespace desktop
