#pragma once
// A grey outline without fill (the score box and the high-score box).

#include <QWidget>

namespace lumo {

class OutlineFrame : public QWidget {
    Q_OBJECT
public:
    explicit OutlineFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lumo
