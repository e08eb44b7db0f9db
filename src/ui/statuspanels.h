#pragma once

#include <QFrame>
#include <QList>

class QLabel;

namespace vm {

// A status bar divided into panels of text, as the list and editor sides use.
class StatusPanels : public QFrame {
    Q_OBJECT
public:
    StatusPanels(const char* objectName, int panels, QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    QLabel* panel(int panel) const { return m_panels.value(panel); }

private:
    QList<QLabel*> m_panels;
};

} // namespace vm
