#include "accessibility.h"

#include "link_label.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace accessibility {

namespace {

class LinkLabelAccessible final : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->clicked();
        }
    }
};

// One of several lists that share one caption ("Birth Date"): its own name
// says which part of the caption it holds; its value is the entry shown.
class NamedListAccessible final : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    // The drop-down's entries, as Qt's own description of a list offers them.
    int childCount() const override { return list()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && list()->view() ? QAccessible::queryAccessibleInterface(list()->view())
                                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction()) {
            list()->showPopup();
        }
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* describe(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String("LinkLabel")) {
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    }
    // A top-level window built on a plain widget (the main window) is a window
    // to assistive technology, not an anonymous pane.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (className == QLatin1String("QComboBox") &&
        !static_cast<QWidget*>(object)->accessibleName().isEmpty()) {
        return new NamedListAccessible(static_cast<QComboBox*>(object));
    }
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = (QAccessible::installFactory(describe), true);
    Q_UNUSED(installed);
}

} // namespace accessibility
