#include "widgets/accessible_widgets.h"

#include "widgets/result_blinker.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace plenwick {

namespace {

const char* const kAnswerProperty = "plenwickAnswer";
const char* const kScreenTabProperty = "plenwickScreenTab";

QString answerOf(const QLabel* label)
{
    const QString text = label->text();
    return text == kNoAnswer ? QString() : text;
}

// Blinking hides the label half the time; a screen reader would hear the
// answer come and go. It stays showing for as long as the answer stands and
// its screen is in view.
class AnswerInterface : public QAccessibleWidget {
public:
    explicit AnswerInterface(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: return widget()->accessibleName();
        case QAccessible::Value:
        case QAccessible::Description: return answerOf(label());
        default: return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const QWidget* place = widget()->parentWidget();
        state.invisible = answerOf(label()).isEmpty() || (place && !place->isVisible());
        return state;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// The pressed screen button is the selected tab.
class ScreenTabInterface : public QAccessibleWidget {
public:
    explicit ScreenTabInterface(QPushButton* button)
        : QAccessibleWidget(button, QAccessible::PageTab)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return button()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = false;
        state.checked = false;
        state.selectable = true;
        state.selected = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

// On Linux Qt names a choice list by the item chosen, and a list in a row of
// five has no label of its own to be named by: it goes by its accessible
// name, with the item chosen as its value and the list of items as its child.
class NamedChoiceInterface : public QAccessibleWidget {
public:
    explicit NamedChoiceInterface(QComboBox* choice)
        : QAccessibleWidget(choice, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: return widget()->accessibleName();
        case QAccessible::Value: return choice()->currentText();
        default: return QAccessibleWidget::text(kind);
        }
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(choice()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == choice()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = choice()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} << QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (choice()->view()->isVisible())
            choice()->hidePopup();
        else
            choice()->showPopup();
    }

private:
    QComboBox* choice() const { return static_cast<QComboBox*>(widget()); }
};

// Drops the interface made for the widget so far; the next question makes
// it afresh, through the factory below.
void forgetInterface(QWidget* widget)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QAccessibleInterface* makeInterface(const QString& key, QObject* object)
{
    if (key == QLatin1String("QLabel") && object->property(kAnswerProperty).toBool())
        return new AnswerInterface(static_cast<QLabel*>(object));
    if (key == QLatin1String("QPushButton") && object->property(kScreenTabProperty).toBool())
        return new ScreenTabInterface(static_cast<QPushButton*>(object));
    if (key == QLatin1String("QComboBox") && !static_cast<QComboBox*>(object)->accessibleName().isEmpty())
        return new NamedChoiceInterface(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void useAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void nameForScreenReaders(QWidget* widget, const QString& name)
{
    useAccessibleInterfaces();
    widget->setAccessibleName(name);
    forgetInterface(widget);
}

void markAsAnswer(QLabel* label)
{
    useAccessibleInterfaces();
    label->setProperty(kAnswerProperty, true);
    forgetInterface(label);
}

void setAnswer(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    QAccessibleEvent changed(label, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void markAsScreenTab(QPushButton* button)
{
    useAccessibleInterfaces();
    button->setProperty(kScreenTabProperty, true);
    forgetInterface(button);
}

} // namespace plenwick
