#include "ui/statuspanels.h"

#include <QHBoxLayout>
#include <QLabel>

namespace vm {

StatusPanels::StatusPanels(const char* objectName, int panels, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (int i = 0; i < panels; ++i) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumHeight(fontMetrics().height() + 6);
        label->setContentsMargins(4, 0, 4, 0);
        layout->addWidget(label, 1);
        m_panels.append(label);
    }
}

void StatusPanels::setPanelText(int panel, const QString& text)
{
    if (QLabel* label = m_panels.value(panel)) {
        label->setText(text);
    }
}

QString StatusPanels::panelText(int panel) const
{
    QLabel* label = m_panels.value(panel);
    return label ? label->text() : QString();
}

} // namespace vm
