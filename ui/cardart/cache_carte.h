#pragma once

#include <QPixmap>
#include <QSize>

#include <map>

namespace belvane::cardart {

// Card pictures for the window at the size it shows them. Each code is drawn
// once per size and device pixel ratio; a change of either starts afresh.
// At the pictures' own size (45 x 72, ratio 1) the embedded bitmaps are used
// as they are.
class CacheCarte {
public:
    // Never null and never throws: a code outside 1..40, or a bitmap that
    // cannot be loaded, gives a white card with a red cross and the code.
    // The pixmap carries `devicePixelRatio`.
    QPixmap Pixmap(int code, QSize logicalSize, qreal devicePixelRatio);
    // Whether Pixmap would return at once, without drawing.
    bool Pronta(int code, QSize logicalSize, qreal devicePixelRatio) const;

private:
    QSize dimensione_;
    qreal rapporto_ = 0;
    std::map<int, QPixmap> pixmap_;
};

// The picture shown in place of a card that cannot be drawn.
QPixmap CartaDiRiserva(int code, QSize logicalSize, qreal devicePixelRatio);

} // namespace belvane::cardart
