#include "graphics/MessageBox.h"

#include "graphics/PixelOps.h"
#include "graphics/Surface.h"

ScreenRect MessageBoxRect(const MessageBoxStyle& box, const MessageStyle& text) {
    if (box.image && box.image->IsCreated()) {
        return {box.imageLeft, box.imageTop, box.image->Width(), box.image->Height()};
    }
    return {text.areaLeft - box.frameWidth, text.areaTop - box.frameHeight,
            text.areaWidth + 2 * box.frameWidth, text.areaHeight + 2 * box.frameHeight};
}

ScreenRect DrawMessageBox(Surface& dst, const MessageBoxStyle& box, const MessageStyle& text) {
    const ScreenRect rect = MessageBoxRect(box, text);
    if (box.image && box.image->IsCreated()) {
        Blend(dst, rect.x, rect.y, *box.image, 255);
    } else {
        GradientFill(dst, rect.x, rect.y, rect.width, rect.height, box.start, box.end);
    }
    return rect;
}
