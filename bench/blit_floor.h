#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <vector>

namespace bench {

// The floor of what a window of pictures costs on the screen: each picture precomputed twice, and
// every frame only swapped for the other and updated, nothing drawn.
class BlitFloor : public QWidget {
public:
    explicit BlitFloor(QSize size);

    // A picture at its place, shown alternately as `one` and `other`.
    void Add(QRect place, const QImage& one, const QImage& other);
    // Swaps every picture and asks for its repaint.
    void Swap();

private:
    class Picture;
    std::vector<Picture*> pictures_;
};

} // namespace bench
