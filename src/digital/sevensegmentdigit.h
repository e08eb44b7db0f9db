#pragma once

#include <QWidget>

namespace vm {

// One digit of the address display: red segments on a black ground, segments
// that are off are not drawn. A digit that is not lit shows only the ground.
class SevenSegmentDigit : public QWidget {
    Q_OBJECT
public:
    explicit SevenSegmentDigit(QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Values outside 0 to 9 are ignored.
    void setValue(int value);

    bool isLit() const { return m_lit; }
    void setLit(bool lit);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
    bool m_lit = true;
};

} // namespace vm
