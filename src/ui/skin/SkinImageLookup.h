#pragma once

#include <QPixmap>
#include <functional>

namespace qp {

// Where controls get a skin's pictures: the pixmap of a bitmap id at the screen's device pixel
// ratio, or a null pixmap when the skin has none of that id.
using SkinImageLookup = std::function<QPixmap(int bitmapId)>;

}  // namespace qp
