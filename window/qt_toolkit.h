// The toolkit services on real Qt dialogs, with Japanese buttons whatever the system locale.
#pragma once

#include "toolkit.h"

class QWidget;

class QtToolkit : public Toolkit {
public:
    explicit QtToolkit(QWidget* window) : m_window(window) {}

    QString inputDialog(const QString& prompt, const QString& title) override;
    bool questionDialog(const QString& prompt, const QString& title) override;
    void end() override;

private:
    QWidget* m_window;
};
