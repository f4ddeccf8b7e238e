#pragma once
// An etched horizontal separator: a dark line with a white one just below it.

#include <QWidget>

namespace plk {

class Line3D : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeightTwips = 30;

    explicit Line3D(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plk
