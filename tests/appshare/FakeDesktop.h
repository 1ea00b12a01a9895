#pragma once
// A desktop for sharing tests: a screen picture the test paints, windows it lists, a pointer, and the input
// it was asked to inject.

#include "platform/DesktopAccess.h"

#include <QPainter>

#include <map>

namespace orv::test {

class FakeDesktop final : public IDesktopAccess {
public:
    explicit FakeDesktop(QSize size = {1024, 768}) : screen(size, QImage::Format_RGB32) {
        screen.fill(Qt::white);
    }

    bool Available() const override { return available; }
    QSize ScreenSize() const override { return screen.size(); }
    bool CaptureArea(const QRect& wanted, QImage& target) override {
        const QRect area = wanted & screen.rect() & target.rect();
        if (area.isEmpty())
            return false;
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(area.topLeft(), screen, area);
        return true;
    }
    std::vector<TDesktopWindow> Windows() override { return windows; }
    std::optional<QRect> WindowRect(TWindowHandle window) override {
        for (const auto& w : windows)
            if (w.handle == window)
                return w.rect;
        return std::nullopt;
    }
    void ActivateWindow(TWindowHandle window) override { activated = window; }
    std::optional<TPointerImage> Pointer() override { return pointer; }
    bool InjectKey(std::uint32_t keysym, bool press) override {
        keys.emplace_back(keysym, press);
        return true;
    }
    bool InjectPointerMove(QPoint position) override {
        moves.push_back(position);
        return true;
    }
    bool InjectButton(TMouseButton button, bool press) override {
        buttons.emplace_back(button, press);
        return true;
    }
    bool InjectWheel(int clicks) override {
        wheel += clicks;
        return true;
    }

    QImage screen;
    bool available = true;
    std::vector<TDesktopWindow> windows;
    std::optional<TPointerImage> pointer;
    TWindowHandle activated = 0;
    std::vector<std::pair<std::uint32_t, bool>> keys;
    std::vector<QPoint> moves;
    std::vector<std::pair<TMouseButton, bool>> buttons;
    int wheel = 0;
};

} // namespace orv::test
