#include "accessibility.h"

#include "link_label.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QPushButton>

namespace accessibility {

namespace {

constexpr char kConcealed[] = "qyac_concealed";
constexpr char kFocusSink[] = "qyac_focus_sink";

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
// says which part of the caption it holds; its value is the entry shown, and
// so is its description, which Orca reads after the name when the list takes
// the focus, and on where-am-I (changes: announceEntryChanges).
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
        case QAccessible::Description:
            return widget()->accessibleDescription().isEmpty() ? list()->currentText()
                                                               : widget()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    // Not labelled by the shared caption: Orca prefers a label to the name,
    // and would say "Birth Date" for the day.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override {
        auto related = QAccessibleWidget::relations(match);
        related.removeIf([](const auto& r) { return r.second.testFlag(QAccessible::Label); });
        return related;
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

// A frame, or a group box without a check box, that lists to assistive
// technology only the children not concealed (setConcealed).
class FrameAccessible : public QAccessibleWidget {
public:
    FrameAccessible(QWidget* frame, QAccessible::Role role) : QAccessibleWidget(frame, role) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = shownChildren();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() && child->object()->isWidgetType()
                   ? static_cast<int>(
                         shownChildren().indexOf(static_cast<QWidget*>(child->object())))
                   : -1;
    }

protected:
    QList<QWidget*> shownChildren() const {
        QList<QWidget*> shown;
        for (QObject* o : widget()->children()) {
            if (o->isWidgetType() && !static_cast<QWidget*>(o)->isWindow() &&
                !o->property(kConcealed).toBool()) {
                shown.append(static_cast<QWidget*>(o));
            }
        }
        return shown;
    }
};

// As Qt describes a group box without a check box: named by its title, which
// labels every control in it.
class GroupBoxAccessible final : public FrameAccessible {
public:
    explicit GroupBoxAccessible(QGroupBox* box) : FrameAccessible(box, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        const QString own = FrameAccessible::text(t);
        if (!own.isEmpty()) {
            return own;
        }
        if (t == QAccessible::Name) {
            return withoutMnemonic(box()->title());
        }
        return t == QAccessible::Description ? box()->toolTip() : own;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override {
        auto related = FrameAccessible::relations(match);
        if (match.testFlag(QAccessible::Labelled) && !box()->title().isEmpty()) {
            for (QWidget* child : shownChildren()) {
                related.append(
                    {QAccessible::queryAccessibleInterface(child), QAccessible::Labelled});
            }
        }
        return related;
    }

private:
    QGroupBox* box() const { return static_cast<QGroupBox*>(widget()); }
    static QString withoutMnemonic(QString title) {
        for (qsizetype i = title.indexOf(u'&'); i >= 0; i = title.indexOf(u'&', i + 1)) {
            title.remove(i, 1); // "&&" leaves one "&", which the next search passes
        }
        return title;
    }
};

// The hidden focus sink: text, not a button, with no shortcut to announce.
class FocusSinkAccessible final : public QAccessibleWidget {
public:
    explicit FocusSinkAccessible(QWidget* sink)
        : QAccessibleWidget(sink, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName();
        case QAccessible::Accelerator:
            return {};
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {}; }
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
    if (className == QLatin1String("QPushButton") && object->property(kFocusSink).toBool()) {
        return new FocusSinkAccessible(static_cast<QWidget*>(object));
    }
    // Exactly these classes: Qt's own widgets built on them describe themselves.
    const bool plainFrame =
        className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject;
    if (plainFrame || className == QLatin1String("BrandBanners")) {
        return new FrameAccessible(static_cast<QWidget*>(object), QAccessible::Border);
    }
    if (className == QLatin1String("QGroupBox") &&
        object->metaObject() == &QGroupBox::staticMetaObject &&
        !static_cast<QGroupBox*>(object)->isCheckable()) {
        return new GroupBoxAccessible(static_cast<QGroupBox*>(object));
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

std::vector<std::unique_ptr<QAccessibleEvent>> entryEvents(QComboBox* list, int index) {
    std::vector<std::unique_ptr<QAccessibleEvent>> events;
    // The entry takes the accessibility focus in the drop-down's list, as Qt
    // does for a search by first letters: Orca speaks it, as it does a GTK
    // list's entry. Only for the focused list, and only an entry that is not
    // the drop-down's current one already: that one was spoken as it became
    // current (chosen in the open list, or found by its first letters). A
    // description change alone Orca cannot present (Qt 6.4 sends it without
    // the text); it keeps the list's face current.
    QAbstractItemView* entries = list->view();
    if (entries && index >= 0 && list->hasFocus() && entries->currentIndex().row() != index) {
        auto& entry =
            events.emplace_back(std::make_unique<QAccessibleEvent>(entries, QAccessible::Focus));
        entry->setChild(index);
    }
    events.push_back(std::make_unique<QAccessibleEvent>(list, QAccessible::DescriptionChanged));
    return events;
}

void announceEntryChanges(QComboBox* list) {
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        const auto events = entryEvents(list, index);
        // The drop-down follows, quietly (its own announcement would be a
        // second one), so that the next change is judged against this entry.
        if (QItemSelectionModel* entries =
                list->view() ? list->view()->selectionModel() : nullptr) {
            const QSignalBlocker quiet(entries);
            entries->setCurrentIndex(
                list->model()->index(index, list->modelColumn(), list->rootModelIndex()),
                QItemSelectionModel::NoUpdate);
        }
        for (const auto& event : events) {
            QAccessible::updateAccessibility(event.get());
        }
    });
}

void setConcealed(QWidget* widget, bool concealed) {
    if (widget->property(kConcealed).toBool() == concealed) {
        return;
    }
    widget->setProperty(kConcealed, concealed);
    // Its frame's list of children changed: gone from it, or back in it.
    QAccessibleEvent changed(widget, concealed ? QAccessible::ObjectHide : QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&changed);
}

void presentFocusSinkAs(QPushButton* sink, const QString& text) {
    install();
    if (!sink->property(kFocusSink).toBool()) {
        sink->setProperty(kFocusSink, true);
        // A description made before, a plain button's, gives way to the sink's.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(sink);
        if (made && !dynamic_cast<FocusSinkAccessible*>(made)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
    sink->setAccessibleName(text);
}

QString sentences(const QStringList& lines) {
    QStringList said;
    for (const QString& line : lines) {
        QString sentence = line.trimmed();
        if (sentence.isEmpty()) {
            continue;
        }
        // Each sentence ends with the full stop of the language the windows
        // speak, whatever script its last word is written in.
        if (!QStringLiteral(".!?\u3002\uff01\uff1f").contains(sentence.back())) {
            sentence += QCoreApplication::translate(
                "accessibility", ".", "The full stop that ends a sentence read aloud");
        }
        said.append(sentence);
    }
    return said.join(u' ');
}

} // namespace accessibility
