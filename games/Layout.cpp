#include "Layout.h"

#include <QtGlobal>

TGameInfo SmallCardInfo(const TGameInfo& large, const QString& className, const QString& placementSection,
                        QSize client, int minHeight, int resizeMargin, const QString& profileSection) {
    TGameInfo info = large;
    info.ClassName = className;
    info.PlacementSection = placementSection;
    if (!profileSection.isEmpty()) info.ProfileSection = profileSection;
    info.ClientWidth = client.width();
    info.ClientHeight = client.height();
    info.MinHeight = minHeight;
    info.ResizeMargin = resizeMargin;
    return info;
}

TPlaces PlaceRow(const char* stem, int count, int left, int step, int top, int width, int height, float yOffset,
                 float xOffset) {
    TPlaces places;
    for (int i = 0; i < count; ++i)
        places.push_back({Numbered(stem, i + 1), left + step * i, top, width, height, yOffset, xOffset});
    return places;
}

TPlaces operator+(TPlaces a, const TPlaces& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TLayout SmallCardLayout(const TLayout& large, const TPlaces& places) {
    TLayout small = large;
    for (TPileSlot& slot : small) {
        const TSlotPlace* place = nullptr;
        for (const TSlotPlace& p : places)
            if (p.Name == slot.Name) place = &p;
        Q_ASSERT_X(place != nullptr, "SmallCardLayout", qPrintable(slot.Name));
        if (place == nullptr) continue;
        slot.Left = place->Left;
        slot.Top = place->Top;
        slot.Width = place->Width;
        slot.Height = place->Height;
        if (place->YOffset >= 0.0f) slot.YOffset = place->YOffset;
        if (place->XOffset >= 0.0f) slot.XOffset = place->XOffset;
        if (place->BottomMargin >= 0) slot.BottomMargin = place->BottomMargin;
    }
    return small;
}
