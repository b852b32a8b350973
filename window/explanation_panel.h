// A white panel that prints lines of text one under another, like a printer with a print position.
// Printed lines are kept and repainted; printing never clears the panel; lines past its edges are
// clipped. Lines are one pitch apart, set by the design in ems of the drawing font. When the font
// would cut off a printed line, the panel draws every line smaller, at the largest size (never above
// the font's own) at which all of them fit.
#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

class ExplanationPanel : public QWidget {
    Q_OBJECT
public:
    explicit ExplanationPanel(QWidget* parent = nullptr);

    void printLine(const QString& text);
    void printEmptyLine();

    const QStringList& lines() const { return m_lines; }
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    // The font the lines are drawn in, fitted to the panel.
    QFont drawingFont() const { return m_drawingFont; }
    // The distance between one line and the next, in pixels.
    qreal linePitch() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFont();

    QStringList m_lines;
    QFont m_drawingFont;
};
