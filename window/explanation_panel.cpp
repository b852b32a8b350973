#include "explanation_panel.h"

#include "layout.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// Lines are printed one pitch apart, a pitch that the design sets in ems of the drawing font, so
// that a face whose own line spacing is tall does not make the lines smaller than the width allows.
qreal linePitch(const QFont& font, const QPaintDevice* device)
{
    return fonts::size("panelLinePitch") * font.pointSizeF() * device->logicalDpiY() / 72;
}

bool fits(const QFont& font, const QStringList& lines, const QWidget* panel)
{
    if (lines.size() * linePitch(font, panel) > panel->height())
        return false;
    const QFontMetricsF metrics(font, panel);
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > panel->width())
            return false;
    }
    return true;
}

} // namespace

ExplanationPanel::ExplanationPanel(QWidget* parent) : QWidget(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(colours::colour("panelPaper")));
    colours.setColor(QPalette::WindowText, toQColor(colours::colour("panelInk")));
    setPalette(colours);
    setAutoFillBackground(true);
    m_drawingFont = font();
}

qreal ExplanationPanel::linePitch() const
{
    return ::linePitch(m_drawingFont, this);
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
    while (size > fonts::size("panelSmallestPointSize") && !fits(candidate, m_lines, this)) {
        size -= fonts::size("panelPointSizeStep");
        candidate.setPointSizeF(size);
    }
    m_drawingFont = candidate;
}

void ExplanationPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_drawingFont);
    painter.setPen(palette().color(QPalette::WindowText));
    // Each line's glyphs centred on its pitch, as a browser lays out a line box.
    const QFontMetricsF metrics(m_drawingFont, this);
    const qreal pitch = linePitch();
    qreal baseline = (pitch - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    for (const QString& line : m_lines) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += pitch;
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
