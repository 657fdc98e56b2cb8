#pragma once

#include <QObject>

#include <map>
#include <vector>

class QWidget;

namespace bench {

// Counts the paint events each watched widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(const std::vector<QWidget*>& widgets);

    // The fewest and the most paints any watched widget received since the last call.
    struct Range {
        int fewest = 0;
        int most = 0;
    };
    Range TakeRange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<const QObject*, int> paints_;
};

} // namespace bench
