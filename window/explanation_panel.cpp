#include "explanation_panel.h"

#include "layout.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace {


bool fits(const QFont& font, const QStringList& lines, const QSize& area)
{
    const QFontMetricsF metrics(font);
    if (lines.size() * metrics.lineSpacing() > area.height())
        return false;
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > area.width())
            return false;
    }
    return true;
}

} // namespace

ExplanationPanel::ExplanationPanel(QWidget* parent) : QWidget(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(colours::panelPaper));
    colours.setColor(QPalette::WindowText, toQColor(colours::panelInk));
    setPalette(colours);
    setAutoFillBackground(true);
    m_drawingFont = font();
}

void ExplanationPanel::printLine(const QString& text)
{
    const QString before = this->text();
    m_lines.append(text);
    fitFont();
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, before, this->text());
        QAccessible::updateAccessibility(&event);
    }
}

void ExplanationPanel::printEmptyLine()
{
    printLine(QString());
}

void ExplanationPanel::fitFont()
{
    QFont candidate = font();
    qreal size = candidate.pointSizeF();
    while (size > fonts::panelSmallestPointSize && !fits(candidate, m_lines, this->size())) {
        size -= fonts::panelPointSizeStep;
        candidate.setPointSizeF(size);
    }
    m_drawingFont = candidate;
}

void ExplanationPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_drawingFont);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(m_drawingFont);
    qreal baseline = metrics.ascent();
    for (const QString& line : m_lines) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

void ExplanationPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitFont();
    QWidget::changeEvent(event);
}

void ExplanationPanel::resizeEvent(QResizeEvent* event)
{
    fitFont();
    QWidget::resizeEvent(event);
}
