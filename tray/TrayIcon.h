#pragma once
// The icon in the notification area and the properties the window sets on
// it: its tool-tip and whether it is there.
#include <string>

#include "core/Component.h"

class TTrayIcon : public TComponent {
public:
    using TComponent::TComponent;

    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool Value) { FIconVisible = Value; }
    // At most 255 characters are kept.
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);

private:
    bool FIconVisible = false;
    std::string FHint;
};
