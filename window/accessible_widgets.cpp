#include "accessible_widgets.h"

#include "explanation_panel.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>

namespace {

class PanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PanelAccessible(ExplanationPanel* panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        // Readers speak a focused pane's name and description: the description is the statement.
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return panel()->text();
        return QAccessibleWidget::text(kind);
    }

    // Read-only text without a caret or selections.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return panel()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(panel()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // Find the line and column of the offset and measure in the drawing font.
        const QFontMetricsF metrics(panel()->drawingFont(), panel());
        int line = 0;
        int column = offset;
        for (const QString& printed : panel()->lines()) {
            if (column <= printed.size())
                break;
            column -= int(printed.size()) + 1;
            ++line;
        }
        if (line >= panel()->lines().size())
            return {};
        const QString& printed = panel()->lines().at(line);
        const qreal x = metrics.horizontalAdvance(printed.left(column));
        const qreal width = column < printed.size() ? metrics.horizontalAdvance(printed.at(column)) : 0;
        const qreal pitch = panel()->linePitch();
        const QRectF local(x, line * pitch, width, pitch);
        return QRect(panel()->mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = -1;
        return {};
    }

private:
    ExplanationPanel* panel() const { return static_cast<ExplanationPanel*>(widget()); }
};

} // namespace

QAccessibleInterface* accessibleWidget(const QString& className, QObject* object)
{
    if (className == QLatin1String("MainWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("ExplanationPanel") && object && object->isWidgetType())
        return new PanelAccessible(static_cast<ExplanationPanel*>(object));
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}
